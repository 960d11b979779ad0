#include "appState.h"
#include "dataFolder.h"
#include "firmwareCommandLine.h"
#include "journalLog.h"
#include "qmlContext.h"
#include "quitOnSignal.h"
#include "upsApp.h"

#include "common/logging.h"
#include "service/ftdiAdapter.h"
#include "storage/eventControlModel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>

#include <cstring>
#include <ctime>
#include <memory>

namespace
{
const char headlessFlag[] = "--headless";

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

// The kind of application object has to be chosen before the options can be parsed.
bool headlessRequested(int argc, char *argv[])
{
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], headlessFlag) == 0)
      return true;
  }
  return false;
}

// The window on top of the back end; returns the exit code of the event loop.
int runWindow(upsApp &app, const QElapsedTimer &sinceStart, const QString &startPage)
{
  QApplication::setWindowIcon(QIcon(appState().ui.companyData.logo));
  QQmlApplicationEngine engine;
  publishQmlContext(engine, &app, app.eventLogModel());
  engine.rootContext()->setContextProperty(QStringLiteral("startPageName"), startPage);
  engine.load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
  if (engine.rootObjects().isEmpty())
    return -1;
  qCInfo(lcStartup) << "window loaded after" << sinceStart.elapsed() << "ms";
  reportFirstFrame(engine, sinceStart);
  return QApplication::exec();
}
} // namespace

int main(int argc, char *argv[])
{
  QElapsedTimer sinceStart;
  sinceStart.start();
  const bool headless = headlessRequested(argc, argv);
  if (headless)
    logToStandardError();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
  QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
#endif
  // The production line's firmware commands run without a window, and so without a display.
  if (wantsFirmwareCommand(argc, argv))
    return runFirmwareCommand(argc, argv);
  // QApplication, not QGuiApplication: the tray icon and closing all windows need the widgets
  // module. Without a window no GUI is loaded at all.
  std::unique_ptr<QCoreApplication> application;
  if (headless)
    application = std::make_unique<QCoreApplication>(argc, argv);
  else
    application = std::make_unique<QApplication>(argc, argv);
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
  const QCommandLineOption headlessOption(
      QString::fromLatin1(headlessFlag + 2),
      QStringLiteral("Runs without window as a service: monitoring, event log, e-mails, program starts and "
                     "PC shutdown with the stored settings; events and failures go to the standard error."));
  options.addOption(headlessOption);
  const QCommandLineOption dataFolderOption(
      QStringLiteral("data-folder"),
      QStringLiteral("Keeps the database in <folder> (created, owner-only, when missing) and works there."),
      QStringLiteral("folder"));
  options.addOption(dataFolderOption);
  const QCommandLineOption userDataOption(
      QStringLiteral("user-data"),
      QStringLiteral("Uses the user's application data folder as the data folder."));
  options.addOption(userDataOption);
  const QCommandLineOption importOption(
      QStringLiteral("import-database"),
      QStringLiteral("Replaces the database of the data folder by a copy of <file> (one set up with the "
                     "window elsewhere) before starting."),
      QStringLiteral("file"));
  options.addOption(importOption);
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
  options.process(*application);

  const QString dataFolder = options.isSet(dataFolderOption) ? options.value(dataFolderOption)
                             : options.isSet(userDataOption) ? userDataFolder()
                                                             : QString();
  if (!dataFolder.isEmpty()) {
    const QString error = enterDataFolder(dataFolder);
    if (!error.isEmpty()) {
      qCritical().noquote() << error;
      return 1;
    }
  }

  AppState &s = appState();
  if (options.isSet(QStringLiteral("adapter-socket")))
    setSimulatedAdapterSocket(options.value(QStringLiteral("adapter-socket")));
  s.scan.extraPorts = options.values(serialPortOption);
  s.loop.unattended = headless;
  s.nut.commandLineOn = options.isSet(nutServerOption);
  s.nut.commandLineAddress = options.value(nutAddressOption);
  s.nut.commandLinePort = static_cast<quint16>(options.value(nutPortOption).toUInt());
  fillCompanyData(s.ui.companyData, s.vendor, QCoreApplication::applicationDirPath());

  // The back end, with everything it wires, is the same with and without the window.
  upsApp app;
  if (options.isSet(importOption) && !app.importDatabase(options.value(importOption), false)) {
    qCritical().noquote() << "cannot import the database" << options.value(importOption);
    return 1;
  }

  int result = 0;
  if (headless) {
    qCInfo(lcStartup) << "running without window in" << QDir::currentPath();
    result = QCoreApplication::exec();
  } else {
    result = runWindow(app, sinceStart, options.value(pageOption));
  }
  qCInfo(lcStartup) << "main loop ran" << s.loop.tickCount << "ticks";
  return result;
}
