// Reading the device's fields into the status page, one family interpreter pass at a time.
#include "devices/valueText.h"
#include "interpretedDevice.h"

#include <QtTest>

#include <memory>

class ProcessInterpretationTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<InterpretedDevice> dut;

  // A device of `model`, identified, whose last answer carried `statusWord`.
  InterpretedDevice &device(const QString &model, uint32_t statusWord = 0x1)
  {
    dut = std::make_unique<InterpretedDevice>();
    InterpretedDevice &s = *dut;
    s.rebuildCatalogue(true); // all models in the catalogue
    s.choose(model);
    s.link.set(LinkFlag::deviceIdentified, true);
    s.fields.rxField600 = statusWord;
    s.fields.rxField601 = 0x0001; // storage present
    return s;
  }

  void pass(InterpretedDevice &s) { QVERIFY(s.pass()); }

private slots:
  void statusWordGivesTheMode_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<uint>("statusWord");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("VK mains") << "VK-10A-2U" << 0x1u << 2 << "Mains operation";
    QTest::newRow("VK no mains") << "VK-10A-2U" << 0x0u << 1 << "Offline";
    QTest::newRow("VK buffer wins over mains") << "VK-10A-2U" << 0x3u << 3 << "Buffer operation";
    QTest::newRow("VK shutdown after IPC") << "VK-5A-2U" << ((1u << 2) | (1u << 18)) << 4 << "Shutdown";
    QTest::newRow("VT IPC shutdown last") << "VT-40A" << ((1u << 2) | (1u << 18)) << 5 << "IPC shutdown";
    QTest::newRow("VK fuse") << "VK-10A-2U" << 0x101u << 10 << "Overload";
    QTest::newRow("VT fuse") << "VKL-20A-0U" << 0x101u << 10 << "Fuse operation";
    QTest::newRow("VT hiccup") << "VT-40A" << 0x201u << 11 << "Hiccup operation";
    QTest::newRow("VT exclusive charging")
        << "VT-40A" << ((1u << 14) | 1u) << 12 << "Exclusive charging mode";
    QTest::newRow("VK safety") << "VK-10A-2U" << ((1u << 13) | 1u) << 7 << "Safety mode";
    QTest::newRow("VK IPC idle") << "VK-10A-2U" << (1u << 19) << 6 << "IPC idle";
    QTest::newRow("VS buffer") << "VS-1700-0" << 0x5u << 3 << "Buffer operation";
    QTest::newRow("VS input failure") << "VS-5000-0" << 0x9u << 7 << "Input voltage failure";
    QTest::newRow("VS IPC note") << "VS-1700-0" << 0x7u << 3 << "Buffer operation [IPC shutdown]";
    QTest::newRow("VS constant current note")
        << "VS-1700-0" << 0x801u << 2 << "Mains operation [Constant current mode]";
    QTest::newRow("VS IPC delay note")
        << "VS-1700-0" << ((1u << 20) | 0x5u) << 3 << "Buffer operation [IPC delay]";
  }

  void statusWordGivesTheMode()
  {
    QFETCH(QString, model);
    QFETCH(uint, statusWord);
    QFETCH(int, mode);
    QFETCH(QString, text);
    InterpretedDevice &s = device(model, statusWord);
    pass(s);
    QCOMPARE(s.process.operatingMode, mode);
    QCOMPARE(s.ui.processData.masterOperationModus, text);
  }

  void maintenancePositionShowsStandby()
  {
    InterpretedDevice &s = device("VS-1700-0", 0x0);
    s.fields.rxField603 = 4;
    pass(s);
    QCOMPARE(s.ui.processData.masterOperationModus, QStringLiteral("Standby [Maintenance]"));
  }

  void capacitorModelIsOfflineAfterALinkLoss()
  {
    InterpretedDevice &s = device("VS-1700-0", 0x801);
    s.link.retryLevel = 1;
    pass(s);
    QCOMPARE(s.process.operatingMode, 1);
    QVERIFY(!s.process.has(Condition::ConstantCurrent));
    QCOMPARE(s.ui.processData.masterOperationModus, QStringLiteral("Offline"));
  }

  void eventRowsFollowTheFamily_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<uint>("statusWord");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("VK mains") << "VK-10A-2U" << 0x1u << QList<int>{1};
    QTest::newRow("VK IPC shutdown, low storage") << "VK-10A-2U" << 0x17u << QList<int>{3, 5};
    QTest::newRow("VK safety raises row 14") << "VK-10A-2U" << 0x2001u << QList<int>{14};
    QTest::newRow("VK system error raises row 13") << "VK-5A-2U" << 0x1001u << QList<int>{1, 13};
    QTest::newRow("VT safety raises row 14") << "VT-40A" << 0x2001u << QList<int>{14};
    QTest::newRow("VT system error raises row 13") << "VT-40A" << 0x1001u << QList<int>{1, 13};
    QTest::newRow("VT over current") << "VKL-10A-0U" << 0x401u << QList<int>{1, 11};
    QTest::newRow("VS IPC shutdown bit") << "VS-1700-0" << 0x7u << QList<int>{2, 3};
    QTest::newRow("VS lifetime and monitoring") << "VS-5000-0" << 0x1401u << QList<int>{1, 11, 13};
  }

  void eventRowsFollowTheFamily()
  {
    QFETCH(QString, model);
    QFETCH(uint, statusWord);
    QFETCH(QList<int>, rows);
    InterpretedDevice &s = device(model, statusWord);
    s.fields.rxField102[1] = 2600; // storage well above the deep-discharge threshold
    pass(s);
    QList<int> raised;
    for (int row = 1; row <= eventRows; ++row) {
      if (s.process.eventSignal[row - 1])
        raised << row;
    }
    QCOMPARE(raised, rows);
  }

  void shutdownRequestFollowsThePreviousMode_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<uint>("statusWord");
    QTest::addColumn<bool>("request");
    QTest::newRow("VK buffer") << "VK-10A-2U" << 0x2u << true;
    QTest::newRow("VK IPC shutdown") << "VK-10A-2U" << 0x4u << false;
    QTest::newRow("VT IPC shutdown") << "VT-40A" << 0x4u << true;
    QTest::newRow("VS buffer") << "VS-1700-0" << 0x4u << true;
    QTest::newRow("mains") << "VT-40A" << 0x1u << false;
  }

  void shutdownRequestFollowsThePreviousMode()
  {
    QFETCH(QString, model);
    QFETCH(uint, statusWord);
    QFETCH(bool, request);
    InterpretedDevice &s = device(model, statusWord);
    s.fields.rxField1305 = 30;
    pass(s);
    QVERIFY(!s.process.pcShutdownRequest); // decided from the mode before this answer
    pass(s);
    QCOMPARE(s.process.pcShutdownRequest, request);
    QCOMPARE(s.process.pcShutdownDelay, 30);
  }

  void zeroWordsAreTakenOnlyAfterTenInARow()
  {
    InterpretedDevice &s = device("VK-10A-2U");
    s.fields.rxField601 = 0x0001;
    s.fields.rxField602 = 0x0001; // automatic charger control on
    pass(s);
    QVERIFY(s.process.storagePresent);
    QVERIFY(s.ui.processData.managementChecked_CheckBox1);
    s.fields.rxField601 = 0;
    s.fields.rxField602 = 0;
    for (int i = 0; i < 10; ++i) {
      pass(s);
      QCOMPARE(s.process.relayWord, uint16_t(1));
      QCOMPARE(s.process.managementWord, uint16_t(1));
    }
    pass(s);
    QCOMPARE(s.process.relayWord, uint16_t(0));
    QCOMPARE(s.process.managementWord, uint16_t(0));
    QVERIFY(!s.ui.processData.managementChecked_CheckBox1);
    QVERIFY(s.process.storagePresent); // bit 1 clear: storage present
    s.fields.rxField601 = 0x0002;
    pass(s);
    QVERIFY(!s.process.storagePresent);
  }

  void bufferTimeShowsTheVdeCheckBox_data()
  {
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("checked");
    QTest::newRow("8 h") << 480 << true;
    QTest::newRow("one minute less") << 479 << false;
  }

  void bufferTimeShowsTheVdeCheckBox()
  {
    QFETCH(int, minutes);
    QFETCH(bool, checked);
    InterpretedDevice &s = device("VT-40A");
    s.fields.rxField1303 = static_cast<uint16_t>(minutes);
    s.fields.rxField603 = 2; // custom buffer time
    pass(s);
    QCOMPARE(s.ui.processData.bufferTime_8hVDE_CheckBoxChecked, checked);
    QVERIFY(s.ui.processData.bufferTime_8hVDE_CheckBoxEnable);
    QCOMPARE(s.ui.processData.bufferTimeMax_Value, QString::number(minutes));
    QCOMPARE(s.loop.currentPotiPicture,
             QStringLiteral("qrc:/images/company/norvex/devices/VT_40A/poti/9.png"));
  }

  void measuredValuesAreWrittenWithUnits()
  {
    InterpretedDevice &s = device("VT-40A");
    RxFields &f = s.fields;
    f.rxField100 = 2410;
    f.rxField104 = 2730;
    f.rxField304 = 4; // 0.04 A: nothing flows
    f.rxField107 = 2210;
    f.rxField307 = 150;
    f.rxField1100[0] = 315;
    f.rxField3[0] = 230117;
    f.rxField4[0] = 4711;
    f.rxField2[0] = 203;
    f.rxField1300[0] = 52344;
    pass(s);
    const ProcessData &pd = s.ui.processData;
    QCOMPARE(pd.masterInput_text, QStringLiteral("24.1 V"));
    QCOMPARE(pd.chargeVoltage, QStringLiteral("27.3 V"));
    QCOMPARE(pd.chargeCurrent, QStringLiteral("-.- A"));
    QCOMPARE(pd.masterTemperatur, QStringLiteral("31.5°C"));
    QCOMPARE(pd.limitsSelText_ComboBox1, 11);     // 22.1 V in the list from 21.0 V
    QCOMPARE(pd.managementSelText_ComboBox2, 13); // 1.5 A in the list from 0.2 A
    QVERIFY(pd.masterDeviceDetailsValues.contains(QStringLiteral("230117-04711")));
    QVERIFY(pd.masterDeviceDetailsValues.contains(QStringLiteral("\n2.03\n")));
    QVERIFY(pd.masterDeviceDetailsValues.contains(QStringLiteral("\n31w 26h \n"))); // 5234 h
    QVERIFY(pd.masterDeviceDetailsLabel.startsWith(QStringLiteral("Device:\nInput:")));
  }

  void picturesAndLampsFollowTheMode()
  {
    InterpretedDevice &s = device("VT-40A", 0x1);
    s.fields.rxField304 = 250; // charging
    pass(s);
    const ProcessData &pd = s.ui.processData;
    QCOMPARE(pd.master_image,
             QStringLiteral("qrc:/images/company/norvex/devices/VT_40A/status/net_mode.gif"));
    QCOMPARE(pd.masterAdding_AnimatedImag,
             QStringLiteral("qrc:/images/company/norvex/batterie/Batterie_ladend.gif"));
    QCOMPARE(pd.green_image, QStringLiteral("qrc:/images/led/led_green.png"));
    QCOMPARE(pd.red_image, QStringLiteral("qrc:/images/led/led_grey.png"));

    s.fields.rxField600 = 0x10002; // input failed, buffering
    s.fields.rxField301 = 1850;
    s.fields.rxField304 = 0;
    pass(s);
    QCOMPARE(pd.master_image,
             QStringLiteral("qrc:/images/company/norvex/devices/VT_40A/status/buffer_mode.gif"));
    QCOMPARE(pd.masterAdding_AnimatedImag,
             QStringLiteral("qrc:/images/company/norvex/batterie/Batterie_entladend.gif"));
    QCOMPARE(pd.yellow_image, QStringLiteral("qrc:/images/led/led_yellow.png"));
    QCOMPARE(pd.yellow_image_tact, 2);

    s.fields.rxField600 = 0x101; // fuse operation
    pass(s);
    QCOMPARE(pd.red_image_tact, 8);
    QCOMPARE(pd.master_image,
             QStringLiteral("qrc:/images/company/norvex/devices/VT_40A/status/over_current_mode.gif"));
  }

  // Status bit 12 is the system error on the battery families and state-of-charge monitoring on
  // the capacitor ones: only the system error lights the red lamp.
  void redLampShowsTheSystemErrorOnly_data()
  {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("systemError");
    QTest::newRow("VK") << "VK-10A-2U" << true;
    QTest::newRow("VT") << "VT-40A" << true;
    QTest::newRow("VKL") << "VKL-20A-0U" << true;
    QTest::newRow("VS") << "VS-1700-0" << false;
    QTest::newRow("VS 5000") << "VS-5000-0" << false;
  }

  void redLampShowsTheSystemErrorOnly()
  {
    QFETCH(QString, model);
    QFETCH(bool, systemError);
    InterpretedDevice &s = device(model, 0x1001); // mains and bit 12
    pass(s);
    const ProcessData &pd = s.ui.processData;
    QCOMPARE(pd.red_image, systemError ? QStringLiteral("qrc:/images/led/led_red.png")
                                       : QStringLiteral("qrc:/images/led/led_grey.png"));
    QCOMPARE(pd.red_image_tact, 0);
    QCOMPARE(pd.signal_Label_ledRed.contains(QStringLiteral("System error")), systemError);
  }

  void relayRowsShowTheRouting()
  {
    InterpretedDevice &s = device("VT-40A");
    s.fields.rxField604 = 0x8001; // row 1, inverted
    s.fields.rxField605 = 0x0004; // row 3 (IPC shutdown)
    s.fields.rxField603 = 1;      // IPC state: relay 24 is reserved for the IPC row
    pass(s);
    const SignalOutputsStruct &so = s.ui.signalOutputs;
    QVERIFY(so.signal14_Row1 && so.signal14_Inverted);
    QVERIFY(so.signal24_Row3 && !so.signal24_Inverted);
    QVERIFY(so.signal24_enabled_Row3 && !so.signal24_enabled_Row1);
    QVERIFY(!so.signal14_enabled_Row3 && so.signal14_enabled_Row1);
  }

  void writtenParametersAreAcknowledged()
  {
    InterpretedDevice &s = device("VT-40A");
    pass(s);
    QVERIFY(s.loop.message.postedMessage.isEmpty());
    s.fields.rxField99 = 1;
    pass(s);
    QCOMPARE(s.loop.message.postedMessage, QStringLiteral("Save"));
    QCOMPARE(s.loop.message.postedMessageTicks, uint8_t(25));
    s.loop.message.postedMessage.clear();
    pass(s);
    QVERIFY(s.loop.message.postedMessage.isEmpty()); // only on the rising edge
  }

  void storageModulesGetTheirDetails()
  {
    InterpretedDevice &s = device("VT-40A");
    s.fields.subDeviceCount = 1;
    s.fields.rxField1[1] = 2;
    s.fields.rxField3[1] = 1234;
    s.fields.rxField2[1] = 110;
    pass(s);
    const ProcessData &pd = s.ui.processData;
    QCOMPARE(pd.slave1_DeviceDetailsValues,
             QStringLiteral("ACM 24/7Ah / ACMF 24/7Ah\n0h \n001234\n1.10\n7Ah"));
    QVERIFY(pd.slave1_DeviceDetailsLabel.startsWith(QStringLiteral("Device:\nOperating time:")));
    QVERIFY(pd.slave2_DeviceDetailsValues.isEmpty());
  }

  void modelWithoutInterpreterIsNotRead()
  {
    InterpretedDevice &s = device("VS-1700-00", 0x3);
    QVERIFY(!familyInterpreterAvailable(currentCatalogueEntry(s.catalogue)));
    QVERIFY(!s.pass());
    QCOMPARE(s.process.operatingMode, 0);
  }
};

