#include "common/trendStore.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace
{
TrendReading reading(float base)
{
  TrendReading r;
  for (int k = 0; k < trendValueCount; ++k)
    r[static_cast<size_t>(k)] = base + static_cast<float>(k);
  return r;
}

const float none = std::numeric_limits<float>::quiet_NaN();
} // namespace

class TrendStoreTest : public QObject
{
  Q_OBJECT

private slots:
  // Filling past the capacity drops the oldest samples and keeps the order, however often the
  // ring goes round.
  void ringKeepsTheNewestInOrder_data()
  {
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("appended");
    QTest::newRow("not yet full") << 5 << 3;
    QTest::newRow("exactly full") << 5 << 5;
    QTest::newRow("one past") << 5 << 6;
    QTest::newRow("several times round") << 5 << 23;
    QTest::newRow("an hour and a bit") << TrendStore::hourOfSeconds << TrendStore::hourOfSeconds + 17;
  }

  void ringKeepsTheNewestInOrder()
  {
    QFETCH(int, capacity);
    QFETCH(int, appended);
    TrendStore store(capacity);
    for (int i = 0; i < appended; ++i)
      store.append(1000 * i, reading(static_cast<float>(i)));
    const int kept = std::min(capacity, appended);
    QCOMPARE(store.size(), kept);
    QCOMPARE(store.revision(), uint64_t(appended));
    const int oldest = appended - kept;
    for (int i = 0; i < kept; ++i) {
      QCOMPARE(store.timeAt(i), qint64(1000 * (oldest + i)));
      QCOMPARE(store.valueAt(TrendValue::inputVoltage, i), float(oldest + i));
      QCOMPARE(store.valueAt(TrendValue::temperature, i), float(oldest + i + 5));
    }
  }

  // A gap splits every value's line, a value the device does not report (no storage module)
  // gives no line, and a gap that the ring pushed out no longer splits anything.
  void gapsSplitTheLines()
  {
    TrendStore store(6);
    store.append(0, reading(24));
    store.append(1000, reading(24.5f));
    store.appendGap(2000);
    store.appendGap(3000);
    TrendReading noStorage = reading(23);
    noStorage[size_t(TrendValue::storageVoltage)] = none;
    store.append(4000, noStorage);
    store.append(5000, noStorage);

    auto input = store.segments(TrendValue::inputVoltage);
    QCOMPARE(input.size(), 2);
    QCOMPARE(input[0], (QVector<QPointF>{{0, 24}, {1000, 24.5}}));
    QCOMPARE(input[1], (QVector<QPointF>{{4000, 23}, {5000, 23}}));
    QVERIFY(store.isGap(2));
    QVERIFY(std::isnan(store.valueAt(TrendValue::outputCurrent, 3)));
    QCOMPARE(store.segments(TrendValue::storageVoltage).size(), 1);

    // Four more samples push both gaps out of the ring: one unbroken line is left.
    for (int i = 6; i < 10; ++i)
      store.append(1000 * i, reading(22));
    QCOMPARE(store.segments(TrendValue::inputVoltage).size(), 1);
    QCOMPARE(store.segments(TrendValue::inputVoltage)[0].size(), 6);

    store.clear();
    QCOMPARE(store.size(), 0);
    QVERIFY(store.segments(TrendValue::inputVoltage).isEmpty());
  }

  // The export has a header, one line per sample in local time, and empty fields in a gap and
  // where a value is missing; the temperature keeps one decimal, the rest two.
  void csvLinesPerSample()
  {
    TrendStore store(3);
    const QDateTime start(QDate(2026, 3, 1), QTime(14, 0, 0));
    TrendReading r = {24.1f, 24.0f, 2.5f, none, none, -3.5f};
    store.append(start.toMSecsSinceEpoch(), r);
    store.appendGap(start.addSecs(1).toMSecsSinceEpoch());
    const QStringList headers = {"Time", "In", "Out", "I out", "U st", "I st", "T"};
    const QList<QByteArray> lines = store.csv(headers).split('\n');
    QCOMPARE(lines.size(), 4); // the last line ends with a line break
    QCOMPARE(lines[0], QByteArray("Time;In;Out;I out;U st;I st;T"));
    QCOMPARE(lines[1], QByteArray("2026-03-01 14:00:00;24.10;24.00;2.50;;;-3.5"));
    QCOMPARE(lines[2], QByteArray("2026-03-01 14:00:01;;;;;;"));
    QVERIFY(lines[3].isEmpty());
  }
};

QTEST_APPLESS_MAIN(TrendStoreTest)
#include "tst_trendStore.moc"
