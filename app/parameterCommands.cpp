// The parameter commands of the pages; the encoding and the device writes are in devices/.
#include "devices/parameterSettings.h"

#include "stateParts.h"
#include "upsApp.h"

void upsApp::receiveFromQml_SetLimitsList_ComboBox(int comboBoxNr, QString currentText)
{
  setLimitsListChoice(parameterContext(appState()), comboBoxNr, currentText);
}

void upsApp::receiveFromQml_ParameterSetLimitsList_TextBox(int textBoxNr, QString currentText)
{
  setLimitsTextBox(parameterContext(appState()), textBoxNr, currentText);
}

void upsApp::receiveFromQml_SetManagementList_ComboBox(int comboBoxNr, QString currentText)
{
  setManagementListChoice(parameterContext(appState()), comboBoxNr, currentText);
}

void upsApp::receiveFromQml_SetManagement_CheckBox(int checkBoxNr, bool checked)
{
  setManagementCheckBox(parameterContext(appState()), checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetOverloadBehavior_CheckBox(int checkBoxNr, bool checked)
{
  setOverloadBehaviorCheckBox(parameterContext(appState()), checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetOverloadList_ComboBox(int comboBoxNr, QString currentText)
{
  setOverloadListChoice(parameterContext(appState()), comboBoxNr, currentText);
}

void upsApp::receiveFromQml_SetOverload_CheckBox(int checkBoxNr, bool checked)
{
  setOverloadCheckBox(parameterContext(appState()), checkBoxNr, checked);
}

void upsApp::receiveFromQml_SetOverloadBehavior_ButtonClick(int buttonNr)
{
  resetFuseOperation(parameterContext(appState()), buttonNr);
}
