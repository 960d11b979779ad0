// Keeps the window's context properties of the records (processData, statusWindow, ...) at the
// newest copy sent, so that a page built when first opened starts from the current state instead
// of the state at start-up.
#pragma once

#include "common/uiRecords.h"

#include <QObject>
#include <QQmlContext>
#include <QVariant>

class RecordMirror : public QObject
{
  Q_OBJECT

public:
  // Follows the sendToQml_* signals of `sender` (the application object, or a stand-in in tests).
  RecordMirror(QObject *sender, QQmlContext *context);

public slots:
  void processData(const ProcessData &r) { mirror("processData", r); }
  void statusWindow(const StatusWindowStruct &r) { mirror("statusWindow", r); }
  void signalOutputs(const SignalOutputsStruct &r) { mirror("signalOutputs", r); }
  void parameterWindow(const DeviceParameterStruct &r) { mirror("parameterWindow", r); }
  void ipcWindow(const IpcSettingStruct &r) { mirror("ipcWindow", r); }
  void startWindow(const StartWindowStruct &r) { mirror("startWindow", r); }
  void mainWindow(const MainWindowStruct &r) { mirror("mainWindow", r); }
  void systemWindow(const SystemWindowStruct &r) { mirror("systemWindow", r); }
  void shutdownWindow(const PcShutdownStruct &r) { mirror("shutdownWindow", r); }
  void programstartWindow(const ProgramstartWindowStruct &r) { mirror("programstartWindow", r); }
  void emailWindow(const EmailWindowStruct &r) { mirror("emailWindow", r); }
  void productionWindow(const ProductionWindowStruct &r) { mirror("productionWindow", r); }

private:
  template <typename Record> void mirror(const char *name, const Record &r)
  {
    context->setContextProperty(QLatin1String(name), QVariant::fromValue(r));
  }

  QQmlContext *context;
};
