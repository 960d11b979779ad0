// Cost of one interpretation pass per device family.
#include "interpretedDevice.h"

#include <QtTest>

#include <memory>

class InterpretationBenchmark : public QObject
{
  Q_OBJECT

private slots:
  void onePass_data()
  {
    QTest::addColumn<QString>("model");
    QTest::newRow("VK") << "VK-10A-2U";
    QTest::newRow("VT") << "VT-40A";
    QTest::newRow("VKL") << "VKL-20A-0U";
    QTest::newRow("VS") << "VS-1700-0";
  }

  void onePass()
  {
    QFETCH(QString, model);
    const auto device = std::make_unique<InterpretedDevice>();
    InterpretedDevice &s = *device;
    s.rebuildCatalogue(false);
    QVERIFY(s.choose(model));
    s.link.set(LinkFlag::deviceIdentified, true);
    RxFields &f = s.fields;
    f.rxField600 = 0x1;
    f.rxField601 = 0x0601;
    f.rxField100 = 2410;
    f.rxField101 = 2400;
    f.rxField102[0] = 2730;
    f.rxField104 = 2730;
    f.rxField301 = 1850;
    f.rxField304 = 150;
    f.rxField107 = 2200;
    f.rxField1100[0] = 315;
    f.rxField1300[0] = 52344;
    f.subDeviceCount = 1;
    f.rxField1[1] = 2;
    QBENCHMARK
    {
      s.pass();
    }
    QCOMPARE(s.process.operatingMode, 2);
  }
};

QTEST_GUILESS_MAIN(InterpretationBenchmark)
#include "bench_interpretation.moc"
