#include "appState.h"
#include "logging.h"
#include "loopHooks.h"
#include "quitOnSignal.h"
#include "upsApp.h"

#include "devices/currentDevice.h"
#include "storage/eventControlModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSystemTrayIcon>
#include <QtQml>

namespace
{
template <typename Record>
void publishRecord(QQmlContext *context, const char *typeName, const QString &name, const Record &record)
{
  qRegisterMetaType<Record>(typeName);
  context->setContextProperty(name, QVariant::fromValue(record));
}

// Reports the time to the first rendered frame (enable with QT_LOGGING_RULES=talvane.startup.info=true).
void reportFirstFrame(QQmlApplicationEngine &engine, const QElapsedTimer &sinceStart)
{
  for (QObject *root : engine.rootObjects()) {
    if (auto *window = qobject_cast<QQuickWindow *>(root)) {
      QObject::connect(window, &QQuickWindow::frameSwapped, window, [sinceStart, reported = false]() mutable {
        if (!reported)
          qCInfo(lcStartup) << "first frame after" << sinceStart.elapsed() << "ms";
        reported = true;
      });
    }
  }
}
} // namespace

int main(int argc, char *argv[])
{
  QElapsedTimer sinceStart;
  sinceStart.start();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
  QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
#endif
  // QApplication, not QGuiApplication: the tray icon and closing all windows need the widgets module.
  QApplication application(argc, argv);
  QuitOnSignal quitOnSignal;

  QCommandLineParser options;
  options.setApplicationDescription(QStringLiteral("Configures and monitors Norvex DC UPS devices."));
  options.addHelpOption();
  const QCommandLineOption serialPortOption(
      QStringLiteral("serial-port"),
      QStringLiteral(
          "Adds a serial port that the system does not list (e.g. a pseudo-terminal); repeatable."),
      QStringLiteral("path"));
  options.addOption(serialPortOption);
  options.process(application);

  AppState &s = appState();
  s.scan.extraPorts = options.values(serialPortOption);
  fillCompanyData(s.ui.companyData, s.vendor, QCoreApplication::applicationDirPath());
  QApplication::setWindowIcon(QIcon(s.ui.companyData.logo));

  QQmlApplicationEngine engine;
  upsApp app;

  QQmlContext *context = engine.rootContext();
  context->setContextProperty(QStringLiteral("cppClass"), &app);
  publishRecord(context, "SignalOutputsStruct", QStringLiteral("signalOutputs"), s.ui.signalOutputs);
  publishRecord(context, "DeviceParameterStruct", QStringLiteral("parameterWindow"), s.ui.parameterWindow);
  publishRecord(context, "ProgramstartWindowStruct", QStringLiteral("programstartWindow"),
                s.ui.programstartWindow);
  publishRecord(context, "StartWindowStruct", QStringLiteral("startWindow"), s.ui.startWindow);
  publishRecord(context, "IpcSettingStruct", QStringLiteral("ipcWindow"), s.ui.ipcWindow);
  publishRecord(context, "MainWindowStruct", QStringLiteral("mainWindow"), s.ui.mainWindow);
  publishRecord(context, "ProcessData", QStringLiteral("processData"), s.ui.processData);
  publishRecord(context, "PcShutdownStruct", QStringLiteral("shutdownWindow"), s.ui.shutdownWindow);
  publishRecord(context, "StatusWindowStruct", QStringLiteral("statusWindow"), s.ui.statusWindow);
  publishRecord(context, "SystemWindowStruct", QStringLiteral("systemWindow"), s.ui.systemWindow);
  context->setContextProperty(QStringLiteral("applicationDirPath"), QCoreApplication::applicationDirPath());
  publishRecord(context, "CompanyDataStruct", QStringLiteral("companyData"), s.ui.companyData);

  rebuildDeviceCatalogue(s);
  QStringList devices{languageText(s.language, 19)};
  devices << selectableModelNames(s.catalogue);
  context->setContextProperty(QStringLiteral("devList"), devices);
  context->setContextProperty(QStringLiteral("langList"), languageNames(s.language));
  context->setContextProperty(QStringLiteral("qmlDataBaseModel"),
                              static_cast<QObject *>(app.eventLogModel()));

  qmlRegisterType<QSystemTrayIcon>("QSystemTrayIcon", 1, 0, "QSystemTrayIcon");
  qRegisterMetaType<QSystemTrayIcon::ActivationReason>("ActivationReason");
  context->setContextProperty(QStringLiteral("iconTray"), QIcon(s.ui.companyData.logo));

  engine.load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
  int result = -1;
  if (!engine.rootObjects().isEmpty()) {
    qCInfo(lcStartup) << "window loaded after" << sinceStart.elapsed() << "ms";
    reportFirstFrame(engine, sinceStart);
    result = QApplication::exec();
  }
  qCInfo(lcStartup) << "main loop ran" << s.loop.tickCount << "ticks";
  return result;
}
