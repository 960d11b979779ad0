// Event signals turning into event log entries, relay states and the current-state list.
#include "app/appState.h"
#include "devices/currentDevice.h"
#include "devices/deviceEvents.h"
#include "devices/processInterpretation.h"
#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QSqlQuery>
#include <QtTest>

#include <memory>

class DeviceEventsTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<Ups_DataBase> db;
  std::unique_ptr<EventControl_DataBaseModel> model;

  AppState &device(const QString &model)
  {
    AppState &s = appState();
    for (int i = 1; i < s.catalogue.catalogueCount; ++i) {
      if (s.catalogue.entries[i].name == model)
        s.catalogue.currentCatalogueIndex = static_cast<uint8_t>(i);
    }
    return s;
  }

  // One interpreter pass with the given status word.
  void pass(uint32_t statusWord)
  {
    AppState &s = appState();
    s.fields.rxField600 = statusWord;
    s.rx.newDataAvailable = true;
    interpretProcessData(s);
  }

  QStringList loggedEvents()
  {
    QStringList events;
    QSqlQuery query(QSqlDatabase::database());
    query.exec("SELECT device, date, time, event FROM EventsTable ORDER BY id");
    while (query.next())
      events << query.value(0).toString() + '|' + query.value(3).toString();
    return events;
  }

private slots:
  void init()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    resetAppState();
    db = std::make_unique<Ups_DataBase>();
    model = std::make_unique<EventControl_DataBaseModel>();
    AppState &s = appState();
    s.storage.database = db.get();
    s.storage.eventModel = model.get();
    fillLanguageTable(s.language);
    rebuildDeviceCatalogue(s);
    s.link.set(LinkFlag::deviceIdentified, true);
    s.loop.currentDate = QStringLiteral("31.01.2024");
    s.loop.currentTime = QStringLiteral("12:00:00");
    s.fields.rxField601 = 0x0001;
    s.fields.rxField102[1] = 2600;
  }

  void cleanup()
  {
    appState().storage = Storage{};
    model.reset();
    db.reset();
    workDir.reset();
  }

  void risingEdgesAreLoggedOnce()
  {
    device("VT-40A");
    pass(0x1); // mains at start: logged on the first pass
    pass(0x1);
    QCOMPARE(loggedEvents(), QStringList{"VT-40A|Mains operation"});
    pass(0x10002); // mains fails
    pass(0x10002);
    pass(0x1); // and returns
    QCOMPARE(loggedEvents(),
             (QStringList{"VT-40A|Mains operation", "VT-40A|Buffer operation", "VT-40A|Mains operation"}));
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->data(model->index(0, 0), EventControl_DataBaseModel::DateRole).toString(),
             QStringLiteral("31.01.2024"));
  }

  void flickeringSignalLogsEachRise()
  {
    device("VK-10A-2U");
    pass(0x1);
    pass(0x1 | (1u << 6)); // exchange battery
    pass(0x1);
    pass(0x1 | (1u << 6));
    QCOMPARE(loggedEvents().count("VK-10A-2U|Exchange battery"), 2);
  }

  void eventsAreLoggedInTheCurrentLanguage()
  {
    AppState &s = device("VS-1700-0");
    setCurrentLanguage(s.language, 1);
    rebuildDeviceCatalogue(s);
    pass(0x5); // buffer operation
    QCOMPARE(loggedEvents(), QStringList{"VS-1700-0|Pufferbetrieb"});
  }

  void currentStateListsTheActiveRows()
  {
    AppState &s = device("VT-40A");
    pass(0x1 | (1u << 7) | (1u << 12)); // mains, output off, system error
    QCOMPARE(s.ui.processData.devStatusText,
             QString::fromUtf8("▪ Mains operation\n▪ Output is switched off\n▪ System error\n"));
  }

  void relayFollowsItsRoutedRows()
  {
    AppState &s = device("VT-40A");
    s.fields.rxField604 = 0x0002;             // relay 14 driven by row 2 (buffer operation)
    s.fields.rxField601 = 0x0001 | (1u << 5); // contact of relay 14 closed
    pass(0x1);
    QCOMPARE(s.ui.processData.signalRelayImage14, QStringLiteral("qrc:/images/instrumente/Schalter_auf.png"));
    QVERIFY(s.ui.processData.signalRelayText14.isEmpty());
    pass(0x10002);
    QCOMPARE(s.ui.processData.signalRelayImage14, QStringLiteral("qrc:/images/instrumente/Schalter_zu.png"));
    QCOMPARE(s.ui.processData.signalRelayText14, QStringLiteral("Buffer operation\n"));
  }
};

QTEST_GUILESS_MAIN(DeviceEventsTest)
#include "tst_deviceEvents.moc"
