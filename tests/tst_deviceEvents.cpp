// Event signals turning into event log entries, relay states and the current-state list.
#include "interpretedDevice.h"
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
  std::unique_ptr<InterpretedDevice> dut;

  InterpretedDevice &device(const QString &model)
  {
    dut->choose(model);
    return *dut;
  }

  // One interpreter pass with the given status word.
  void pass(uint32_t statusWord)
  {
    dut->fields.rxField600 = statusWord;
    QVERIFY(dut->pass());
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
    db = std::make_unique<Ups_DataBase>();
    model = std::make_unique<EventControl_DataBaseModel>();
    dut = std::make_unique<InterpretedDevice>();
    InterpretedDevice &s = *dut;
    s.log = {db.get(), model.get(), QStringLiteral("31.01.2024"), QStringLiteral("12:00:00")};
    s.rebuildCatalogue(false);
    s.link.set(LinkFlag::deviceIdentified, true);
    s.fields.rxField601 = 0x0001;
    s.fields.rxField102[1] = 2600;
  }

  void cleanup()
  {
    dut.reset();
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

  // Conditions present at start are logged but call for no action; later rises do, once.
  void passReportsTheEventsThatCallForActions()
  {
    device("VT-40A");
    const auto raisedRows = [this] {
      QList<int> rows;
      for (int k = 0; k < deviceEventRows; ++k)
        if (dut->lastEvents.raised[k])
          rows << k + 1;
      return rows;
    };
    pass(0x1);
    QCOMPARE(raisedRows(), QList<int>{});
    QVERIFY(!dut->lastEvents.wasPresent[0]);
    pass(0x10002); // mains fails: buffer operation (row 2)
    QCOMPARE(raisedRows(), QList<int>{2});
    QVERIFY(dut->lastEvents.wasPresent[0]);
    pass(0x10002);
    QCOMPARE(raisedRows(), QList<int>{});
    QVERIFY(dut->lastEvents.wasPresent[1]);
    pass(0x1); // mains returns
    QCOMPARE(raisedRows(), QList<int>{1});
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
    InterpretedDevice &s = device("VS-1700-0");
    setCurrentLanguage(s.language, 1);
    s.rebuildCatalogue(false);
    pass(0x5); // buffer operation
    QCOMPARE(loggedEvents(), QStringList{"VS-1700-0|Pufferbetrieb"});
  }

  void currentStateListsTheActiveRows()
  {
    InterpretedDevice &s = device("VT-40A");
    pass(0x1 | (1u << 7) | (1u << 12)); // mains, output off, system error
    QCOMPARE(s.ui.processData.devStatusText,
             QString::fromUtf8("▪ Mains operation\n▪ Output is switched off\n▪ System error\n"));
  }

  // A capacitor model has contacts 14 and 24 only: the third shows nothing.
  void contactTheModelLacksShowsNothing()
  {
    InterpretedDevice &s = device("VS-1700-0");
    pass(0x1);
    QVERIFY(!s.ui.processData.signalRelayImage14.isEmpty());
    QVERIFY(!s.ui.processData.signalRelayImage24.isEmpty());
    QVERIFY(s.ui.processData.signalRelayImage34.isEmpty());
    QVERIFY(s.ui.processData.signalRelayText34.isEmpty());
  }

  void relayFollowsItsRoutedRows()
  {
    InterpretedDevice &s = device("VT-40A");
    s.fields.rxField604 = 0x0002;             // relay 14 driven by row 2 (buffer operation)
    s.fields.rxField601 = 0x0001 | (1u << 5); // contact of relay 14 closed
    pass(0x1);
    QCOMPARE(s.ui.processData.signalRelayImage14, QStringLiteral("qrc:/images/instrumente/Schalter_auf.png"));
    QVERIFY(s.ui.processData.signalRelayText14.isEmpty());
    pass(0x10002);
    QCOMPARE(s.ui.processData.signalRelayImage14, QStringLiteral("qrc:/images/instrumente/Schalter_zu.png"));
    QCOMPARE(s.ui.processData.signalRelayText14, QStringLiteral("Buffer operation\n"));
  }

  // A relay with more causes than its text holds names the first ones in row order, the same ones
  // on every pass.
  void relayTextNamesTheFirstCauses_data()
  {
    QTest::addColumn<uint>("statusWord");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 0x1u << "Mains operation\n";
    QTest::newRow("two") << (0x1u | (1u << 3)) << "Mains operation\nBuffer mode not possible\n";
    QTest::newRow("three") << (0x1u | (1u << 3) | (1u << 7)) << "Mains operation\nBuffer mode not possible\n";
    QTest::newRow("three without the first")
        << ((1u << 3) | (1u << 6) | (1u << 7)) << "Buffer mode not possible\nExchange battery\n";
  }

  void relayTextNamesTheFirstCauses()
  {
    QFETCH(uint, statusWord);
    QFETCH(QString, text);
    InterpretedDevice &s = device("VT-40A");
    s.fields.rxField606 = 0x00C9; // relay 34: rows 1, 4, 7 and 8
    for (int i = 0; i < 4; ++i) {
      pass(statusWord);
      QCOMPARE(s.ui.processData.signalRelayText34, text);
    }
  }
};

QTEST_GUILESS_MAIN(DeviceEventsTest)
#include "tst_deviceEvents.moc"
