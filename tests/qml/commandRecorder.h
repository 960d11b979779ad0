// Stands in for the application object in the window tests: it offers the commands the pages call
// and records each call as "name(arg,arg,...)", and it sends records to the pages on request.
#pragma once

#include "common/uiRecords.h"

#include <QMetaProperty>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class CommandRecorder : public QObject
{
  Q_OBJECT
  Q_PROPERTY(QStringList calls READ calls NOTIFY callsChanged)
  Q_PROPERTY(QString devicesImage MEMBER devicesImage)

public:
  QStringList calls() const { return recorded; }
  QString devicesImage = QStringLiteral("qrc:/images/devices/device.png");

  // The last recorded call whose name starts with `prefix`, or "" when there is none.
  Q_INVOKABLE QString lastCall(const QString &prefix) const
  {
    for (int i = recorded.size() - 1; i >= 0; --i)
      if (recorded.at(i).startsWith(prefix))
        return recorded.at(i);
    return {};
  }
  Q_INVOKABLE QString devicePicture(const QString &) const { return devicesImage; }
  QVariantMap nutServer{{QStringLiteral("enabled"), false},
                        {QStringLiteral("user"), QStringLiteral("monuser")},
                        {QStringLiteral("password"), QString()},
                        {QStringLiteral("switchText"), QStringLiteral("Serve the UPS")},
                        {QStringLiteral("userText"), QStringLiteral("User name")},
                        {QStringLiteral("passwordText"), QStringLiteral("Password")}};
  Q_INVOKABLE QVariantMap nutServerState() const { return nutServer; }
  Q_INVOKABLE void clear()
  {
    recorded.clear();
    emit callsChanged();
  }

  // Sends a default record of the named signal with `values` written into it.
  Q_INVOKABLE void send(const QString &signalName, const QVariantMap &values)
  {
    if (signalName == QLatin1String("sendToQml_ProcessData"))
      emit sendToQml_ProcessData(filled<ProcessData>(values));
    else if (signalName == QLatin1String("sendToQml_StartWindow"))
      emit sendToQml_StartWindow(filled<StartWindowStruct>(values));
    else if (signalName == QLatin1String("sendToQml_mainWindow"))
      emit sendToQml_mainWindow(filled<MainWindowStruct>(values));
    else if (signalName == QLatin1String("sendToQml_SystemWindow"))
      emit sendToQml_SystemWindow(filled<SystemWindowStruct>(values));
    else if (signalName == QLatin1String("sendToQml_SignalOutputs"))
      emit sendToQml_SignalOutputs(filled<SignalOutputsStruct>(values));
    else if (signalName == QLatin1String("sendToQml_Parameter"))
      emit sendToQml_Parameter(filled<DeviceParameterStruct>(values));
    else if (signalName == QLatin1String("sendToQml_ipcWindow"))
      emit sendToQml_ipcWindow(filled<IpcSettingStruct>(values));
    else if (signalName == QLatin1String("sendToQml_StatusWindow"))
      emit sendToQml_StatusWindow(filled<StatusWindowStruct>(values));
    else if (signalName == QLatin1String("sendToQml_ShutdownWindow"))
      emit sendToQml_ShutdownWindow(filled<PcShutdownStruct>(values));
    else if (signalName == QLatin1String("sendToQml_ProgramstartWindow"))
      emit sendToQml_ProgramstartWindow(filled<ProgramstartWindowStruct>(values));
    else if (signalName == QLatin1String("sendToQml_EmailWindow"))
      emit sendToQml_EmailWindow(filled<EmailWindowStruct>(values));
    else if (signalName == QLatin1String("sendToQml_ProductionWindow"))
      emit sendToQml_ProductionWindow(filled<ProductionWindowStruct>(values));
    else
      qWarning("CommandRecorder: unknown signal %s", qPrintable(signalName));
  }

signals:
  void callsChanged();
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
  void receiveFromQml_SetGetSetting(int a) { record("SetGetSetting", a); }
  QString receiveFromQml_GetDevicesImage(QString a)
  {
    record("GetDevicesImage", a);
    return devicesImage;
  }
  void receiveFromQml_GetSignalOutputs(int a) { record("GetSignalOutputs", a); }
  void receiveFromQml_GetParameter(int a) { record("GetParameter", a); }
  void receiveFromQml_ReloadLanguage(int a) { record("ReloadLanguage", a); }
  void receiveFromQml_setTemperatureUnit(QString a, int b) { record("setTemperatureUnit", a, b); }
  void receiveFromQml_SetSignalOut(int a, bool b, int c) { record("SetSignalOut", a, b, c); }
  void receiveFromQml_SetOverloadBehavior_ButtonClick(int a) { record("SetOverloadBehavior_ButtonClick", a); }
  void receiveFromQml_Production_Row(int a, QString b, QString c, QString d, QString e, QString f, QString g,
                                     QString h)
  {
    record("Production_Row", a, b, c, d, e, f, g, h);
  }
  void receiveFromQml_SetLimitsList_ComboBox(int a, QString b) { record("SetLimitsList_ComboBox", a, b); }
  void receiveFromQml_ParameterSetLimitsList_TextBox(int a, QString b)
  {
    record("ParameterSetLimitsList_TextBox", a, b);
  }
  void receiveFromQml_SetManagementList_ComboBox(int a, QString b)
  {
    record("SetManagementList_ComboBox", a, b);
  }
  void receiveFromQml_IpcPage_CheckBox(int a, bool b) { record("IpcPage_CheckBox", a, b); }
  void receiveFromQml_SetManagement_CheckBox(int a, bool b) { record("SetManagement_CheckBox", a, b); }
  void receiveFromQml_SetOverloadBehavior_CheckBox(int a, bool b)
  {
    record("SetOverloadBehavior_CheckBox", a, b);
  }
  void receiveFromQml_SetBufferTime(QString a) { record("SetBufferTime", a); }
  void receiveFromQml_SetIpcTime(int a, QString b) { record("SetIpcTime", a, b); }
  void receiveFromQml_SetOverloadList_ComboBox(int a, QString b) { record("SetOverloadList_ComboBox", a, b); }
  void receiveFromQml_SetOverload_CheckBox(int a, bool b) { record("SetOverload_CheckBox", a, b); }
  void receiveFromQml_SystemWindow_CheckBox(int a, bool b) { record("SystemWindow_CheckBox", a, b); }
  void receiveFromQml_BackupFile(int a, QString b) { record("BackupFile", a, b); }
  void receiveFromQml_Communication_ComPort(int a) { record("Communication_ComPort", a); }
  void receiveFromQml_SetProgramStartEvent_CheckBox(int a, uint b, bool c)
  {
    record("SetProgramStartEvent_CheckBox", a, b, c);
  }
  void receiveFromQml_SetEmailEvent_CheckBox(int a, uint b, bool c)
  {
    record("SetEmailEvent_CheckBox", a, b, c);
  }
  void receiveFromQml_SetEmailConfig(int a, int b, QString c) { record("SetEmailConfig", a, b, c); }
  void receiveFromQml_SetEmailMessage(int a, int b, QString c) { record("SetEmailMessage", a, b, c); }
  void receiveFromQml_SetProgramStartPath_FileDialog(QString a, int b)
  {
    record("SetProgramStartPath_FileDialog", a, b);
  }
  void receiveFromQml_SetProgramStartTest(int a) { record("SetProgramStartTest", a); }
  void receiveFromQml_SetNutServer(QString a, QString b) { record("SetNutServer", a, b); }
  void receiveFromQml_SendTestEmail(int a) { record("SendTestEmail", a); }
  void receiveFromQml_CancelPcShutdown() { record("CancelPcShutdown"); }
  void receiveFromQml_DataBase_EventControl(int a, QString b) { record("DataBase_EventControl", a, b); }
  void receiveFromQml_SetProgramstartTimeConfig(int a, int b, int c)
  {
    record("SetProgramstartTimeConfig", a, b, c);
  }

private:
  template <typename... Args> void record(const char *name, const Args &...args)
  {
    QStringList parts{QVariant(args).toString()...};
    recorded << QString::fromLatin1(name) + QLatin1Char('(') + parts.join(QLatin1Char(',')) +
                    QLatin1Char(')');
    emit callsChanged();
  }

  template <typename Record> static Record filled(const QVariantMap &values)
  {
    Record r{};
    const QMetaObject &meta = Record::staticMetaObject;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
      const int index = meta.indexOfProperty(it.key().toLatin1().constData());
      if (index < 0)
        qWarning("CommandRecorder: %s has no property %s", meta.className(), qPrintable(it.key()));
      else
        meta.property(index).writeOnGadget(&r, it.value());
    }
    return r;
  }

  QStringList recorded;
};
