#include "pcShutdown.h"

#include "pcActions.h"

#include "common/logging.h"

#include <QProcess>
#include <QStandardPaths>

namespace
{
struct ShutdownCommand {
  QString program;
  QStringList arguments;
};

ShutdownCommand shutdownCommand(bool fastStartup)
{
#ifdef Q_OS_WIN
  const QStringList arguments =
      fastStartup ? QStringList{"-s", "-hybrid", "-t", "1"} : QStringList{"-s", "-f", "-t", "1"};
  return {QStringLiteral("shutdown"), arguments};
#else
  Q_UNUSED(fastStartup)
  // The system's command may live outside an ordinary user's PATH.
  QString program = QStandardPaths::findExecutable(QStringLiteral("shutdown"));
  if (program.isEmpty())
    program = QStandardPaths::findExecutable(QStringLiteral("shutdown"),
                                             {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
  return {program, {QStringLiteral("-h"), QStringLiteral("+0")}};
#endif
}

void startShutdownCommand(PcShutdownState &sd, const ShutdownCommand &command)
{
  sd.outcome = PcShutdownState::Outcome::running;
  ++sd.attempts;
  if (command.program.isEmpty()) {
    qCWarning(lcActions) << "no shutdown command found";
    sd.lastFailure = {PcShutdownFailure::Kind::noCommand, 0, QString()};
    sd.outcome = PcShutdownState::Outcome::failed;
    return;
  }
  qCInfo(lcActions) << "shutting the PC down:" << command.program << command.arguments;
  // Started without waiting: the loop goes on, and the exit code tells whether it worked.
  sd.command.reset(new QProcess);
  QProcess *process = sd.command.get();
  process->setProcessChannelMode(QProcess::MergedChannels);
  QObject::connect(process, &QProcess::errorOccurred, process, [&sd, process](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) {
      qCWarning(lcActions) << "the shutdown command did not start:" << process->errorString();
      sd.lastFailure = {PcShutdownFailure::Kind::notStarted, 0, process->errorString()};
      sd.outcome = PcShutdownState::Outcome::failed;
    }
  });
  QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), process,
                   [&sd, process](int exitCode, QProcess::ExitStatus status) {
                     const bool ok = status == QProcess::NormalExit && exitCode == 0;
                     if (!ok) {
                       const QString output = QString::fromLocal8Bit(process->readAll()).simplified();
                       qCWarning(lcActions)
                           << "the shutdown command failed with exit code" << exitCode << output;
                       sd.lastFailure = {PcShutdownFailure::Kind::exitCode, exitCode, output.left(200)};
                     }
                     sd.outcome = ok ? PcShutdownState::Outcome::succeeded : PcShutdownState::Outcome::failed;
                   });
  process->start(command.program, command.arguments, QIODevice::ReadOnly);
}

// Takes the result of a finished command: success ends the work, failure waits for the retry.
void takeOutcome(PcShutdownState &sd, const QDateTime &now, PcShutdownOutcome &outcome)
{
  switch (sd.outcome) {
  case PcShutdownState::Outcome::succeeded:
    sd.outcome = PcShutdownState::Outcome::none;
    sd.command.reset();
    sd.issued = true;
    outcome.issued = true;
    break;
  case PcShutdownState::Outcome::failed:
    sd.outcome = PcShutdownState::Outcome::none;
    sd.command.reset();
    sd.retryTime = now.addSecs(shutdownRetrySeconds);
    outcome.failed = true;
    outcome.firstFailureOfRequest = !sd.failureLogged;
    sd.failureLogged = true;
    break;
  default:
    break;
  }
}
} // namespace

void ShutdownProcessDeleter::operator()(QProcess *process) const
{
  process->disconnect();
  // Deleting a running QProcess kills it: the system's shutdown command, started just before the
  // program ends, would be stopped halfway. It normally returns at once.
  if (process->state() != QProcess::NotRunning)
    process->waitForFinished(5000);
  delete process;
}

PcShutdownOutcome runPcShutdownStep(PcShutdownState &sd, const PcShutdownInputs &in)
{
  PcShutdownOutcome outcome;
  const QDateTime &now = in.now;
  takeOutcome(sd, now, outcome);

  const int delay = in.delaySeconds;
  if (in.requested && sd.cancelled) {
    // Cancelled by the user: nothing until the request ends.
  } else if (in.enabled && in.requested) {
    if (!sd.armed || delay != sd.lastDelay) {
      // A new request, or the device changed its delay: the countdown starts from now.
      sd.armed = true;
      sd.shutdownTime = now.addSecs(delay);
    } else if (now >= sd.shutdownTime) {
      if (in.dryRun) {
        qCDebug(lcActions) << "System_Shutdown";
      } else if (in.holdForClients) {
        // Served machines go down first; the caller bounds this wait.
      } else if (!sd.issued && !sd.command && (!sd.retryTime.isValid() || now >= sd.retryTime)) {
        if (in.mailsPending)
          qCWarning(lcMail)
              << "the PC shuts down at the end of the device's delay with e-mails still on their way";
        startShutdownCommand(sd, shutdownCommand(in.fastStartup));
        takeOutcome(sd, now, outcome); // a command that is not there fails at once
      }
    }
  } else {
    sd.armed = false;
    sd.failureLogged = false;
    sd.attempts = 0;
    sd.lastFailure = PcShutdownFailure();
    sd.retryTime = QDateTime();
    sd.cancelled = sd.cancelled && in.requested;
  }
  sd.lastDelay = delay;
  return outcome;
}

bool pcShutdownDue(const PcShutdownState &sd, const QDateTime &now)
{
  return sd.armed && !sd.issued && now >= sd.shutdownTime;
}

int pcShutdownSecondsLeft(const PcShutdownState &sd, const QDateTime &now)
{
  if (!sd.armed || sd.issued)
    return -1;
  const qint64 left = now.msecsTo(sd.shutdownTime);
  return left <= 0 ? 0 : static_cast<int>((left + 999) / 1000);
}

void resetPcShutdown(PcShutdownState &sd)
{
  sd.command.reset();
  sd.outcome = PcShutdownState::Outcome::none;
  sd.armed = false;
  sd.issued = false;
  sd.failureLogged = false;
  sd.retryTime = QDateTime();
  sd.attempts = 0;
  sd.lastFailure = PcShutdownFailure();
}

bool cancelPcShutdown(PcShutdownState &sd)
{
  if (!sd.armed || sd.issued)
    return false;
  sd.armed = false;
  sd.cancelled = true;
  sd.retryTime = QDateTime();
  sd.attempts = 0;
  sd.lastFailure = PcShutdownFailure();
  return true;
}

int pcShutdownSecondsToRetry(const PcShutdownState &sd, const QDateTime &now)
{
  if (!sd.retryTime.isValid())
    return 0;
  const qint64 left = now.msecsTo(sd.retryTime);
  return left <= 0 ? 0 : static_cast<int>((left + 999) / 1000);
}