class ValueTextTest : public QObject
{
  Q_OBJECT

private slots:
  void temperature_data()
  {
    QTest::addColumn<int>("raw");
    QTest::addColumn<bool>("fahrenheit");
    QTest::addColumn<QString>("text");
    QTest::newRow("warm") << 315 << false << "31.5°C";
    QTest::newRow("frost") << int(uint16_t(~25u)) << false << "-2.5°C";
    QTest::newRow("lowest shown") << int(uint16_t(~500u)) << false << "-50.0°C";
    QTest::newRow("below -50") << int(uint16_t(~501u)) << false << "-";
    QTest::newRow("freezing in F") << 0 << true << "32.0°F";
    QTest::newRow("frost in F") << int(uint16_t(~250u)) << true << "-13.0°F";
  }

  void temperature()
  {
    QFETCH(int, raw);
    QFETCH(bool, fahrenheit);
    QFETCH(QString, text);
    QCOMPARE(temperatureText(static_cast<uint16_t>(raw), fahrenheit, fahrenheit ? "°F" : "°C"), text);
  }

  void operatingTime_data()
  {
    QTest::addColumn<uint>("hours");
    QTest::addColumn<QString>("text");
    QTest::newRow("hours") << 5u << "5h ";
    QTest::newRow("weeks") << 3u * 168 + 5 << "3w 5h ";
    QTest::newRow("years") << 2u * 8784 + 3 * 168 + 5 << "2a 3w 5h ";
    QTest::newRow("one year") << 8784u << "1a 0w 0h ";
  }

