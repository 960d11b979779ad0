#include "programStart.h"

#include "pcActions.h"

#include <QFileInfo>
#include <QProcess>

// Every message is on: the debug and demo builds rely on the shutdown line.
Q_LOGGING_CATEGORY(lcActions, "talvane.actions")

bool startProgram(const QString &commandText)
{
  const QString text = commandText.trimmed();
  if (text.isEmpty())
    return false;
  bool started = false;
#ifdef Q_OS_WIN
  started = QProcess::startDetached(QStringLiteral("cmd.exe "), {QStringLiteral("/c"), commandText});
#else
  // A chosen file is run as it is, so that blanks in its path need no quoting; typed text with
  // arguments is a command line for the shell.
  const QFileInfo file(text);
  if (file.isFile())
    started = QProcess::startDetached(file.absoluteFilePath(), {});
  else
    started = QProcess::startDetached(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), text});
#endif
  if (started)
    qCInfo(lcActions) << "started" << text;
  else
    qCWarning(lcActions) << "could not start" << text;
  return started;
}

void programStartEvent(ProgramStartState &ps, const ProgramStartConfig (&programs)[programStarts],
                       const QDateTime &now, int eventNumber, bool start, bool present)
{
  if (eventNumber < 1 || eventNumber > deviceEventRows)
    return;
  const int k = eventNumber - 1;
  for (int p = 0; p < programStarts; ++p) {
    const ProgramStartConfig &config = programs[p];
    if (start) {
      // A new occurrence starts the delay afresh.
      ps.pending[p][k] = false;
      const uint32_t wanted = 1u | (1u << eventNumber);
      if ((config.signalMask & wanted) == wanted) {
        ps.dueTime[p][k] = now.addSecs(config.delaySeconds());
        ps.pending[p][k] = true;
      }
      continue;
    }
    if (!ps.pending[p][k])
      continue;
    if (!present) {
      ps.pending[p][k] = false; // the event went away before its time
    } else if (ps.dueTime[p][k] < now) {
      ps.pending[p][k] = false;
      startProgram(config.path);
    }
  }
}
