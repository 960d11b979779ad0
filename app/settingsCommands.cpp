// Commands of the program-start and e-mail pages: each change is stored for the selected device at
// once; and the settings buttons of the main window, which take the device's parameters and its
// event-action settings together. Like every command, each one has the records sent again.
#include "upsApp.h"

#include "settingsRoutine.h"
#include "stateParts.h"

#include "actions/programStart.h"
#include "actions/programTest.h"
#include "storage/settingsStore.h"

namespace
{
constexpr uint8_t programFailureTicks = 100; // 10 s, so that the user sees it after the click
} // namespace

void upsApp::receiveFromQml_SetProgramStartEvent_CheckBox(int programStartNr, uint checkBoxNr, bool checked)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  storeProgramStartEvent(s.settings, deviceRows(s), programStartNr, checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetProgramStartPath_FileDialog(QString programStartPath, int programStartNr)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  storeProgramStartPath(s.settings, deviceRows(s), programStartNr, programStartPath);
}

void upsApp::receiveFromQml_SetProgramstartTimeConfig(int programStartNr, int textField, int value)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  storeProgramDelay(s.settings, deviceRows(s), programStartNr, textField, value);
}

void upsApp::receiveFromQml_SetEmailEvent_CheckBox(int emailNr, uint checkBoxNr, bool checked)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  storeEmailEvent(s.settings, deviceRows(s), emailNr, checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetEmailConfig(int emailNr, int textField, QString textValue)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (!storeEmailConfig(s.settings, deviceRows(s), emailNr, textField, textValue))
    postMessage(s.loop.message, languageText(s.language, TextSlot::mailFieldRefused));
}

void upsApp::receiveFromQml_SetEmailMessage(int emailNr, int textField, QString textValue)
{
  appState().sent.forgetAll();
  AppState &s = appState();
  if (!storeEmailMessage(s.settings, deviceRows(s), emailNr, textField, textValue))
    postMessage(s.loop.message, languageText(s.language, TextSlot::mailFieldRefused));
}

// The program page's test button: 0 starts the first program, 1 the second. Unlike a start by an
// event the run is watched, and a program that did not start or failed is named in the window.
void upsApp::receiveFromQml_SetProgramStartTest(int programStartNr)
{
  appState().sent.forgetAll();
  if (programStartNr < 0 || programStartNr >= programStarts)
    return;
  ProgramTestRun *run =
      ProgramTestRun::start(programStartNr, appState().settings.program[programStartNr].path);
  connect(run, &ProgramTestRun::notStarted, this, [this](int index, const QString &reason) {
    AppState &s = appState();
    postMessage(s.loop.message,
                languageText(s.language, TextSlot::programNotStarted).arg(QString::number(index + 1), reason),
                programFailureTicks);
  });
  connect(run, &ProgramTestRun::failedWithCode, this, [this](int index, const QString &code) {
    AppState &s = appState();
    postMessage(s.loop.message,
                languageText(s.language, TextSlot::programFailed).arg(QString::number(index + 1), code),
                programFailureTicks);
  });
}

void runSettingsRoutine(AppState &s, ParameterTransfer &transfer, int settingsNumber)
{
  const DeviceRows rows = deviceRows(s);
  switch (settingsNumber) {
  case 0:
    if (setFactoryUserSettings(s.settings, rows))
      showShutdownChoice(s, ShutdownChoice{});
    restoreFactoryDefaults(parameterContext(s), transfer);
    break;
  case 1:
    saveUserSettings(rows, shutdownChoice(s));
    saveParameterSet(parameterContext(s));
    break;
  case 2:
    if (const std::optional<ShutdownChoice> restored = restoreUserSettings(s.settings, rows))
      showShutdownChoice(s, *restored);
    restoreParameterSet(parameterContext(s), transfer);
    break;
  default:
    break;
  }
}