  void operatingTime()
  {
    QFETCH(uint, hours);
    QFETCH(QString, text);
    QCOMPARE(operatingTimeText(hours), text);
  }

  void numbersAndLists()
  {
    QCOMPARE(batchNumberText(42), QStringLiteral("000042"));
    QCOMPARE(serialNumberText(4711), QStringLiteral("04711"));
    QCOMPARE(firmwareVersionText(0), QStringLiteral("0.00"));
    QCOMPARE(firmwareVersionText(203), QStringLiteral("2.03"));
    QCOMPARE(hundredthsTextOrNone(4, "A"), QStringLiteral("-.- A"));
    QCOMPARE(hundredthsTextOrNone(5, "A"), QStringLiteral("0.1 A"));
    const QStringList list{"20V", "20.1V", "20.2V", "7,5A"};
    QCOMPARE(listIndexOf(list, 2010), 1);
    QCOMPARE(listIndexOf(list, 2000), 0);
    QCOMPARE(listIndexOf(list, 750), 3);
    QCOMPARE(listIndexOf(list, 1999), -1);
    const QVector<qint64> hundredths = listHundredths(QStringList{"20V", "A", "7,5A", " 2.5 V"});
    QCOMPARE(hundredths, (QVector<qint64>{2000, noListNumber, 750, 250}));
    QCOMPARE(hundredthsIndexOf(hundredths, 250), 3);
    QCOMPARE(hundredthsIndexOf(hundredths, 0), -1); // the entry without a number matches nothing
  }
};

int main(int argc, char **argv)
{
  QCoreApplication application(argc, argv);
  ProcessInterpretationTest interpretation;
  ValueTextTest valueText;
  return QTest::qExec(&interpretation, argc, argv) + QTest::qExec(&valueText, argc, argv);
}

#include "tst_processInterpretation.moc"
