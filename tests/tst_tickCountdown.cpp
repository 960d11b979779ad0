#include "common/tickCountdown.h"

#include <QtTest>

class TickCountdownTest : public QObject
{
  Q_OBJECT

private slots:
  void expiresAfterLimitTicks_data()
  {
    QTest::addColumn<uint>("limit");
    QTest::addColumn<int>("ticksBeforeExpiry");
    QTest::newRow("zero is expired at once") << 0u << 0;
    QTest::newRow("one tick") << 1u << 1;
    QTest::newRow("hold time of 15 s") << 150u << 150;
  }

  void expiresAfterLimitTicks()
  {
    QFETCH(uint, limit);
    QFETCH(int, ticksBeforeExpiry);
    TickCountdown c;
    c.start(limit);
    for (int i = 0; i < ticksBeforeExpiry; ++i) {
      QVERIFY2(!c.tick(), qPrintable(QStringLiteral("expired early at tick %1").arg(i)));
      QCOMPARE(c.remaining, limit - uint(i) - 1);
    }
    QVERIFY(c.tick());
    QVERIFY(c.expired);
    QCOMPARE(c.limit, 0u);
    QCOMPARE(c.remaining, 0u);
    QVERIFY2(c.tick(), "stays expired");
  }

  void restartAfterExpiryCountsAgain()
  {
    TickCountdown c;
    c.start(1);
    c.tick();
    QVERIFY(c.tick());
    c.start(2);
    QVERIFY(!c.tick());
    QVERIFY(!c.tick());
    QVERIFY(c.tick());
  }

  void clearedCountdownExpiresOnNextTick()
  {
    TickCountdown c;
    c.start(10);
    c.tick();
    c.clear();
    QCOMPARE(c.remaining, 0u);
    QVERIFY(!c.expired);
    QVERIFY(c.tick());
  }
};

QTEST_GUILESS_MAIN(TickCountdownTest)
#include "tst_tickCountdown.moc"
