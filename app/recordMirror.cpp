#include "recordMirror.h"

RecordMirror::RecordMirror(QObject *sender, QQmlContext *context) : QObject(context), context(context)
{
  connect(sender, SIGNAL(sendToQml_ProcessData(ProcessData)), this, SLOT(processData(ProcessData)));
  connect(sender, SIGNAL(sendToQml_StatusWindow(StatusWindowStruct)), this,
          SLOT(statusWindow(StatusWindowStruct)));
  connect(sender, SIGNAL(sendToQml_SignalOutputs(SignalOutputsStruct)), this,
          SLOT(signalOutputs(SignalOutputsStruct)));
  connect(sender, SIGNAL(sendToQml_Parameter(DeviceParameterStruct)), this,
          SLOT(parameterWindow(DeviceParameterStruct)));
  connect(sender, SIGNAL(sendToQml_ipcWindow(IpcSettingStruct)), this, SLOT(ipcWindow(IpcSettingStruct)));
  connect(sender, SIGNAL(sendToQml_StartWindow(StartWindowStruct)), this,
          SLOT(startWindow(StartWindowStruct)));
  connect(sender, SIGNAL(sendToQml_mainWindow(MainWindowStruct)), this, SLOT(mainWindow(MainWindowStruct)));
  connect(sender, SIGNAL(sendToQml_SystemWindow(SystemWindowStruct)), this,
          SLOT(systemWindow(SystemWindowStruct)));
  connect(sender, SIGNAL(sendToQml_ShutdownWindow(PcShutdownStruct)), this,
          SLOT(shutdownWindow(PcShutdownStruct)));
  connect(sender, SIGNAL(sendToQml_ProgramstartWindow(ProgramstartWindowStruct)), this,
          SLOT(programstartWindow(ProgramstartWindowStruct)));
  connect(sender, SIGNAL(sendToQml_EmailWindow(EmailWindowStruct)), this,
          SLOT(emailWindow(EmailWindowStruct)));
  connect(sender, SIGNAL(sendToQml_ProductionWindow(ProductionWindowStruct)), this,
          SLOT(productionWindow(ProductionWindowStruct)));
}
