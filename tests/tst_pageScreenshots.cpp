// Runs the real window and back end against the simulator for one device of each family, opens
// every page in English and German, saves a picture of each (build/screenshots) and checks that
// each page shows the texts its records carry (the window fails the test on any QML warning).
#include "app/appState.h"
#include "app/qmlContext.h"
#include "app/stateParts.h"
#include "app/upsApp.h"
#include "common/languageTable.h"
#include "common/vendorData.h"
#include "qmlWarnings.h"
#include "realWindow.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include "storage/eventControlModel.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QtTest>

#include <functional>
#include <memory>

namespace
{
struct PageCheck {
  const char *name;
  int index;
  // Texts of the back end's records that the page must show.
  std::function<QStringList(const AppState &)> expected;
};

QStringList nonEmpty(const QStringList &texts)
{
  QStringList kept;
  for (const QString &t : texts)
    if (!t.trimmed().isEmpty())
      kept << t.trimmed();
  return kept;
}

const QVector<PageCheck> &pageChecks()
{
  static const QVector<PageCheck> pages{
      {"start", 0, [](const AppState &s) { return QStringList{s.ui.mainWindow.start_Button}; }},
      {"status", 1,
       [](const AppState &s) {
         return QStringList{s.ui.processData.masterOperationModus, s.ui.processData.masterOutput_text};
       }},
      {"event", 2,
       [](const AppState &s) {
         const SystemWindowStruct &w = s.ui.systemWindow;
         return QStringList{w.currentStateIndicator, w.eventsProtocol,      w.clearEvents, w.saveAsCsv,
                            w.tableViewColumnDate,   w.tableViewColumnEvent};
       }},
      {"parameter", 3,
       [](const AppState &s) {
         const DeviceParameterStruct &p = s.ui.parameterWindow;
         return QStringList{p.limitsFrameLabel, p.limitsLabel_ComboBox1, p.managementFrameLabel,
                            p.managementLabel_ComboBox2, s.ui.mainWindow.saveSettings_Bezeichnung};
       }},
      {"signalContacts", 4,
       [](const AppState &s) {
         const SignalOutputsStruct &so = s.ui.signalOutputs;
         return QStringList{so.signal14_Bezeichnung, so.signal_Label_Row1, so.signal_Label_Row2};
       }},
      {"ipc", 5,
       [](const AppState &s) {
         return QStringList{s.ui.ipcWindow.delayTime_Label, s.ui.ipcWindow.ipcShutdownTime_Label,
                            s.ui.shutdownWindow.groupBoxPcShutdown_Text};
       }},
      {"overload", 6,
       [](const AppState &s) {
         return QStringList{s.ui.parameterWindow.overloadBehaviorFrameLabel,
                            s.ui.parameterWindow.overloadBehavior_Label_CheckBox1};
       }},
      {"programStart", 7,
       [](const AppState &s) {
         const ProgramstartWindowStruct &p = s.ui.programstartWindow;
         return QStringList{p.programstart_activ_text, p.programstartButtonTest_label,
                            p.programstartDelay_label};
       }},
      {"email", 8,
       [](const AppState &s) {
         const EmailWindowStruct &e = s.ui.emailWindow;
         return QStringList{e.email_activ_text, e.emailConfiguration, e.emailSubject};
       }},
      {"system", 9,
       [](const AppState &s) {
         const SystemWindowStruct &w = s.ui.systemWindow;
         return QStringList{w.textLanguage, w.textTemperatureUnit, w.textGroupBoxCommunication,
                            w.textAutomaticDeviceScanning};
       }},
      {"about", 10,
       [](const AppState &s) {
         return QStringList{s.ui.companyData.appName, s.ui.companyData.name};
       }},
      {"production", 11,
       [](const AppState &s) {
         return QStringList{s.ui.productionWindow.sn_text, s.ui.productionWindow.fa_text};
       }},
  };
  return pages;
}

// Every text shown by visible items below `item`, leaving out the subtree of `skip`.
void collectTexts(const QQuickItem *item, QStringList &texts, const QQuickItem *skip = nullptr)
{
  if (item == skip || !item->isVisible() || item->opacity() <= 0.0)
    return;
  for (const char *property : {"text", "displayText", "placeholderText", "title"}) {
    const QVariant value = item->property(property);
    if (value.isValid() && !value.toString().isEmpty())
      texts << value.toString();
  }
  for (const QQuickItem *child : item->childItems())
    collectTexts(child, texts, skip);
}

bool shows(const QStringList &shown, const QString &expected)
{
  for (const QString &text : shown)
    if (text.contains(expected))
      return true;
  return false;
}
} // namespace

