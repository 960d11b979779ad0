// The parameter commands of the pages; the encoding and the device writes are in devices/.
#include "devices/parameterSettings.h"

#include "appState.h"
#include "upsApp.h"

void upsApp::receiveFromQml_SetLimitsList_ComboBox(int comboBoxNr, QString currentText)
{
  setLimitsListChoice(appState(), comboBoxNr, currentText);
}

void upsApp::receiveFromQml_ParameterSetLimitsList_TextBox(int textBoxNr, QString currentText)
{
  setLimitsTextBox(appState(), textBoxNr, currentText);
}

void upsApp::receiveFromQml_SetManagementList_ComboBox(int comboBoxNr, QString currentText)
{
  setManagementListChoice(appState(), comboBoxNr, currentText);
}

void upsApp::receiveFromQml_SetManagement_CheckBox(int checkBoxNr, bool checked)
{
  setManagementCheckBox(appState(), checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetOverloadBehavior_CheckBox(int checkBoxNr, bool checked)
{
  setOverloadBehaviorCheckBox(appState(), checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetOverloadList_ComboBox(int comboBoxNr, QString currentText)
{
  setOverloadListChoice(appState(), comboBoxNr, currentText);
}

void upsApp::receiveFromQml_SetOverload_CheckBox(int checkBoxNr, bool checked)
{
  setOverloadCheckBox(appState(), checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetOverloadBehavior_ButtonClick(int buttonNr)
{
  resetFuseOperation(appState(), buttonNr);
}
