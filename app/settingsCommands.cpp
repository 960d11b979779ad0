// Commands of the program-start and e-mail pages: each change is stored for the selected device at once.
#include "upsApp.h"

#include "appState.h"

#include "storage/settingsStore.h"

void upsApp::receiveFromQml_SetProgramStartEvent_CheckBox(int programStartNr, uint checkBoxNr, bool checked)
{
  storeProgramStartEvent(appState(), programStartNr, checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetProgramStartPath_FileDialog(QString programStartPath, int programStartNr)
{
  storeProgramStartPath(appState(), programStartNr, programStartPath);
}

void upsApp::receiveFromQml_SetProgramstartTimeConfig(int programStartNr, int textField, int value)
{
  storeProgramDelay(appState(), programStartNr, textField, value);
}

void upsApp::receiveFromQml_SetEmailEvent_CheckBox(int emailNr, uint checkBoxNr, bool checked)
{
  storeEmailEvent(appState(), emailNr, checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetEmailConfig(int emailNr, int textField, QString textValue)
{
  storeEmailConfig(appState(), emailNr, textField, textValue);
}

void upsApp::receiveFromQml_SetEmailMessage(int emailNr, int textField, QString textValue)
{
  storeEmailMessage(appState(), emailNr, textField, textValue);
}