class PageScreenshotsTest : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
  }

  void everyPageShowsItsTexts_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("production");
    QTest::newRow("VK") << "VK-10A-2U" << false;
    QTest::newRow("VT") << "VT-40A" << false;
    QTest::newRow("VS") << "VS-1700-0" << true;
  }

  void everyPageShowsItsTexts()
  {
    QFETCH(QString, model);
    QFETCH(bool, production);
    SimulatorProcess simulator({QStringLiteral("--model"), model});
    QVERIFY(!simulator.ports.isEmpty());
    TemporaryWorkingDirectory workDir;
    // Pictures outside the resources are looked up below the working directory.
    QVERIFY(QFile::link(QStringLiteral(TALVANE_BUILD_DIR "/app"), workDir.path() + QStringLiteral("/app")));

    RealWindow real(simulator.ports, false, [production](AppState &s) {
      fillCompanyData(s.ui.companyData, s.vendor, QStringLiteral(TALVANE_BUILD_DIR));
      // The production page exists only in production builds.
      s.special.production_version = production;
      s.ui.processData.production_version = production;
      rebuildDeviceCatalogue(s); // with the engineering models of a production build, as at start
    });
    QVERIFY(real.window);
    QQuickWindow *window = real.window;
    upsApp *app = real.app.get();
    AppState &s = appState();
    QObject *global = window->findChild<QObject *>(QStringLiteral("idGlobal"));
    QVERIFY(global);
    auto *swipe = window->findChild<QQuickItem *>(QStringLiteral("idSwipeView"));
    QVERIFY(swipe);

    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!s.ui.processData.masterOutput_text.isEmpty(), 10000);
    // Events logged after the window opened reach the tray as messages.
    QTRY_VERIFY_WITH_TIMEOUT(global->property("eventMessage_SystemTray").toString().startsWith(model), 5000);

    const QString folder = QStringLiteral(SCREENSHOT_DIR);
    QDir().mkpath(folder);
    for (int language = 0; language < 2; ++language) {
      const uint64_t ticksBefore = s.loop.tickCount;
      app->receiveFromQml_ReloadLanguage(language);
      QTRY_COMPARE_WITH_TIMEOUT(s.ui.processData.currentLanguageNr, language, 3000);
      QCOMPARE(currentCatalogueEntry(s).name, model); // the new language's catalogue keeps the model
      // The records of every page are refreshed within a few ticks of the change.
      QTRY_VERIFY_WITH_TIMEOUT(!s.loop.fullRefreshPending && s.loop.tickCount >= ticksBefore + 5, 10000);
      const QString languageName = language == 0 ? QStringLiteral("en") : QStringLiteral("de");
      for (const PageCheck &page : pageChecks()) {
        if (page.index == 11 && !production)
          continue;
        QVERIFY(real.showPage(page.index));
        const QStringList expected = nonEmpty(page.expected(s));
        QVERIFY2(!expected.isEmpty(), page.name);
        QString missing;
        const auto showsAll = [&] {
          auto *pageItem = swipe->property("currentItem").value<QQuickItem *>();
          if (!pageItem)
            return false;
          QStringList shown;
          collectTexts(pageItem, shown);
          collectTexts(window->contentItem(), shown, swipe); // the frame around it
          for (const QString &text : nonEmpty(page.expected(s))) {
            if (!shows(shown, text)) {
              missing = text;
              return false;
            }
          }
          return true;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(
            showsAll(),
            qPrintable(QStringLiteral("%1 (%2, %3) does not show \"%4\"")
                           .arg(QLatin1String(page.name), model, languageName, missing)),
            10000);
        QVERIFY(real.saveScreenshot(folder, QStringLiteral("%1_%2_%3").arg(model, languageName, page.name)));
      }
    }
    // Back to English, so a stored German choice does not outlive the test.
    app->receiveFromQml_ReloadLanguage(0);
  }
};

QTEST_MAIN(PageScreenshotsTest)

#include "tst_pageScreenshots.moc"
