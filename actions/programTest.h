// The program page's test run: the program starts as an event would start it, but is watched, so
// that the page can say when it did not start or ended with an error.
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

class ProgramTestRun : public QObject
{
  Q_OBJECT
public:
  // Starts `commandText` for program `programIndex` (0 or 1); connect to `failed` at once. The
  // run has no parent and deletes itself when the program ends, so that a program still running
  // when the application ends is left running.
  static ProgramTestRun *start(int programIndex, const QString &commandText);

signals:
  void notStarted(int programIndex, const QString &reason);
  // `code` is the exit code, or how the program ended when it crashed.
  void failedWithCode(int programIndex, const QString &code);

private:
  explicit ProgramTestRun(int programIndex);
  void finish(int exitCode, QProcess::ExitStatus status);

  int index;
  QString errorTail; // the end of the program's error output, for the message
  QProcess process;
};
