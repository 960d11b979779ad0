#include "common/languageTable.h"
#include "devices/deviceCatalogue.h"
#include "devices/valueText.h"

#include <QtTest>

class DeviceCatalogueTest : public QObject
{
  Q_OBJECT

  LanguageTable lang;

  const DeviceCatalogueEntry *entryNamed(const DeviceCatalogue &c, const QString &name)
  {
    for (const DeviceCatalogueEntry &e : c.entries) {
      if (e.name == name)
        return &e;
    }
    return nullptr;
  }

private slots:
  void initTestCase() { fillLanguageTable(lang); }

  void listsTheModelsOfTheBuild()
  {
    DeviceCatalogue c;
    buildDeviceCatalogue(c, lang, false);
    QCOMPARE(selectableModelNames(c), (QStringList{"VK-5A-2U", "VK-10A-2U", "VKL-10A-0U", "VKL-20A-0U",
                                                   "VT-40A", "VT-40A (12V)", "VS-1700-0", "VS-5000-0"}));
    QCOMPARE(c.catalogueCount, 9);
    QVERIFY(c.entries[0].name.isEmpty());
    QCOMPARE(c.entries[0].modelCode, 0u);

    buildDeviceCatalogue(c, lang, true);
    QCOMPARE(selectableModelNames(c).size(), 12);
    QCOMPARE(selectableModelNames(c).at(1), QStringLiteral("VK-5A-20"));
    QVERIFY(selectableModelNames(c).contains("VS-1700-00"));
  }

