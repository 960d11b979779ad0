#include "link/frameCodec.h"
#include "link/requestCycle.h"
#include "link/rxFields.h"

#include <QtTest>

namespace
{
struct Cycle {
  RequestCycleState cycle;
  TxState tx;
  RxState rx;
  RxFields fields;
  bool identified = true;

  // Prepares and builds the next frame, as one link cycle does.
  QByteArray next()
  {
    prepareNextRequest(cycle, tx, fields, identified);
    return buildTxFrame(tx, rx);
  }
};

QByteArray payloadOf(const QByteArray &frame)
{
  return frame.mid(6, uint8_t(frame.at(5)));
}

uint16_t firstId(const QByteArray &frame)
{
  const QByteArray p = payloadOf(frame);
  return static_cast<uint16_t>((uint8_t(p.at(0)) << 8) | uint8_t(p.at(1)));
}

// The sub-device index of a step 4 or 5 request (field 6 and its value byte come first).
int subDeviceOf(const QByteArray &frame)
{
  return firstId(frame) == 6 ? uint8_t(payloadOf(frame).at(2)) : -1;
}

bool isQueued(const QByteArray &frame)
{
  return (uint8_t(frame.at(3)) & 0x80) != 0;
}
} // namespace

class RequestCycleTest : public QObject
{
  Q_OBJECT

private slots:
  void unidentifiedDeviceIsAskedForItsIdentity()
  {
    Cycle c;
    c.identified = false;
    c.cycle.subDevicePassDone = true;
    QVERIFY(queueRequest(c.cycle, 1, QByteArray::fromHex("0063"), 20));
    for (int i = 0; i < 3; ++i) {
      const QByteArray frame = c.next();
      QCOMPARE(frame, QByteArray::fromHex("ABCD0100000800010002000300046B0D0A"));
    }
    QVERIFY(!c.cycle.subDevicePassDone);
    QCOMPARE(c.cycle.cycleStep, 0u);
  }

  void walksThePollingSequence()
  {
    Cycle c;
    QList<int> firstIds;
    for (int i = 0; i < 8; ++i)
      firstIds << firstId(c.next());
    // Steps 0, 1, 2, 3, 6, 4, 5 and 0 again; with no sub devices index 1 is polled once.
    QCOMPARE(firstIds, (QList<int>{100, 600, 1300, 1304, 305, 6, 6, 100}));
    QVERIFY(c.cycle.subDevicePassDone);

    Cycle fresh;
    for (int i = 0; i < 5; ++i)
      fresh.next();
    QCOMPARE(payloadOf(fresh.next()), QByteArray::fromHex("000601"
                                                          "0001000200030004"
                                                          "0066044C0514"));
    QCOMPARE(payloadOf(fresh.next()), QByteArray::fromHex("000601"
                                                          "051D051C0520"));
  }

  void pollsEverySubDeviceOncePerPass()
  {
    Cycle c;
    c.fields.subDeviceCount = 2;
    QList<int> indices;
    for (int i = 0; i < 2 * 9; ++i) {
      const int s = subDeviceOf(c.next());
      if (s >= 0)
        indices << s;
    }
    QCOMPARE(indices, (QList<int>{1, 2, 1, 2, 1, 2, 1, 2}));
  }

  void subDeviceIndexStaysWithinTheSlots()
  {
    Cycle c;
    c.fields.subDeviceCount = 9;
    for (int i = 0; i < 40; ++i) {
      const int s = subDeviceOf(c.next());
      QVERIFY(s <= 3);
    }
  }

  void queuedRequestGoesBetweenTwoSteps()
  {
    Cycle c;
    for (int i = 0; i < 9; ++i) // one whole pass: the sub devices have been polled
      c.next();
    QCOMPARE(c.cycle.cycleStep, 2u);
    QVERIFY(queueRequest(c.cycle, 2, QByteArray::fromHex("025A0102"), 0));
    QVERIFY(queueRequest(c.cycle, 1, QByteArray::fromHex("0063"), 20, 0));

    const QByteArray first = c.next();
    QVERIFY(isQueued(first));
    QCOMPARE(uint8_t(first.at(3)), uint8_t(0x80 | 20));
    QCOMPARE(payloadOf(first), QByteArray::fromHex("0063"));
    const QByteArray second = c.next();
    QVERIFY(isQueued(second));
    QCOMPARE(uint8_t(second.at(3)), uint8_t(0x80));
    QCOMPARE(payloadOf(second), QByteArray::fromHex("025A0102"));

    const QByteArray resumed = c.next();
    QVERIFY(!isQueued(resumed));
    QCOMPARE(uint8_t(resumed.at(3)), uint8_t(0));
    QCOMPARE(firstId(resumed), uint16_t(1300)); // step 2, where the sequence was
  }

  void queuesWaitForTheFirstSubDevicePass()
  {
    Cycle c;
    QVERIFY(queueRequest(c.cycle, 1, QByteArray::fromHex("0063"), 20));
    QVERIFY(!isQueued(c.next())); // queue 1 dropped before the first pass
    QVERIFY(queueRequest(c.cycle, 2, QByteArray::fromHex("025A0001")));
    QVERIFY(!isQueued(c.next())); // and queue 2
    QVERIFY(queueRequest(c.cycle, 3, QByteArray::fromHex("0003")));
    for (int i = 0; i < 4; ++i) // steps 2, 3, 6 and 4, which ends the pass: queue 3 waits
      QVERIFY(!isQueued(c.next()));
    QVERIFY(c.cycle.subDevicePassDone);
    const QByteArray frame = c.next();
    QVERIFY(isQueued(frame));
    QCOMPARE(payloadOf(frame), QByteArray::fromHex("0003"));
    for (int i = 0; i < 10; ++i)
      QVERIFY(!isQueued(c.next())); // each queue entry goes out once
  }

  void commandGoesOnlyWithItsQueueEntry()
  {
    Cycle c;
    QVERIFY(queueRequest(c.cycle, 1, QByteArray::fromHex("0063"), 20, 5));
    const QByteArray frame = c.next(); // discarded before the first pass
    QCOMPARE(uint8_t(frame.at(3)), uint8_t(0));
    QCOMPARE(uint8_t(frame.at(4)), uint8_t(0));
  }

  void refusesWhatOneFrameCannotCarry()
  {
    RequestCycleState cycle;
    QVERIFY(!queueRequest(cycle, 1, QByteArray(txPayloadCapacity + 1, '\x01')));
    QVERIFY(!queueRequest(cycle, 0, QByteArray::fromHex("0063")));
    QVERIFY(!queueRequest(cycle, 5, QByteArray::fromHex("0063")));
    QVERIFY(queueRequest(cycle, 4, QByteArray(txPayloadCapacity, '\x01')));
  }

  void resetStartsTheSequenceAgain()
  {
    Cycle c;
    for (int i = 0; i < 7; ++i)
      c.next();
    resetRequestCycle(c.cycle);
    QCOMPARE(firstId(c.next()), uint16_t(100));
    QVERIFY(!c.cycle.subDevicePassDone);
  }
};

QTEST_GUILESS_MAIN(RequestCycleTest)
#include "tst_requestCycle.moc"
