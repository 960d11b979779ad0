#include "parameterCommands.h"

#include "appState.h"
#include "upsApp.h"

ParameterTransferDriver::ParameterTransferDriver(upsApp &app) : QObject(&app)
{
  // Connected after the main loop itself, so this runs right after each tick's link cycle.
  connect(&app.mainTimer, &QTimer::timeout, this, &ParameterTransferDriver::afterTick);
}

void ParameterTransferDriver::afterTick()
{
  runParameterTransferStep(appState(), transfer);
}

ParameterTransferDriver &parameterTransferDriver(upsApp &app)
{
  auto *driver = app.findChild<ParameterTransferDriver *>(QString(), Qt::FindDirectChildrenOnly);
  return driver ? *driver : *new ParameterTransferDriver(app);
}

void runFamilySettings(upsApp &app, int settingsNumber)
{
  runSettingsRoutine(appState(), parameterTransferDriver(app).transfer, settingsNumber);
}

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
