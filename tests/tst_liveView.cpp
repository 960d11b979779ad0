// The real window and back end against the simulator: what the pages show when the link ends
// (device silent, Disconnect, simulator gone and back) and when another model is plugged in.
#include "devices/currentDevice.h"
#include "realWindow.h"
#include "simulatorProcess.h"
#include "storage/eventControlModel.h"
#include "temporaryWorkingDirectory.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSqlQuery>
#include <QtTest>

#include <cstdio>

#include <memory>

namespace
{
const QString greyLamp = QStringLiteral("qrc:/images/led/led_grey.png");

// Every text shown by visible items below `item`.
void collectTexts(const QQuickItem *item, QStringList &texts)
{
  if (!item->isVisible() || item->opacity() <= 0.0)
    return;
  for (const char *property : {"text", "displayText", "title", "myTitle"}) {
    const QVariant value = item->property(property);
    if (value.isValid() && !value.toString().isEmpty())
      texts << value.toString();
  }
  for (const QQuickItem *child : item->childItems())
    collectTexts(child, texts);
}
} // namespace

class LiveViewTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<SimulatorProcess> simulator;
  std::unique_ptr<RealWindow> real;
  upsApp *app = nullptr;
  QQuickWindow *window = nullptr;
  QString devicePath; // the simulator's port, the same path whichever simulator runs

  // A simulator of `model` behind the fixed port path.
  void startSimulator(const QString &model)
  {
    simulator.reset();
    QFile::remove(devicePath);
    simulator = std::make_unique<SimulatorProcess>(QStringList{"--model", model, "--link", devicePath});
    QVERIFY(!simulator->ports.isEmpty());
  }

  QQuickItem *item(const QString &name)
  {
    QQuickItem *found = real->item(name);
    if (!found)
      qWarning() << "no item" << name;
    return found;
  }

  // The texts of page `index` and of the frame around the pages.
  QStringList pageTexts(int index)
  {
    [&] { QVERIFY(real->showPage(index)); }();
    auto *swipe = window->findChild<QQuickItem *>(QStringLiteral("idSwipeView"));
    QStringList texts;
    if (auto *page = swipe->property("currentItem").value<QQuickItem *>())
      collectTexts(page, texts);
    return texts;
  }

  QString shown(const QString &objectName)
  {
    QQuickItem *i = item(objectName);
    return i ? i->property("text").toString() : QString();
  }

  QStringList footLamps()
  {
    QStringList sources;
    for (const char *name : {"ledRed", "ledYellow", "ledGreen"})
      sources << item(QLatin1String(name))->property("source").toString();
    return sources;
  }

  QStringList loggedEvents()
  {
    EventControl_DataBaseModel *model = app->eventLogModel();
    QStringList events;
    for (int row = model->rowCount() - 1; row >= 0; --row)
      events << model->data(model->index(row, 0), EventControl_DataBaseModel::EventRole).toString();
    return events;
  }

  // A picture of page `index` for the eye, in the build's screenshot folder.
  void saveScreenshot(int index, const QString &name)
  {
    pageTexts(index);
    QVERIFY(real->saveScreenshot(QStringLiteral(SCREENSHOT_DIR), QStringLiteral("liveView_") + name));
  }

  bool live() const
  {
    const AppState &s = appState();
    return s.link.has(LinkFlag::deviceIdentified) && s.link.retryLevel == 0 &&
           s.ui.processData.masterOperationModus == QStringLiteral("Mains operation");
  }

  void waitUntilLive(const QString &model)
  {
    if (!QTest::qWaitFor([&] { return live() && currentCatalogueEntry(appState()).name == model; }, 30000)) {
      const AppState &s = appState();
      qWarning() << "link" << s.link.linkFlags << s.link.deviceStatusFlags << s.link.retryLevel << "model"
                 << currentCatalogueEntry(s).name << s.ui.processData.masterOperationModus
                 << s.ui.processData.textComPort;
      qWarning().noquote() << simulator->collect().mid(simulator->log.size() - 15).join('\n');
      QFAIL(qPrintable(model + " is not live"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(shown(QStringLiteral("footOperationMode")), QStringLiteral("Mains operation"),
                              5000);
  }

  // Every live indicator of the window says that there is no connection.
  void checkNoConnectionShown()
  {
    const QRegularExpression since(QStringLiteral("^No connection since \\d\\d:\\d\\d:\\d\\d$"));
    QTRY_VERIFY_WITH_TIMEOUT(since.match(shown(QStringLiteral("footOperationMode"))).hasMatch(), 10000);
    QCOMPARE(footLamps(), (QStringList{greyLamp, greyLamp, greyLamp}));
    for (const char *relay : {"relay14", "relay24", "relay34"}) {
      QQuickItem *r = item(QLatin1String(relay));
      QVERIFY(r->property("cause").toString().contains(QStringLiteral("Unknown")) || !r->isVisible());
    }
    const QStringList status = pageTexts(1);
    QVERIFY2(status.filter(since).size() >= 1, qPrintable(status.join('|')));
    QVERIFY2(status.filter(QStringLiteral("Mains operation")).isEmpty(), qPrintable(status.join('|')));
    QVERIFY2(status.filter(QRegularExpression(QStringLiteral("\\d\\.\\d V"))).isEmpty(),
             qPrintable(status.join('|')));
    // Said once on the page (the banner) and once in the foot bar, where the state list does not
    // repeat it; the temperature keeps its title and unit.
    QCOMPARE(status.filter(since).size(), 1);
    QVERIFY(!shown(QStringLiteral("footStatusText")).contains(QStringLiteral("No connection")));
    QVERIFY2(status.contains(QStringLiteral("-.- °C")), qPrintable(status.join('|')));
    auto *picture = item(QStringLiteral("masterPicture"));
    QVERIFY(picture->property("source").toString().isEmpty());
    pageTexts(2);
    QVERIFY(since.match(shown(QStringLiteral("currentStateNote"))).hasMatch());
    for (int row = 0; row < 14; ++row) {
      if (QQuickItem *lamp = findItem(window->contentItem(), QStringLiteral("signalLamp_%1").arg(row)))
        QVERIFY2(!lamp->property("active").toBool(), qPrintable(QString::number(row)));
    }
  }

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
  }

  void init()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    devicePath = workDir->path() + QStringLiteral("/ups");
    // Pictures outside the resources are looked up below the working directory.
    QVERIFY(QFile::link(QStringLiteral(TALVANE_BUILD_DIR "/app"), workDir->path() + QStringLiteral("/app")));
    real = std::make_unique<RealWindow>(QStringList{devicePath});
    app = real->app.get();
    window = real->window;
    QVERIFY(window);
  }

  void cleanup()
  {
    real.reset();
    simulator.reset();
    workDir.reset();
  }

  // However the link ends, every live indicator shows that there is no connection, and the log
  // says when; the device coming back is live again at once.
  void linkEndShowsNoConnection_data()
  {
    QTest::addColumn<QString>("cause");
    QTest::newRow("device silent") << "silent";
    QTest::newRow("Disconnect") << "disconnect";
    QTest::newRow("simulator gone and back") << "restart";
  }

  void linkEndShowsNoConnection()
  {
    QFETCH(QString, cause);
    startSimulator(QStringLiteral("VT-40A"));
    waitUntilLive(QStringLiteral("VT-40A"));
    QCOMPARE(footLamps().at(2), QStringLiteral("qrc:/images/led/led_green.png"));
    QTRY_VERIFY(loggedEvents().contains(QStringLiteral("Connected")));
    const int connectedRows = loggedEvents().count(QStringLiteral("Connected"));

    if (cause == "silent") {
      simulator->command(QStringLiteral("silent on"));
    } else if (cause == "disconnect") {
      pageTexts(9);
      QMetaObject::invokeMethod(item(QStringLiteral("connectButton")), "clicked");
    } else {
      simulator.reset();
    }
    checkNoConnectionShown();
    QTRY_COMPARE(loggedEvents().count(QStringLiteral("Disconnected")), 1);
    if (cause == "silent") {
      saveScreenshot(1, QStringLiteral("offline_status"));
      saveScreenshot(2, QStringLiteral("offline_event"));
      saveScreenshot(3, QStringLiteral("offline_parameter"));
    }

    if (cause == "silent")
      simulator->command(QStringLiteral("silent off"));
    else if (cause == "disconnect")
      QMetaObject::invokeMethod(item(QStringLiteral("connectButton")), "clicked");
    else
      startSimulator(QStringLiteral("VT-40A"));
    waitUntilLive(QStringLiteral("VT-40A"));
    QTRY_COMPARE(loggedEvents().count(QStringLiteral("Connected")), connectedRows + 1);
    QCOMPARE(footLamps().at(2), QStringLiteral("qrc:/images/led/led_green.png"));
    QCOMPARE(loggedEvents().count(QStringLiteral("Disconnected")), 1);
  }

  // Another model on the same port: every page that depends on the model follows it at once.
  void pagesFollowAnotherModel()
  {
    const QStringList models{"VT-40A", "VS-1700-0", "VK-10A-2U"};
    for (const QString &model : models) {
      startSimulator(model);
      waitUntilLive(model);
      const AppState &s = appState();
      const DeviceCatalogueEntry &entry = currentCatalogueEntry(s);
      QCOMPARE(entry.name, model);

      // Parameters: the model's own labels, nothing of the one before.
      const ParameterTexts &p = entry.parameter;
      QTRY_VERIFY_WITH_TIMEOUT(pageTexts(3).contains(p.limitsFrameLabel), 5000);
      const QStringList parameters = pageTexts(3);
      for (const QString &label : {p.bufferTimeMaxLabel, p.deepDischargeLabel, p.advancedSetting1Label})
        QCOMPARE(parameters.contains(label), !label.isEmpty());

      // Signal contacts: the model's event rows and relays.
      const QStringList contacts = pageTexts(4);
      for (const QString &row : entry.signalRowLabels)
        if (!row.isEmpty())
          QVERIFY2(contacts.contains(row), qPrintable(model + ": " + row));
      const int relays = int(!entry.relaySuffix14.trimmed().isEmpty()) +
                         int(!entry.relaySuffix24.trimmed().isEmpty()) +
                         int(!entry.relaySuffix34.trimmed().isEmpty());
      int footRelays = 0;
      for (const char *relay : {"relay14", "relay24", "relay34"})
        footRelays += item(QLatin1String(relay))->isVisible() ? 1 : 0;
      QCOMPARE(footRelays, relays);

      if (model != models.constFirst()) {
        saveScreenshot(1, model + QStringLiteral("_after_swap_status"));
        saveScreenshot(3, model + QStringLiteral("_after_swap_parameter"));
        saveScreenshot(4, model + QStringLiteral("_after_swap_signalContacts"));
      }

      // Overload page: the model's labels.
      const QStringList overload = pageTexts(6);
      if (!p.fuseLabel.isEmpty())
        QVERIFY2(overload.contains(p.fuseLabel), qPrintable(model));
      simulator.reset();
      checkNoConnectionShown();
    }
  }

  // Another device behind the same port name within a second (an adapter re-plugged) or another
  // model code while polling: the old device's link ends in the log, the new one is identified
  // afresh, and nothing it reports is read as the old model's.
  void anotherDeviceIsIdentifiedAfresh_data()
  {
    QTest::addColumn<bool>("replug");
    QTest::newRow("port re-plugged within a second") << true;
    QTest::newRow("model code changed while polling") << false;
  }
  void anotherDeviceIsIdentifiedAfresh()
  {
    QFETCH(bool, replug);
    startSimulator(QStringLiteral("VS-1700-0"));
    waitUntilLive(QStringLiteral("VS-1700-0"));
    QTRY_VERIFY(deviceEvents().contains(QStringLiteral("VS-1700-0|Connected")));
    const int before = deviceEvents().size();

    if (replug) {
      // The new device waits behind another name until the old one is gone, then takes its name.
      const QString next = devicePath + QStringLiteral(".next");
      auto replacement =
          std::make_unique<SimulatorProcess>(QStringList{"--model", "VK-10A-2U", "--link", next});
      QVERIFY(!replacement->ports.isEmpty());
      simulator.reset(); // its port closes under the program
      QCOMPARE(::rename(QFile::encodeName(next).constData(), QFile::encodeName(devicePath).constData()), 0);
      simulator = std::move(replacement);
    } else {
      simulator->command(QStringLiteral("model-code 0x000BA031")); // a VK-10A-2U's
    }
    const AppState &s = appState();
    QTRY_VERIFY_WITH_TIMEOUT(
        currentCatalogueEntry(s).name == QStringLiteral("VK-10A-2U") && s.link.deviceLive(), 30000);
    QTRY_VERIFY(deviceEvents().contains(QStringLiteral("VK-10A-2U|Connected")));
    const QStringList after = deviceEvents().mid(before);
    QCOMPARE(after.constFirst(), QStringLiteral("VS-1700-0|Disconnected"));
    QCOMPARE(after.filter(QRegularExpression(QStringLiteral("^VS-1700-0\\|"))).size(), 1);
    if (!replug)
      return;

    // The new device's status word is read with its own table.
    simulator->command(QStringLiteral("mode buffer"));
    QTRY_VERIFY_WITH_TIMEOUT(deviceEvents().contains(QStringLiteral("VK-10A-2U|Buffer operation")), 10000);
    QCOMPARE(deviceEvents().mid(before).filter(QRegularExpression(QStringLiteral("^VS-1700-0\\|"))).size(),
             1);
    QVERIFY(deviceEvents().filter(QStringLiteral("IPC shutdown")).isEmpty());
    saveScreenshot(1, QStringLiteral("replugged_status"));
  }

private:
  // The event log's rows as "device|event", oldest first.
  static QStringList deviceEvents()
  {
    QSqlQuery query(QSqlDatabase::database());
    query.exec(QStringLiteral("SELECT device, event FROM EventsTable ORDER BY id"));
    QStringList rows;
    while (query.next())
      rows << query.value(0).toString() + QLatin1Char('|') + query.value(1).toString();
    return rows;
  }
};

QTEST_MAIN(LiveViewTest)

#include "tst_liveView.moc"
