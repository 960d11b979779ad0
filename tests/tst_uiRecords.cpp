// QML binds to the records' property names and the back end's method names: check the interface.
#include "app/upsApp.h"
#include "common/recordEquality.h"
#include "common/uiRecords.h"

#include <QtTest>

#include <iterator>

namespace
{
struct RecordShape {
  const QMetaObject *meta;
  int count;
  const char *first;
  const char *last;
};

const RecordShape recordShapes[] = {
    {&StartWindowStruct::staticMetaObject, 1, "currentDevice", "currentDevice"},
    {&PcShutdownStruct::staticMetaObject, 9, "u_pcShutdown_image", "pcShutdownCancel_Text"},
    {&StatusWindowStruct::staticMetaObject, 5, "poti_image", "infotextQT"},
    {&MainWindowStruct::staticMetaObject, 16, "setFactorySettings_Bezeichnung",
     "overloadBehaviorParamter_Button"},
    {&IpcSettingStruct::staticMetaObject, 16, "delayTime_Label", "textFastStartupMessage"},
    {&SystemWindowStruct::staticMetaObject, 27, "textLanguage", "noText"},
    // The firmware progress follows the properties the pages had from the start.
    {&ProductionWindowStruct::staticMetaObject, 19, "slaveID_text", "firmwareProgress"},
    {&DeviceParameterStruct::staticMetaObject, 49, "limitsFrameLabel", "allowedRange_TextBox"},
    {&SignalOutputsStruct::staticMetaObject, 110, "ipcSignalNumber", "signal34_enabled_Row14"},
    {&ProgramstartWindowStruct::staticMetaObject, 48, "programstartDelay_label", "p2_path"},
    {&EmailWindowStruct::staticMetaObject, 81, "emailPath_label", "email2_TestState"},
    {&ProcessData::staticMetaObject, 170, "masterDeviceDetailsLabel",
     "valuesOutOfRange"}, // three alarm members after IpcCheckboxChecked
    {&CompanyDataStruct::staticMetaObject, 50, "imageVertical", "show_icon_inTaskbar"},
};

// A value of the property's type that a default record does not hold.
QVariant otherValue(const QMetaProperty &p)
{
  switch (p.userType()) {
  case QMetaType::QString:
    return QStringLiteral("x");
  case QMetaType::QStringList:
    return QStringList{QStringLiteral("x")};
  case QMetaType::Int:
    return 7;
  case QMetaType::Bool:
    return true;
  case QMetaType::Double:
    return 0.5;
  default:
    return {};
  }
}

// Changing any one property makes the record differ from a default one.
template <typename Record> void everyPropertyTakesPart()
{
  const QMetaObject &meta = Record::staticMetaObject;
  QVERIFY(sameRecord(Record{}, Record{}));
  for (int i = 0; i < meta.propertyCount(); ++i) {
    const QMetaProperty p = meta.property(i);
    Record changed{};
    QVERIFY2(p.writeOnGadget(&changed, otherValue(p)), p.name());
    QVERIFY2(!sameRecord(Record{}, changed), p.name());
  }
}
} // namespace

