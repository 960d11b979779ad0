// The production page end to end: a production build (switched on by the settings file in the
// user's configuration folder) drives the real window against the device simulator: identity
// numbers written and read back, a calibration step acknowledged and logged; pictures of the
// page in English and German.
#include "bootloaderSimulatorProcess.h"
#include "realWindow.h"
#include "service/simulatedAdapter.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QtTest>

#include <memory>

class ProductionPageTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<SimulatorProcess> simulator;
  std::unique_ptr<BootloaderSimulatorProcess> adapterSimulator;
  std::unique_ptr<RealWindow> real;
  QQuickWindow *window = nullptr;

  QQuickItem *item(const QString &name, QQuickItem *below = nullptr)
  {
    QQuickItem *found = findItem(below ? below : window->contentItem(), name);
    if (!found)
      qWarning() << "no item" << name;
    return found;
  }

  void click(QQuickItem *button) { QMetaObject::invokeMethod(button, "clicked"); }

  // A number typed into a row's field and saved with the row's button.
  void saveNumber(const QString &rowName, const QString &number)
  {
    QQuickItem *row = item(rowName);
    item(QStringLiteral("valueField"), row)->setProperty("text", number);
    click(item(QStringLiteral("saveButton"), row));
  }

  QString rowLabel(const QString &rowName)
  {
    QQuickItem *row = item(rowName);
    return row->childItems().constFirst()->property("text").toString();
  }

  // Shows the production page and waits until the swipe view has come to rest on it.
  void showProductionPage()
  {
    QVERIFY(real->showPage(11));
    window->resize(1280, 1000); // the whole page, calibration log included
    auto *swipe = window->findChild<QQuickItem *>(QStringLiteral("idSwipeView"));
    auto *list = swipe->property("contentItem").value<QQuickItem *>();
    QTRY_VERIFY(qAbs(list->property("contentX").toReal() - 11 * list->width()) < 0.5);
  }

  // A picture of the page once a frame with the current state has been drawn.
  void savePicture(const QString &name)
  {
    showProductionPage();
    QSignalSpy drawn(window, &QQuickWindow::frameSwapped);
    window->update();
    QTRY_VERIFY(drawn.count() > 0);
    const QString folder = QStringLiteral(SCREENSHOT_DIR);
    QDir().mkpath(folder);
    QVERIFY(window->screen()
                ->grabWindow(window->winId())
                .save(folder + QStringLiteral("/production_%1.png").arg(name)));
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
    QVERIFY(QFile::link(QStringLiteral(TALVANE_BUILD_DIR "/app"), workDir->path() + QStringLiteral("/app")));
    // The program folder holds no settings file: the one in the configuration folder counts.
    const QString config = workDir->path() + QStringLiteral("/config");
    QVERIFY(QDir().mkpath(config + QStringLiteral("/talvane")));
    QFile settings(config + QStringLiteral("/talvane/specialSettings.txt"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("- production build\n255:100\n");
    settings.close();
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
  }

  // The device simulator of `model` and the window on its port.
  void startWindow(const QString &model)
  {
    const QString devicePath = workDir->path() + QStringLiteral("/ups");
    simulator = std::make_unique<SimulatorProcess>(
        QStringList{"--model", model, "--sub-devices", "1", "--link", devicePath});
    QVERIFY(!simulator->ports.isEmpty());
    real = std::make_unique<RealWindow>(QStringList{devicePath});
    window = real->window;
    QVERIFY(window);
    QVERIFY(appState().ui.processData.production_version);
    AppState &s = appState();
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified) && s.requests.subDevicePassDone, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(currentCatalogueEntry(s).name, model, 10000);
    showProductionPage();
  }

  void cleanup()
  {
    real.reset();
    simulator.reset();
    adapterSimulator.reset();
    setSimulatedAdapterSocket(QString());
    workDir.reset();
    qunsetenv("XDG_CONFIG_HOME");
  }

  void identityAndCalibration()
  {
    startWindow(QStringLiteral("VT-40A"));
    AppState &s = appState();

    // Serial and batch number of the master, then of the storage module.
    saveNumber(QStringLiteral("serialNumberRow"), QStringLiteral("1234567"));
    QTRY_VERIFY_WITH_TIMEOUT(
        !simulator->matching(QStringLiteral("^WRITE 4=1234567 sub=0 cmd=4 arg=10$")).isEmpty(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(rowLabel(QStringLiteral("serialNumberRow")),
                              QStringLiteral("Seriennummer: 1234567"), 10000);
    saveNumber(QStringLiteral("batchNumberRow"), QStringLiteral("4711"));
    QTRY_COMPARE_WITH_TIMEOUT(rowLabel(QStringLiteral("batchNumberRow")), QStringLiteral("FA-Nummer: 4711"),
                              10000);

    item(QStringLiteral("slaveIndexSpinBox"))->setProperty("value", 1);
    click(item(QStringLiteral("slaveIndexWriteButton")));
    QTRY_COMPARE(s.ui.productionWindow.slaveID, 1);
    saveNumber(QStringLiteral("serialNumberRow"), QStringLiteral("900001"));
    QTRY_VERIFY_WITH_TIMEOUT(
        !simulator->matching(QStringLiteral("^WRITE 4=900001 sub=1 cmd=4 arg=10$")).isEmpty(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(rowLabel(QStringLiteral("serialNumberRow")),
                              QStringLiteral("Seriennummer: 900001"), 10000);

    // Calibration of the battery voltage: chosen, started, acknowledged, value sent, logged.
    QQuickItem *combo = item(QStringLiteral("calibrationCommandCombo"));
    QTRY_VERIFY(combo->property("count").toInt() == 6);
    combo->setProperty("currentIndex", 1);
    QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, 1));
    QTRY_COMPARE(s.ui.productionWindow.calibrationCommandsInfo,
                 QStringLiteral("Range: 23V-25V -> 2300-2500"));
    click(item(QStringLiteral("calibrationStartButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!simulator->matching(QStringLiteral("^CALIB A1 01 00 00$")).isEmpty(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(item(QStringLiteral("calibrationResponse"))->property("text").toString(),
                              QStringLiteral("OK"), 10000);
    item(QStringLiteral("calibrationReferenceField"))->setProperty("text", QStringLiteral("2400"));
    click(item(QStringLiteral("calibrationCalibrateButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!simulator->matching(QStringLiteral("^CALIB A1 10 09 60$")).isEmpty(), 10000);
    QTRY_COMPARE(item(QStringLiteral("calibrationLog"))->property("text").toString(),
                 QStringLiteral("Battery Voltage is calibrated."));

    savePicture(QStringLiteral("en"));
    // The page's texts follow the language: the serial number field's hint changes.
    QQuickItem *serialField = item(QStringLiteral("valueField"), item(QStringLiteral("serialNumberRow")));
    const QString englishHint = serialField->property("placeholderText").toString();
    QVERIFY(!englishHint.isEmpty());
    real->app->receiveFromQml_ReloadLanguage(
        0); // the first report, which the page makes on loading, is ignored
    real->app->receiveFromQml_ReloadLanguage(1);
    QTRY_COMPARE(s.ui.processData.currentLanguageNr, 1);
    QTRY_VERIFY(serialField->property("placeholderText").toString() != englishHint);
    QTRY_COMPARE(item(QStringLiteral("footOperationMode"))->property("text").toString(),
                 QStringLiteral("Netzbetrieb"));
    savePicture(QStringLiteral("de"));
    real->app->receiveFromQml_ReloadLanguage(0); // a stored German choice does not outlive the test
  }

  // A new adapter is listed, programmed for the model through the automatic flashing and comes
  // back under the model's name; the image is written with the progress shown, and written
  // again with the plain flash button.
  void adapterProgrammingAndFirmwareUpdate()
  {
    adapterSimulator = std::make_unique<BootloaderSimulatorProcess>(
        QStringList{"--description", "FT230X Basic UART", "--manufacturer", "FTDI"});
    QVERIFY(!adapterSimulator->address.isEmpty());
    setSimulatedAdapterSocket(adapterSimulator->address);
    startWindow(QStringLiteral("VK-10A-2U"));
    AppState &s = appState();

    QFile image(workDir->path() + QStringLiteral("/firmware.bin"));
    QVERIFY(image.open(QIODevice::WriteOnly));
    QByteArray bytes(24 * 1024, '\0');
    for (int i = 0; i < bytes.size(); ++i)
      bytes[i] = char((i * 7 + i / 256) & 0xFF);
    image.write(bytes);
    image.close();

    click(item(QStringLiteral("adapterRefreshButton")));
    QQuickItem *adapters = item(QStringLiteral("adapterCombo"));
    QTRY_COMPARE_WITH_TIMEOUT(adapters->property("currentText").toString(),
                              QStringLiteral("FT230X Basic UART"), 10000);
    QTRY_VERIFY(s.link.has(LinkFlag::deviceIdentified)); // the link has the port back

    QQuickItem *page = item(QStringLiteral("productionPage"));
    page->setProperty("firmwarePath", image.fileName());
    QQuickItem *models = item(QStringLiteral("updateModelCombo"));
    int modelRow = -1;
    QMetaObject::invokeMethod(models, "find", Q_RETURN_ARG(int, modelRow),
                              Q_ARG(QString, QStringLiteral("VK-10A-2U")));
    QVERIFY(modelRow >= 0);
    models->setProperty("currentIndex", modelRow);
    item(QStringLiteral("programEepromCheckBox"))->setProperty("checked", true);
    click(item(QStringLiteral("flashAutomaticallyButton")));

    QTRY_VERIFY_WITH_TIMEOUT(
        !adapterSimulator->matching(QStringLiteral("^EEPROM write VK-10A-2U$")).isEmpty(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!adapterSimulator->matching(QStringLiteral("^CYCLE VK-10A-2U$")).isEmpty(),
                             10000);
    QQuickItem *progress = item(QStringLiteral("firmwareProgress"));
    QTRY_VERIFY_WITH_TIMEOUT(progress->isVisible() && progress->property("value").toReal() > 0, 60000);
    savePicture(QStringLiteral("update_en"));
    QTRY_VERIFY_WITH_TIMEOUT(s.serviceLog->text().contains(QStringLiteral("Flash Load Finished!")), 120000);
    QTRY_COMPARE_WITH_TIMEOUT(s.preparation.ftdiRefreshState, 0u, 10000);
    const QString log = s.serviceLog->text();
    QVERIFY2(log.contains(QStringLiteral(" - Description: VK-10A-2U\n")), qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("Port has been cycled\n")), qPrintable(log));
    SimulatedAdapter check(adapterSimulator->address);
    QCOMPARE(check.flash(0x08000000, uint32_t(bytes.size())), bytes);

    // The adapter is listed under the model's name now, and the page's flash button updates it.
    click(item(QStringLiteral("adapterRefreshButton")));
    QTRY_COMPARE_WITH_TIMEOUT(adapters->property("currentText").toString(), QStringLiteral("VK-10A-2U"),
                              10000);
    const int writtenBefore = adapterSimulator->matching(QStringLiteral("^WRITE ")).size();
    click(item(QStringLiteral("flashButton")));
    QTRY_VERIFY_WITH_TIMEOUT(s.production.updating, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!s.production.updating, 120000);
    QVERIFY(adapterSimulator->matching(QStringLiteral("^WRITE ")).size() > writtenBefore);
    QVERIFY(s.serviceLog->text().contains(QStringLiteral("Flash Load Finished!")));
    // The link takes the device up again.
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 30000);
    savePicture(QStringLiteral("updated_en"));
  }
};

QTEST_MAIN(ProductionPageTest)
#include "tst_productionPage.moc"
