// The signal-contact table of the real window against the device simulator: it shows the relay
// routing the device reports, a click writes the routing word with exactly that bit changed, the
// box follows the device's read-back, and another model brings its own routing.
#include "devices/signalRows.h"
#include "realWindow.h"
#include "simulatorProcess.h"
#include "storage/eventControlModel.h"
#include "temporaryWorkingDirectory.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <memory>

namespace
{
constexpr int signalContactsPage = 4;

// The routing words of the simulator's presets (fields 604, 605, 606).
constexpr uint16_t batteryRouting[3] = {0x0001, 0x0002, 0x0040}; // mains, buffer, exchange battery
constexpr uint16_t capacitorRouting[3] = {0x0001, 0x0004, 0x0000};

// The check box of `relay` (0-2 for 14, 24, 34) in table row `row` (0 = output inverted).
QQuickItem *box(QQuickItem *page, int row, int relay)
{
  QQuickItem *rowItem =
      findItem(page, row == 0 ? QStringLiteral("signalInvertedRow") : QStringLiteral("signalRow%1").arg(row));
  return rowItem ? findItem(rowItem, QStringLiteral("relay%1").arg(14 + 10 * relay)) : nullptr;
}

bool shownChecked(QQuickItem *page, int row, int relay)
{
  QQuickItem *b = box(page, row, relay);
  return b && b->property("checked").toBool();
}

// Boxes of the shown rows and relays whose check state differs from `words`; empty when the table
// shows exactly that routing.
QStringList differences(QQuickItem *page, const uint16_t (&words)[3], int rows, int relays)
{
  QStringList wrong;
  for (int relay = 0; relay < relays; ++relay) {
    for (int row = 0; row <= rows; ++row) {
      const int bit = row == 0 ? 15 : row - 1;
      const bool routed = (words[relay] >> bit) & 1u;
      if (shownChecked(page, row, relay) != routed)
        wrong << QStringLiteral("row %1 relay %2").arg(row).arg(14 + 10 * relay);
    }
  }
  return wrong;
}

// Flags of a record that route a row (or the inversion) to a relay although `words` do not.
QStringList routingBeyond(const SignalOutputsStruct &so, const uint16_t (&words)[3])
{
  QStringList extra;
  for (int relay = 0; relay < signalRelays; ++relay) {
    for (int row = 0; row <= signalRows; ++row) {
      const SignalRowMember member = row == 0 ? invertedRelays[relay] : routedRows[row - 1][relay];
      const int bit = row == 0 ? 15 : row - 1;
      if (so.*member && !((words[relay] >> bit) & 1u))
        extra << QStringLiteral("row %1 relay %2").arg(row).arg(14 + 10 * relay);
    }
  }
  return extra;
}

} // namespace

class SignalContactsTest : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
  }

  void tableFollowsTheDevicesRouting()
  {
    TemporaryWorkingDirectory workDir;
    // The simulator's port under a fixed name, so that a restarted simulator is found there again.
    const QString portLink = workDir.path() + QStringLiteral("/ttyUPS");
    auto simulator = std::make_unique<SimulatorProcess>(QStringList{"--model", "VT-40A", "--link", portLink});
    QVERIFY(!simulator->ports.isEmpty());

    RealWindow real(QStringList{portLink});
    QQuickWindow *window = real.window;
    QVERIFY(window);
    upsApp *app = real.app.get();
    AppState &s = appState();
    QVERIFY(real.showPage(signalContactsPage));
    QQuickItem *page = findItem(window->contentItem(), QStringLiteral("signalOutputsPage"));
    QVERIFY(page);

    // The routing the device reports, once its parameters have been read.
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified) && s.requests.subDevicePassDone, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(differences(page, batteryRouting, 14, 3), QStringList(), 5000);

    // A click sets or clears exactly its bit of the device's word; the box shows what the device
    // reads back: two polls of the routing words after the write, and with the page's own hold on
    // the user's choice ended.
    const QString routingPoll = QStringLiteral("^RX .* 02 5C 02 5D 02 5E ");
    struct Click {
      int row;
      int relay;
      int field;
    };
    for (const Click &c : {Click{2, 2, 606}, Click{0, 0, 604}}) {
      const uint16_t before = batteryRouting[c.relay];
      const uint16_t bit = uint16_t(1u << (c.row == 0 ? 15 : c.row - 1));
      QQuickItem *b = box(page, c.row, c.relay);
      QVERIFY(b && b->isVisible() && b->isEnabled());
      for (const uint16_t written : {uint16_t(before | bit), before}) {
        const bool routed = written & bit;
        const int mark = simulator->collect().size();
        clickItem(window, b);
        const QString write = QStringLiteral("WRITE %1=%2 sub=0 cmd=0 arg=0").arg(c.field).arg(written);
        QTRY_COMPARE_WITH_TIMEOUT(simulator->matching("^WRITE ", mark), QStringList{write}, 5000);
        const int writtenAt = simulator->collect().size();
        QTRY_VERIFY_WITH_TIMEOUT(simulator->matching(routingPoll, writtenAt).size() >= 2, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!b->property("pending").toBool(), 5000);
        QCOMPARE(b->property("checked").toBool(), routed);
        const SignalRowMember member = c.row == 0 ? invertedRelays[c.relay] : routedRows[c.row - 1][c.relay];
        QCOMPARE(s.ui.signalOutputs.*member, routed);
      }
    }
    QCOMPARE(simulator->matching("^WRITE ").size(), 4);

    // A change made on the device itself reaches the boxes the user clicked before.
    simulator->command(QStringLiteral("set 604 0x8001"));
    simulator->command(QStringLiteral("set 606 0x0042"));
    QTRY_VERIFY_WITH_TIMEOUT(shownChecked(page, 0, 0) && shownChecked(page, 2, 2), 5000);

    // Another model on the same port: the table shows that device's routing, not the last one's.
    simulator.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!s.link.has(LinkFlag::deviceIdentified), 10000);
    QSignalSpy tables(app, &upsApp::sendToQml_SignalOutputs);
    simulator = std::make_unique<SimulatorProcess>(QStringList{"--model", "VS-1700-0", "--link", portLink});
    QTRY_COMPARE_WITH_TIMEOUT(s.commands.statusDeviceName, QStringLiteral("VS-1700-0"), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(s.link.has(LinkFlag::deviceIdentified) && s.requests.subDevicePassDone, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(differences(page, capacitorRouting, 13, 2), QStringList(), 5000);
    // Not even for a moment does the new model's table carry the old device's routing.
    const QString vsRow2 = s.ui.signalOutputs.signal_Label_Row2;
    int vsTables = 0;
    for (const QList<QVariant> &sent : qAsConst(tables)) {
      const auto so = sent.at(0).value<SignalOutputsStruct>();
      if (so.signal_Label_Row2 != vsRow2)
        continue;
      ++vsTables;
      QCOMPARE(routingBeyond(so, capacitorRouting), QStringList());
    }
    QVERIFY(vsTables > 0);
    QVERIFY(!findItem(page, QStringLiteral("signalRow14"))->isVisible()); // VS models have 13 rows
    QVERIFY(!box(page, 1, 2)->parentItem()->isVisible());                 // and two relays
  }
};

QTEST_MAIN(SignalContactsTest)

#include "tst_signalContacts.moc"
