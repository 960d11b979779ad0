// The application's back end: owns the main loop, sends the state records to QML and takes
// every user action from QML.
#pragma once

#include "common/uiRecords.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <memory>

class SerialPort;
class Ups_DataBase;
class EventControl_DataBaseModel;
class MailOutbox;
class NutServer;

class upsApp : public QObject
{
  Q_OBJECT

public:
  upsApp();
  ~upsApp() override;

signals:
  void sendToQml_ProductionWindow(ProductionWindowStruct productionWindow);
  void sendToQml_StatusWindow(StatusWindowStruct statusWindow);
  void sendToQml_SignalOutputs(SignalOutputsStruct signalOutputs);
  void sendToQml_Parameter(DeviceParameterStruct parameterWindow);
  void sendToQml_ipcWindow(IpcSettingStruct ipcWindow);
  void sendToQml_StartWindow(StartWindowStruct startWindow);
  void sendToQml_mainWindow(MainWindowStruct mainWindow);
  void sendToQml_ProcessData(ProcessData processData);
  void sendToQml_SystemWindow(SystemWindowStruct systemWindow);
  void sendToQml_ShutdownWindow(PcShutdownStruct shutdownWindow);
  void sendToQml_ProgramstartWindow(ProgramstartWindowStruct programstartWindow);
  void sendToQml_EmailWindow(EmailWindowStruct emailWindow);

public slots:
  void receiveFromQml_SetGetSetting(int settingsNumber);
  QString receiveFromQml_GetDevicesImage(QString comboboxCurrentText);
  void receiveFromQml_GetSignalOutputs(int currentDevice);
  void receiveFromQml_GetParameter(int currentDevice);
  void receiveFromQml_ReloadLanguage(int currentLanguage);
  void receiveFromQml_setTemperatureUnit(QString currentTemperatureUnit, int currentTemperatureUnitNr);
  void receiveFromQml_SetSignalOut(int signalNr, bool signalOutput, int rowCount);
  void receiveFromQml_SetOverloadBehavior_ButtonClick(int buttonNr);
  void receiveFromQml_Production_Row(int buttonNr, QString kennungText, QString valueText1,
                                     QString valueText2, QString valueText3, QString valueText4,
                                     QString confByte1, QString confByte2);
  void receiveFromQml_SetLimitsList_ComboBox(int comboBoxNr, QString currentText);
  void receiveFromQml_ParameterSetLimitsList_TextBox(int textBoxNr, QString currentText);
  void receiveFromQml_SetManagementList_ComboBox(int comboBoxNr, QString currentText);
  void receiveFromQml_IpcPage_CheckBox(int checkBoxNr, bool checked);
  void receiveFromQml_SetManagement_CheckBox(int checkBoxNr, bool checked);
  void receiveFromQml_SetOverloadBehavior_CheckBox(int checkBoxNr, bool checked);
  void receiveFromQml_SetBufferTime(QString second);
  void receiveFromQml_SetIpcTime(int fieldNr, QString second);
  void receiveFromQml_SetOverloadList_ComboBox(int comboBoxNr, QString currentText);
  void receiveFromQml_SetOverload_CheckBox(int checkBoxNr, bool checked);
  void receiveFromQml_SystemWindow_CheckBox(int checkBoxNr, bool checked);
  void receiveFromQml_BackupFile(int checkBoxNr, QString destinationPath);
  void receiveFromQml_Communication_ComPort(int comPortNr);
  void receiveFromQml_SetProgramStartEvent_CheckBox(int programStartNr, uint checkBoxNr, bool checked);
  void receiveFromQml_SetEmailEvent_CheckBox(int emailNr, uint checkBoxNr, bool checked);
  void receiveFromQml_SetEmailConfig(int emailNr, int textField, QString textValue);
  void receiveFromQml_SetEmailMessage(int emailNr, int textField, QString textValue);
  void receiveFromQml_SetProgramStartPath_FileDialog(QString programStartPath, int programStartNr);
  void receiveFromQml_SetProgramStartTest(int programStartNr);
  void receiveFromQml_DataBase_EventControl(int buttonNr, QString destinationPath);
  void receiveFromQml_SetProgramstartTimeConfig(int programStartNr, int textField, int value);

private slots:
  void SystemLoop();

public slots:
  // The UPS network server's switch ("enabled", "1" or "0"), "user" and "password". Declared after
  // the main loop's slot, which keeps its method index.
  void receiveFromQml_SetNutServer(QString name, QString value);
  // The e-mail page's test button of e-mail `emailNr` (0 or 1).
  void receiveFromQml_SendTestEmail(int emailNr);
  // The shutdown banner's cancel button.
  void receiveFromQml_CancelPcShutdown();

private:
  void runTickSteps();
  void runFullRefresh();
  void sendActionSettingsRecords();
  void runUserConfigStep();
  void runIdentificationStep();
  void refreshDateAndTime();
  void runInterpretationStep();
  void runStatusWindowStep();
  void runConnectionEventStep();
  void runParameterWindowStep();
  void runSignalOutputsStep();
  void runProductionWindowStep();
  void stopLink();
  void releaseDevice();
  void suspendForPcShutdown();
  void resumeAfterPcShutdown();
  void listAdapters();
  void startAdapterRefresh(const QString &model, const QString &firmwarePath, bool programRequested);
  void refreshWithFirmware(bool programRequested, const QString &firmwarePath);
  void updateFromPage();
  void finishPageUpdate(uint8_t linkBits);

public:
  EventControl_DataBaseModel *eventLogModel() const { return eventModel; }

  // The picture of a model, without choosing it (for a model the back end identified itself).
  Q_INVOKABLE QString devicePicture(const QString &modelName) const;
  // The UPS network server's settings and their texts, for the system page.
  Q_INVOKABLE QVariantMap nutServerState() const;

  // Replaces the application's database by a copy of `fileName` when that is a database of this
  // application and not the open file itself. `keepEventLog` carries the current log over.
  bool importDatabase(const QString &fileName, bool keepEventLog);

  QTimer mainTimer;
  // After a successful shutdown command: when it runs out with the program still running, the
  // PC did not go down, and the link and the loop resume.
  QTimer pcShutdownResumeTimer;
  SerialPort *serialPort = nullptr;
  Ups_DataBase *database = nullptr;
  EventControl_DataBaseModel *eventModel = nullptr;
  std::unique_ptr<MailOutbox> mailOutbox;
  NutServer *nutServer = nullptr; // serves the UPS to other machines when switched on

private:
  uint8_t linkFlagsBeforeShutdown = 0; // the user's port choice, for a PC that keeps running
};