  void generatedValueListsHaveTheirValues_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");
    QTest::newRow("VK threshold") << "VK-10A-2U" << 0 << 60 << "20V"
                                  << "20.1V"
                                  << "25.9V";
    QTest::newRow("VT threshold") << "VT-40A" << 0 << 51 << "21V"
                                  << "21.1V"
                                  << "26V";
    QTest::newRow("VT 12 V threshold") << "VT-40A (12V)" << 0 << 27 << "10.5V"
                                       << "10.6V"
                                       << "13.1V";
    QTest::newRow("VS threshold") << "VS-1700-0" << 0 << 22 << "17.5V"
                                  << "18V"
                                  << "28V";
    QTest::newRow("VK end of charge") << "VK-5A-2U" << 1 << 35 << "26V"
                                      << "26.1V"
                                      << "29.4V";
    QTest::newRow("VS slider") << "VS-5000-0" << 1 << 9 << "2V"
                               << "2.1V"
                               << "2.8V";
    QTest::newRow("VS-1000 cell voltage") << "VS-1000-00" << 1 << 6 << "2.0V"
                                          << "2.2V"
                                          << "2.8V";
    QTest::newRow("VKL charge current") << "VKL-20A-0U" << 2 << 49 << "0.2A"
                                        << "0.3A"
                                        << "5A";
    QTest::newRow("VS charge current") << "VS-1700-0" << 2 << 6 << "0.5A"
                                       << "1A"
                                       << "3A";
    QTest::newRow("VT 12 V deep discharge") << "VT-40A (12V)" << 3 << 12 << "9V"
                                            << "9.1V"
                                            << "10.1V";
    QTest::newRow("VS-1700 turn-on limit") << "VS-1700-0" << 4 << 6 << "5A"
                                           << "10A"
                                           << "100A";
    QTest::newRow("VS-5000 turn-on limit") << "VS-5000-0" << 4 << 4 << "5A"
                                           << "10A"
                                           << "42A";
  }

  void generatedValueListsHaveTheirValues()
  {
    QFETCH(QString, model);
    QFETCH(int, list);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, last);
    DeviceCatalogue c;
    buildDeviceCatalogue(c, lang, true);
    const DeviceCatalogueEntry *e = entryNamed(c, model);
    QVERIFY(e);
    const QStringList lists[] = {e->parameter.bufferThresholdList, e->parameter.endOfChargeList,
                                 e->parameter.chargeCurrentList, e->parameter.deepDischargeList,
                                 e->parameter.turnOnCurrentLimitList};
    const QStringList &values = lists[list];
    QCOMPARE(values.size(), count);
    QCOMPARE(values.first(), first);
    QCOMPARE(values.at(1), second);
    QCOMPARE(values.last(), last);
  }

  // The numbers read once with the lists find, for every list of every model, the index that parsing
  // the texts finds: for each entry's own value, its neighbours one unit off and values far outside.
  void readListNumbersFindWhatTheTextsFind()
  {
    DeviceCatalogue c;
    buildDeviceCatalogue(c, lang, true);
    int compared = 0;
    for (int i = 1; i < c.catalogueCount; ++i) {
      const ParameterTexts &p = c.entries[i].parameter;
      const ParameterListNumbers &n = p.numbers;
      const std::pair<const QStringList *, const QVector<qint64> *> lists[] = {
          {&p.bufferThresholdList, &n.bufferThreshold}, {&p.turnOnCurrentLimitList, &n.turnOnCurrentLimit},
          {&p.endOfChargeList, &n.endOfCharge},         {&p.chargeCurrentList, &n.chargeCurrent},
          {&p.deepDischargeList, &n.deepDischarge},     {&p.bufferCurrentLimitList, &n.bufferCurrentLimit}};
      for (const auto &[texts, hundredths] : lists) {
        QCOMPARE(hundredths->size(), texts->size());
        QList<uint32_t> values{0, 1, 65535};
        for (const qint64 number : *hundredths) {
          const auto value = static_cast<uint32_t>(number);
          values << value - 1 << value << value + 1;
        }
        for (const uint32_t value : values) {
          const QString where = c.entries[i].name + QLatin1Char(' ') + texts->value(0) + QLatin1Char(' ') +
                                QString::number(value);
          QVERIFY2(hundredthsIndexOf(*hundredths, value) == listIndexOf(*texts, value), qPrintable(where));
          ++compared;
        }
      }
    }
    QVERIFY(compared > 1500);
  }

  void entriesCarryTheirModelData()
  {
    DeviceCatalogue c;
    buildDeviceCatalogue(c, lang, true);
    const DeviceCatalogueEntry *vkl = entryNamed(c, "VKL-10A-0U");
    QCOMPARE(vkl->deviceImage, QStringLiteral("/images/company/norvex/devices/VKL_10A_0U/VKL_10A_0U.jpg"));
    QCOMPARE(vkl->statusImages.size(), 9);
    QCOMPARE(vkl->statusImages.first(),
             QStringLiteral("qrc:/images/company/norvex/devices/VT_40A/status/net_mode.gif"));
    QCOMPARE(vkl->signalRowLabels.at(10), QStringLiteral("Over current"));
    QCOMPARE(vkl->family, DeviceFamily::Vkl10A);

    const DeviceCatalogueEntry *vk20 = entryNamed(c, "VK-5A-20");
    QCOMPARE(vk20->deviceImage, QStringLiteral("qrc:/images/company/norvex/devices/VK_5A_L/VK_5A_L.jpg"));
    QCOMPARE(vk20->relaySuffix34, QStringLiteral(" 34 "));
    QCOMPARE(vk20->potiImages.at(9),
             QStringLiteral("qrc:/images/company/norvex/devices/VK_5A_L/poti/10.png"));
    QCOMPARE(vk20->calibrationRangeHints.last(), QStringLiteral("Range: z.B. 7,5A -> 750"));
    QCOMPARE(vk20->firmwareUpdateConfig, (std::array<uint8_t, 6>{1, 1, 1, 2, 8, 8}));

    const DeviceCatalogueEntry *vs = entryNamed(c, "VS-1700-0");
    QVERIFY(vs->isCapacitorModel());
    QVERIFY(vs->relaySuffix34.isEmpty());
    QCOMPARE(vs->signalRowLabels.size(), 13);
    QCOMPARE(vs->storageImages.size(), 7);
    QCOMPARE(vs->potiImages.size(), 6); // only six selector pictures exist
    QCOMPARE(vs->layoutFactors.at(2), 2.7);
    QCOMPARE(vs->limits.ipcShutdown.maximum, 600);
    QCOMPARE(vs->parameter.sliderImage,
             QStringLiteral("/images/company/norvex/devices/VS_1700/parameter/slider_cellVoltage_image.svg"));
    QCOMPARE(entryNamed(c, "VS-1000-00")->layoutFactors.at(2), 2.75);
    QVERIFY(entryNamed(c, "VK-10A-2U")->parameter.topBoostLabel.isEmpty());
    QCOMPARE(entryNamed(c, "VT-40A")->parameter.advancedSetting2Label,
             QStringLiteral("Exclusive charging mode"));
    QVERIFY(entryNamed(c, "VT-40A (12V)")->parameter.advancedSetting2Label.isEmpty());
    QCOMPARE(entryNamed(c, "VS-1700-00")->family, DeviceFamily::None);
  }

  void storageModulesAreFoundByCode_data()
  {
    QTest::addColumn<uint>("code");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("capacitor store") << 0x000BE002u << 1 << "VS-11500-0";
    QTest::newRow("7 Ah") << 2u << 2 << "ACM 24/7Ah\nACMF 24/7Ah";
    QTest::newRow("26 Ah") << 10u << 9 << "26Ah";
    QTest::newRow("unknown") << 6u << 0 << "Battery unknown";
    QTest::newRow("none") << 0u << 0 << "Battery unknown";
  }

  void storageModulesAreFoundByCode()
  {
    QFETCH(uint, code);
    QFETCH(int, index);
    QFETCH(QString, name);
    DeviceCatalogue c;
    buildDeviceCatalogue(c, lang, false);
    QCOMPARE(findStorageModule(c, code), index);
    QCOMPARE(c.storageModules[index].name, name);
  }

  void familyFollowsTheModelCode()
  {
    QCOMPARE(familyOfModelCode(0x000BA000), DeviceFamily::Vk5A);
    QCOMPARE(familyOfModelCode(0x000BE031), DeviceFamily::Vs5000);
    QCOMPARE(familyOfModelCode(0x000BE004), DeviceFamily::None);
    QCOMPARE(familyOfModelCode(0), DeviceFamily::None);
  }
};

QTEST_GUILESS_MAIN(DeviceCatalogueTest)
#include "tst_deviceCatalogue.moc"
