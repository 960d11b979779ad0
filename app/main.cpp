#include "appState.h"
#include "qmlContext.h"
#include "quitOnSignal.h"
#include "upsApp.h"

#include "common/logging.h"
#include "storage/eventControlModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

namespace
{
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
  const QCommandLineOption nutServerOption(
      QStringLiteral("nut-server"),
      QStringLiteral("Serves the UPS to other machines over the network UPS protocol for this run."));
  options.addOption(nutServerOption);
  const QCommandLineOption nutAddressOption(
      QStringLiteral("nut-address"),
      QStringLiteral("The address the UPS network server listens on (default 127.0.0.1)."),
      QStringLiteral("address"));
  options.addOption(nutAddressOption);
  const QCommandLineOption nutPortOption(QStringLiteral("nut-port"),
                                         QStringLiteral("The port of the UPS network server (default 3493)."),
                                         QStringLiteral("port"));
  options.addOption(nutPortOption);
  options.process(application);

  AppState &s = appState();
  s.scan.extraPorts = options.values(serialPortOption);
  s.nut.commandLineOn = options.isSet(nutServerOption);
  s.nut.commandLineAddress = options.value(nutAddressOption);
  s.nut.commandLinePort = static_cast<quint16>(options.value(nutPortOption).toUInt());
  fillCompanyData(s.ui.companyData, s.vendor, QCoreApplication::applicationDirPath());
  QApplication::setWindowIcon(QIcon(s.ui.companyData.logo));

  QQmlApplicationEngine engine;
  upsApp app;

  publishQmlContext(engine, &app, app.eventLogModel());

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
