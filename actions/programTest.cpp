#include "programTest.h"

#include "programStart.h"

namespace
{
constexpr int errorTailLength = 200;
// The shell's own codes for a command it could not find or run.
constexpr int shellNotFound = 127;
constexpr int shellNotExecutable = 126;
} // namespace

ProgramTestRun::ProgramTestRun(int programIndex) : index(programIndex)
{
  process.setStandardInputFile(QProcess::nullDevice());
  process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
  connect(&process, &QProcess::readyReadStandardError, this, [this] {
    errorTail = (errorTail + QString::fromLocal8Bit(process.readAllStandardError())).right(errorTailLength);
  });
  connect(&process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart)
      return;
    emit notStarted(index, process.errorString());
    deleteLater();
  });
  connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, &ProgramTestRun::finish);
}

ProgramTestRun *ProgramTestRun::start(int programIndex, const QString &commandText)
{
  auto *run = new ProgramTestRun(programIndex);
  const ProgramCommand command = programCommand(commandText);
  if (command.program.isEmpty()) { // a blank text runs nothing, as at an event
    run->deleteLater();
    return run;
  }
  run->process.start(command.program, command.arguments);
  return run;
}

void ProgramTestRun::finish(int exitCode, QProcess::ExitStatus status)
{
  errorTail += QString::fromLocal8Bit(process.readAllStandardError());
  const QString reason = errorTail.trimmed().section(QLatin1Char('\n'), -1);
  if (status == QProcess::CrashExit)
    emit failedWithCode(index, process.errorString());
  else if (exitCode == shellNotFound || exitCode == shellNotExecutable)
    emit notStarted(index, reason);
  else if (exitCode != 0)
    emit failedWithCode(index, QString::number(exitCode));
  deleteLater();
}
