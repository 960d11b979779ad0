#include "programStart.h"

#include "pcActions.h"

#include <QFileInfo>
#include <QProcess>

// Every message is on: the debug and demo builds rely on the shutdown line.
Q_LOGGING_CATEGORY(lcActions, "talvane.actions")

ProgramCommand programCommand(const QString &commandText)
{
  const QString text = commandText.trimmed();
  if (text.isEmpty())
    return {};
#ifdef Q_OS_WIN
  return {QStringLiteral("cmd.exe "), {QStringLiteral("/c"), commandText}};
#else
  const QFileInfo file(text);
  if (file.isFile())
    return {file.absoluteFilePath(), {}};
  return {QStringLiteral("/bin/sh"), {QStringLiteral("-c"), text}};
#endif
}

bool startProgram(const QString &commandText)
{
  const ProgramCommand command = programCommand(commandText);
  if (command.program.isEmpty())
    return false;
  const bool started = QProcess::startDetached(command.program, command.arguments);
  if (started)
    qCInfo(lcActions) << "started" << commandText.trimmed();
  else
    qCWarning(lcActions) << "could not start" << commandText.trimmed();
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
