// Cost of one interpretation pass per device family.
#include "app/appState.h"
#include "devices/currentDevice.h"
#include "devices/processInterpretation.h"

#include <QtTest>

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
    resetAppState();
    AppState &s = appState();
    fillLanguageTable(s.language);
    rebuildDeviceCatalogue(s);
    for (int i = 1; i < s.catalogue.catalogueCount; ++i) {
      if (s.catalogue.entries[i].name == model)
        s.catalogue.currentCatalogueIndex = static_cast<uint8_t>(i);
    }
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
      s.rx.newDataAvailable = true;
      interpretProcessData(s);
    }
    QCOMPARE(s.process.operatingMode, 2);
  }
};

QTEST_GUILESS_MAIN(InterpretationBenchmark)
#include "bench_interpretation.moc"