class UiRecordsTest : public QObject
{
  Q_OBJECT

private slots:
  void recordsHaveTheirPropertiesInOrder_data()
  {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(recordShapes)); ++i)
      QTest::newRow(recordShapes[i].meta->className()) << i;
  }

  void recordsHaveTheirPropertiesInOrder()
  {
    QFETCH(int, index);
    const RecordShape *s = &recordShapes[index];
    QCOMPARE(s->meta->propertyCount(), s->count);
    QCOMPARE(QByteArray(s->meta->property(0).name()), QByteArray(s->first));
    QCOMPARE(QByteArray(s->meta->property(s->count - 1).name()), QByteArray(s->last));
    for (int i = 0; i < s->count; ++i) {
      const QMetaProperty p = s->meta->property(i);
      QVERIFY(p.isReadable() && p.isWritable() && !p.hasNotifySignal());
    }
  }

  void namesKeepTheirSpelling_data()
  {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("type");
    QTest::newRow("1") << "MainWindowStruct"
                       << "ipcSettungsSystem_Button"
                       << "QString";
    QTest::newRow("2") << "MainWindowStruct"
                       << "generalParamter_Button"
                       << "QString";
    QTest::newRow("3") << "DeviceParameterStruct"
                       << "overloadBehavior_Label_Buttom1"
                       << "QString";
    QTest::newRow("4") << "DeviceParameterStruct"
                       << "bufferCurentLimit_List"
                       << "QStringList";
    QTest::newRow("5") << "EmailWindowStruct"
                       << "emailConding"
                       << "QString";
    QTest::newRow("6") << "EmailWindowStruct"
                       << "email2_CodingValue"
                       << "int";
    QTest::newRow("7") << "ProcessData"
                       << "masterAdding_AnimatedImag"
                       << "QString";
    QTest::newRow("8") << "ProcessData"
                       << "rahmen_height_factor"
                       << "double";
    QTest::newRow("9") << "ProcessData"
                       << "comportList"
                       << "QStringList";
    QTest::newRow("10") << "StatusWindowStruct"
                        << "deviceInfoTitel"
                        << "QString";
    QTest::newRow("11") << "SignalOutputsStruct"
                        << "signalEvent_Label"
                        << "QString";
    QTest::newRow("12") << "ProgramstartWindowStruct"
                        << "p1_signal15"
                        << "bool";
  }

  void namesKeepTheirSpelling()
  {
    QFETCH(QString, record);
    QFETCH(QString, property);
    QFETCH(QString, type);
    const QHash<QString, const QMetaObject *> records{
        {"MainWindowStruct", &MainWindowStruct::staticMetaObject},
        {"DeviceParameterStruct", &DeviceParameterStruct::staticMetaObject},
        {"EmailWindowStruct", &EmailWindowStruct::staticMetaObject},
        {"ProcessData", &ProcessData::staticMetaObject},
        {"StatusWindowStruct", &StatusWindowStruct::staticMetaObject},
        {"SignalOutputsStruct", &SignalOutputsStruct::staticMetaObject},
        {"ProgramstartWindowStruct", &ProgramstartWindowStruct::staticMetaObject},
    };
    const QMetaObject *meta = records.value(record);
    QVERIFY(meta);
    const int index = meta->indexOfProperty(property.toLatin1().constData());
    QVERIFY(index >= 0);
    QCOMPARE(QString::fromLatin1(meta->property(index).typeName()), type);
  }

  // The loop sends a record only when it differs from the copy sent last: the comparison must see
  // every property (tools/make_record_equality.py writes it from the records).
  void comparisonSeesEveryProperty()
  {
    everyPropertyTakesPart<StartWindowStruct>();
    everyPropertyTakesPart<PcShutdownStruct>();
    everyPropertyTakesPart<StatusWindowStruct>();
    everyPropertyTakesPart<MainWindowStruct>();
    everyPropertyTakesPart<IpcSettingStruct>();
    everyPropertyTakesPart<SystemWindowStruct>();
    everyPropertyTakesPart<ProductionWindowStruct>();
    everyPropertyTakesPart<DeviceParameterStruct>();
    everyPropertyTakesPart<SignalOutputsStruct>();
    everyPropertyTakesPart<ProgramstartWindowStruct>();
    everyPropertyTakesPart<EmailWindowStruct>();
    everyPropertyTakesPart<ProcessData>();
    everyPropertyTakesPart<CompanyDataStruct>();
  }

  void defaultRecordIsEmpty()
  {
    ProcessData pd;
    QVERIFY(pd.extraMessage.isEmpty());
    QCOMPARE(pd.visuDelay_ms, 0);
    QCOMPARE(pd.startUp, false);
    QCOMPARE(pd.rahmen_width_factor, 0.0);
  }

  void backEndMethodsHaveTheirIndices()
  {
    const QMetaObject &m = upsApp::staticMetaObject;
    const int base = m.methodOffset();
    QCOMPARE(m.method(base + 0).name(), QByteArray("sendToQml_ProductionWindow"));
    QCOMPARE(m.method(base + 7).methodSignature(), QByteArray("sendToQml_ProcessData(ProcessData)"));
    QCOMPARE(m.method(base + 11).name(), QByteArray("sendToQml_EmailWindow"));
    QCOMPARE(m.method(base + 12).name(), QByteArray("receiveFromQml_SetGetSetting"));
    QCOMPARE(m.method(base + 13).returnType(), int(QMetaType::QString));
    QCOMPARE(m.method(base + 20).parameterCount(), 8);
    QCOMPARE(m.method(base + 41).name(), QByteArray("receiveFromQml_SetProgramstartTimeConfig"));
    QCOMPARE(m.method(base + 42).name(), QByteArray("SystemLoop"));
    QCOMPARE(m.method(base + 42).access(), QMetaMethod::Private);
    for (int i = 0; i < 12; ++i)
      QCOMPARE(m.method(base + i).methodType(), QMetaMethod::Signal);
    for (int i = 12; i < 42; ++i)
      QVERIFY(m.method(base + i).name().startsWith("receiveFromQml_"));
  }
};

QTEST_GUILESS_MAIN(UiRecordsTest)
#include "tst_uiRecords.moc"
