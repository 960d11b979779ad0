// The parameter commands of the pages; the encoding and the device writes are in devices/. Like
// every command, each one has the records sent again.
#include "devices/parameterSettings.h"

#include "stateParts.h"
#include "upsApp.h"

void upsApp::receiveFromQml_SetLimitsList_ComboBox(int comboBoxNr, QString currentText)
{
  appState().sent.forgetAll();
  setLimitsListChoice(parameterContext(appState()), comboBoxNr, currentText);
}

void upsApp::receiveFromQml_ParameterSetLimitsList_TextBox(int textBoxNr, QString currentText)
{
  appState().sent.forgetAll();
  setLimitsTextBox(parameterContext(appState()), textBoxNr, currentText);
}

void upsApp::receiveFromQml_SetManagementList_ComboBox(int comboBoxNr, QString currentText)
{
  appState().sent.forgetAll();
  setManagementListChoice(parameterContext(appState()), comboBoxNr, currentText);
}

void upsApp::receiveFromQml_SetManagement_CheckBox(int checkBoxNr, bool checked)
{
  appState().sent.forgetAll();
  setManagementCheckBox(parameterContext(appState()), checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetOverloadBehavior_CheckBox(int checkBoxNr, bool checked)
{
  appState().sent.forgetAll();
  setOverloadBehaviorCheckBox(parameterContext(appState()), checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetOverloadList_ComboBox(int comboBoxNr, QString currentText)
{
  appState().sent.forgetAll();
  setOverloadListChoice(parameterContext(appState()), comboBoxNr, currentText);
}

void upsApp::receiveFromQml_SetOverload_CheckBox(int checkBoxNr, bool checked)
{
  appState().sent.forgetAll();
  setOverloadCheckBox(parameterContext(appState()), checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetOverloadBehavior_ButtonClick(int buttonNr)
{
  appState().sent.forgetAll();
  resetFuseOperation(parameterContext(appState()), buttonNr);
}
