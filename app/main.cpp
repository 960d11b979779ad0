#include "appState.h"
#include "firmwareCommandLine.h"
#include "qmlContext.h"
#include "quitOnSignal.h"
#include "upsApp.h"

#include "common/logging.h"
#include "service/ftdiAdapter.h"
#include "storage/eventControlModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>

#include <ctime>

namespace
{
// Reports the time to the first rendered frame (enable with QT_LOGGING_RULES=talvane.startup.info=true).
void reportFirstFrame(QQmlApplicationEngine &engine, const QElapsedTimer &sinceStart)
{
  for (QObject *root : engine.rootObjects()) {
    if (auto *window = qobject_cast<QQuickWindow *>(root)) {
      QObject::connect(window, &QQuickWindow::frameSwapped, window, [sinceStart, reported = false]() mutable {
        if (!reported)
          qCInfo(lcStartup, "first frame after %lld ms (%ld ms of CPU)",
                 static_cast<long long>(sinceStart.elapsed()),
                 static_cast<long>(std::clock() * 1000 / CLOCKS_PER_SEC));
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
  // The production line's firmware commands run without a window, and so without a display.
  if (wantsFirmwareCommand(argc, argv))
    return runFirmwareCommand(argc, argv);
  // QApplication, not QGuiApplication: the tray icon and closing all windows need the widgets module.
  QApplication application(argc, argv);
  // Names for the per-user folders and for the settings that the file dialogs keep.
  QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
  QCoreApplication::setOrganizationDomain(QStringLiteral("norvex.example"));
  QCoreApplication::setApplicationName(QStringLiteral("Talvane"));
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
  const QCommandLineOption pageOption(
      QStringLiteral("page"),
      QStringLiteral("Opens the window on a page: start (default), status, event, system or info."),
      QStringLiteral("name"));
  options.addOption(pageOption);
  addFirmwareOptions(options);
  options.process(application);

  AppState &s = appState();
  if (options.isSet(QStringLiteral("adapter-socket")))
    setSimulatedAdapterSocket(options.value(QStringLiteral("adapter-socket")));
  s.scan.extraPorts = options.values(serialPortOption);
  fillCompanyData(s.ui.companyData, s.vendor, QCoreApplication::applicationDirPath());
  QApplication::setWindowIcon(QIcon(s.ui.companyData.logo));

  QQmlApplicationEngine engine;
  upsApp app;

  publishQmlContext(engine, &app, app.eventLogModel());
  engine.rootContext()->setContextProperty(QStringLiteral("startPageName"), options.value(pageOption));

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
