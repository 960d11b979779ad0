#include "appState.h"
#include "commandLine.h"
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
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>

#include <ctime>
#include <memory>

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

  const CommandLine line = parseCommandLine(*application);
  if (!line.dataFolder.isEmpty()) {
    const QString error = enterDataFolder(line.dataFolder);
    if (!error.isEmpty()) {
      qCritical().noquote() << error;
      return 1;
    }
  }

  AppState &s = appState();
  if (!line.adapterSocket.isEmpty())
    setSimulatedAdapterSocket(line.adapterSocket);
  s.scan.extraPorts = line.extraPorts;
  s.loop.unattended = headless;
  s.nut.commandLineOn = line.nutServer;
  s.nut.commandLineAddress = line.nutAddress;
  s.nut.commandLinePort = line.nutPort;
  fillCompanyData(s.ui.companyData, s.vendor, QCoreApplication::applicationDirPath());

  // The back end, with everything it wires, is the same with and without the window.
  upsApp app;
  if (!line.importFile.isEmpty() && !app.importDatabase(line.importFile, false)) {
    qCritical().noquote() << "cannot import the database" << line.importFile;
    return 1;
  }

  int result = 0;
  if (headless) {
    qCInfo(lcStartup) << "running without window in" << QDir::currentPath();
    result = QCoreApplication::exec();
  } else {
    result = runWindow(app, sinceStart, line.startPage);
  }
  qCInfo(lcStartup) << "main loop ran" << s.loop.tickCount << "ticks";
  return result;
}
