#include "programStart.h"

#include "pcActions.h"

#include "app/appState.h"
#include "app/upsApp.h"

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

void startProgramNow(AppState &s, int number)
{
  if (number < 0 || number >= programStarts)
    return;
  startProgram(s.settings.program[number].path);
}

void programStartEvent(AppState &s, int eventNumber, bool start)
{
  if (eventNumber < 1 || eventNumber > deviceEventRows)
    return;
  const int k = eventNumber - 1;
  ProgramStartState &ps = s.pcActions.programStart;
  for (int p = 0; p < programStarts; ++p) {
    const ProgramStartConfig &config = s.settings.program[p];
    if (start) {
      // A new occurrence starts the delay afresh.
      ps.pending[p][k] = false;
      const uint32_t wanted = 1u | (1u << eventNumber);
      if ((config.signalMask & wanted) == wanted) {
        ps.dueTime[p][k] = s.pcActions.now().addSecs(config.delaySeconds());
        ps.pending[p][k] = true;
      }
      continue;
    }
    if (!ps.pending[p][k])
      continue;
    if (!s.process.eventSignal[k]) {
      ps.pending[p][k] = false; // the event went away before its time
    } else if (ps.dueTime[p][k] < s.pcActions.now()) {
      ps.pending[p][k] = false;
      startProgram(config.path);
    }
  }
}

// The program page's test button: 0 starts the first program, 1 the second.
void upsApp::receiveFromQml_SetProgramStartTest(int programStartNr)
{
  startProgramNow(appState(), programStartNr);
}
