// Page choices to device values: list numbers, the management word of each family, the stored
// parameter text and the write payload.
#include "common/languageTable.h"
#include "devices/deviceCatalogue.h"
#include "devices/parameterEncoding.h"
#include "devices/valueText.h"
#include "link/rxFields.h"

#include <QtTest>

namespace
{
// Page check boxes as letters: C charger control, F fuse, H hiccup, P Power-Boost, T Top-Boost,
// 1 and 2 advanced settings, I IPC mode.
ManagementPageState page(const QString &letters)
{
  ManagementPageState p;
  p.chargerControl = letters.contains('C');
  p.fuseOperation = letters.contains('F');
  p.hiccupOperation = letters.contains('H');
  p.powerBoost = letters.contains('P');
  p.topBoost = letters.contains('T');
  p.advanced1 = letters.contains('1');
  p.advanced2 = letters.contains('2');
  p.ipcMode = letters.contains('I');
  return p;
}

QString letters(const ManagementPageState &p)
{
  QString s;
  const std::pair<bool, char> flags[] = {
      {p.chargerControl, 'C'}, {p.fuseOperation, 'F'}, {p.hiccupOperation, 'H'}, {p.powerBoost, 'P'},
      {p.topBoost, 'T'},       {p.advanced1, '1'},     {p.advanced2, '2'},       {p.ipcMode, 'I'}};
  for (const auto &[on, letter] : flags) {
    if (on)
      s += QLatin1Char(letter);
  }
  return s;
}

ManagementModel model(const QString &kind)
{
  ManagementModel m;
  m.layout = kind.startsWith("VS") ? ParameterLayout::Capacitor : ParameterLayout::Battery;
  m.hasTopBoost = kind != "VK-2U";
  m.hasAdvancedSettings = kind == "VT";
  m.demo = kind == "VS demo";
  return m;
}

constexpr int none = -1; // no word is sent
} // namespace

Q_DECLARE_METATYPE(QVector<ParameterPair>)

class ParameterEncodingTest : public QObject
{
  Q_OBJECT

private slots:
  void listTextGivesItsNumber_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("expected");
    QTest::newRow("volts") << "26.5V" << 100 << 2650;
    QTest::newRow("amperes below 1") << "0.2A" << 100 << 20;
    QTest::newRow("whole amperes") << "22A" << 100 << 2200;
    QTest::newRow("decimal comma") << "2,8V" << 100 << 280;
    QTest::newRow("blanks around") << " 17.5 V " << 100 << 1750;
    QTest::newRow("third decimal 5 rounds up") << "1.005V" << 100 << 101;
    QTest::newRow("third decimal 4 rounds down") << "1.004V" << 100 << 100;
    QTest::newRow("largest") << "655.35V" << 100 << 65535;
    QTest::newRow("too large") << "655.36V" << 100 << none;
    QTest::newRow("no number") << "V" << 100 << none;
    QTest::newRow("empty") << "" << 100 << none;
    QTest::newRow("unscaled") << "44A" << 1 << 44;
    QTest::newRow("unscaled rounds half up") << "2.5A" << 1 << 3;
  }

  void listTextGivesItsNumber()
  {
    QFETCH(QString, text);
    QFETCH(int, scale);
    QFETCH(int, expected);
    const std::optional<uint16_t> value = numberFromListText(text, scale);
    QCOMPARE(value ? int(*value) : none, expected);
  }

  // What a page sends for a list entry is what the page shows selected once the device reports it.
  void everyListEntryComesBackAsItsOwnSelection()
  {
    LanguageTable language;
    fillLanguageTable(language);
    DeviceCatalogue catalogue;
    buildDeviceCatalogue(catalogue, language, true);
    int checked = 0;
    for (int i = 1; i < catalogue.catalogueCount; ++i) {
      const ParameterTexts &p = catalogue.entries[i].parameter;
      for (const QStringList *list :
           {&p.bufferThresholdList, &p.endOfChargeList, &p.chargeCurrentList, &p.deepDischargeList,
            &p.turnOnCurrentLimitList, &p.bufferCurrentLimitList}) {
        for (int k = 0; k < list->size(); ++k) {
          const std::optional<uint16_t> value = numberFromListText(list->at(k));
          QVERIFY2(value, qPrintable(list->at(k)));
          QCOMPARE(listIndexOf(*list, *value), k);
          ++checked;
        }
      }
    }
    QVERIFY(checked > 500);
  }

  void typedNumbers_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("number") << "480" << 480;
    QTest::newRow("blanks") << " 60 " << 60;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("largest") << "65535" << 65535;
    QTest::newRow("too large") << "65536" << none;
    QTest::newRow("negative") << "-5" << none;
    QTest::newRow("sign") << "+5" << none;
    QTest::newRow("decimal") << "4.5" << none;
    QTest::newRow("letters") << "48x" << none;
    QTest::newRow("empty") << "" << none;
  }

  void typedNumbers()
  {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<uint16_t> value = wholeNumberText(text);
    QCOMPARE(value ? int(*value) : none, expected);
  }

  // Typed into a box whose value the model limits: any whole number lands inside the limits.
  void typedNumbersInRange_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << "900" << 2 << 3600 << 900;
    QTest::newRow("below") << "1" << 2 << 3600 << 2;
    QTest::newRow("above") << "5000" << 2 << 3600 << 3600;
    QTest::newRow("above 16 bits") << "70000" << 2 << 3600 << 3600;
    QTest::newRow("above 32 bits") << "4294967296" << 2 << 3600 << 3600;
    QTest::newRow("thirty digits") << "123456789012345678901234567890" << 2 << 3600 << 3600;
    QTest::newRow("range up to 65535") << "99999999" << 0 << 65535 << 65535;
    QTest::newRow("letters") << "70000s" << 2 << 3600 << none;
    QTest::newRow("negative") << "-5" << 2 << 3600 << none;
    QTest::newRow("empty") << " " << 2 << 3600 << none;
    QTest::newRow("no range") << "65535" << 0 << 0 << 65535;
    QTest::newRow("no range, too large") << "65536" << 0 << 0 << none;
  }

  void typedNumbersInRange()
  {
    QFETCH(QString, text);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, expected);
    const std::optional<uint16_t> value = wholeNumberInRange(text, ValueRange{minimum, maximum});
    QCOMPARE(value ? int(*value) : none, expected);
  }

  void clampingToTheCatalogueLimits()
  {
    const ValueRange bufferTime{2, 3600};
    QCOMPARE(clampedToRange(1, bufferTime), uint16_t(2));
    QCOMPARE(clampedToRange(5000, bufferTime), uint16_t(3600));
    QCOMPARE(clampedToRange(2, bufferTime), uint16_t(2));
    QCOMPARE(clampedToRange(3600, bufferTime), uint16_t(3600));
    QCOMPARE(clampedToRange(900, bufferTime), uint16_t(900));
    QCOMPARE(clampedToRange(5000, ValueRange{}), uint16_t(5000)); // battery models have no limits
  }

  // Model kinds: "VK" (both boosts), "VK-2U" (no Top-Boost control), "VT" (advanced settings),
  // "VS", "VS demo". The page before and after the change, as letters (see page()).
  void managementWords_data()
  {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("setting");
    QTest::addColumn<bool>("state");
    QTest::addColumn<int>("word");
    QTest::addColumn<QString>("after");

    QTest::newRow("battery charger on") << "VK"
                                        << "" << 0 << true << 0x0001 << "C";
    QTest::newRow("battery charger on keeps the rest") << "VK"
                                                       << "FP" << 0 << true << 0x0007 << "CFP";
    QTest::newRow("battery charger off") << "VK"
                                         << "CFPT" << 0 << false << 0x000E << "FPT";
    QTest::newRow("battery overload") << "VK"
                                      << "C" << 7 << true << 0x0003 << "CF";
    QTest::newRow("battery Power-Boost") << "VK"
                                         << "C" << 3 << true << 0x0005 << "CP";
    QTest::newRow("battery Top-Boost") << "VK"
                                       << "CP" << 4 << true << 0x000D << "CPT";
    QTest::newRow("battery Top-Boost off") << "VK"
                                           << "CPT" << 4 << false << 0x0005 << "CP";
    QTest::newRow("one boost control sets both") << "VK-2U"
                                                 << "C" << 3 << true << 0x000D << "CPT";
    QTest::newRow("one boost control clears both") << "VK-2U"
                                                   << "CPT" << 3 << false << 0x0001 << "C";
    QTest::newRow("VT 12V operation") << "VT"
                                      << "C" << 100 << true << 0x8001 << "C1";
    QTest::newRow("VT exclusive charging") << "VT"
                                           << "C1" << 101 << true << 0x8081 << "C12";
    QTest::newRow("VT keeps advanced bits") << "VT"
                                            << "12" << 3 << true << 0x8084 << "P12";
    QTest::newRow("advanced setting on VK") << "VK"
                                            << "C" << 100 << true << none << "C";
    QTest::newRow("battery has no setting 8") << "VK"
                                              << "C" << 8 << true << none << "C";
    QTest::newRow("battery has no IPC mode") << "VK"
                                             << "C" << 15 << true << none << "C";

    QTest::newRow("fuse reset") << "VS"
                                << "" << 0 << true << 0x0001 << "";
    QTest::newRow("fuse reset keeps the rest") << "VS"
                                               << "FIPT" << 0 << true << 0x001F << "FIPT";
    QTest::newRow("no reset without the state") << "VS"
                                                << "FIPT" << 0 << false << 0x001E << "FIPT";
    QTest::newRow("fuse operation") << "VS"
                                    << "H" << 7 << true << 0x0002 << "F";
    QTest::newRow("no fuse operation") << "VS"
                                       << "FP" << 7 << false << 0x0010 << "HP";
    QTest::newRow("hiccup operation") << "VS"
                                      << "FP" << 8 << true << 0x0010 << "HP";
    QTest::newRow("no hiccup operation") << "VS"
                                         << "HT" << 8 << false << 0x000A << "FT";
    QTest::newRow("IPC mode") << "VS"
                              << "P" << 15 << true << 0x0014 << "IP";
    QTest::newRow("capacitor Power-Boost") << "VS"
                                           << "F" << 3 << true << 0x0012 << "FP";
    QTest::newRow("capacitor Top-Boost") << "VS"
                                         << "I" << 4 << true << 0x000C << "IT";
    QTest::newRow("capacitor has no setting 100") << "VS"
                                                  << "F" << 100 << true << none << "F";
    QTest::newRow("demo Power-Boost") << "VS demo"
                                      << "F" << 3 << true << none << "FP";
    QTest::newRow("demo Top-Boost") << "VS demo"
                                    << "" << 4 << true << none << "T";
    QTest::newRow("demo overload") << "VS demo"
                                   << "F" << 8 << true << none << "H";
    QTest::newRow("demo fuse reset") << "VS demo"
                                     << "P" << 0 << true << 0x0011 << "P";
    QTest::newRow("demo IPC mode") << "VS demo"
                                   << "" << 15 << true << 0x0004 << "I";
  }

  void managementWords()
  {
    QFETCH(QString, kind);
    QFETCH(QString, before);
    QFETCH(int, setting);
    QFETCH(bool, state);
    QFETCH(int, word);
    QFETCH(QString, after);
    ManagementPageState p = page(before);
    const std::optional<uint16_t> encoded = encodeManagementWord(model(kind), p, setting, state);
    QCOMPARE(encoded ? int(*encoded) : none, word);
    QCOMPARE(letters(p), letters(page(after)));
  }

  // The page state read from a reported word builds that word again, for the bits the family uses.
  void reportedWordAndPageStateAgree_data()
  {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("usedBits");
    QTest::newRow("VK") << "VK" << 0x000F;
    QTest::newRow("VT") << "VT" << 0x808F;
    QTest::newRow("VS") << "VS" << 0x001E;
  }

  void reportedWordAndPageStateAgree()
  {
    QFETCH(QString, kind);
    QFETCH(int, usedBits);
    const ManagementModel m = model(kind);
    for (int word = 0; word <= 0xFFFF; ++word) {
      const ManagementPageState p = managementPageStateOf(m, uint16_t(word));
      QCOMPARE(int(managementWordOf(m, p)), word & usedBits);
      if (m.layout == ParameterLayout::Capacitor)
        QCOMPARE(p.hiccupOperation, !p.fuseOperation);
    }
  }

  void storedTextOfEachFamily_data()
  {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("text");
    QTest::newRow("battery") << int(ParameterLayout::Battery)
                             << "107:2200 105:2760 307:100 604:1 605:2 606:0 602:1 1305:5 1306:10 1304:60 "
                                "1303:480 110:1900 ";
    QTest::newRow("capacitor") << int(ParameterLayout::Capacitor)
                               << "107:2200 108:250 305:2100 306:4400 307:100 604:1 605:4 602:16 1305:5 "
                                  "1306:10 1304:60 1303:120 1302:2 1307:0 504:50 505:90 ";
  }

  // The text holds the reported values in the family's order; reading it back gives the same pairs.
  void storedTextOfEachFamily()
  {
    QFETCH(int, layout);
    QFETCH(QString, text);
    RxFields f;
    f.rxField107 = 2200;
    f.rxField105 = 2760;
    f.rxField307 = 100;
    f.rxField604 = 1;
    f.rxField605 = layout == int(ParameterLayout::Battery) ? 2 : 4;
    f.rxField606 = 0;
    f.rxField602 = layout == int(ParameterLayout::Battery) ? 1 : 16;
    f.rxField1305 = 5;
    f.rxField1306 = 10;
    f.rxField1304 = 60;
    f.rxField1303 = layout == int(ParameterLayout::Battery) ? 480 : 120;
    f.rxField110 = 1900;
    f.rxField108 = 250;
    f.rxField305 = 2100;
    f.rxField306a = 4400;
    f.rxField306b = 2200;
    f.rxField1302 = 2;
    f.rxField1307 = 0;
    f.rxField504 = 50;
    f.rxField505 = 90;

    const auto l = ParameterLayout(layout);
    QVector<ParameterPair> pairs;
    for (uint16_t id : savedParameterIds(l))
      pairs << ParameterPair{id, reportedParameterValue(f, id)};
    QCOMPARE(parameterSetText(pairs), text);
    const ParsedParameterSet parsed = parseParameterSetText(text, l);
    QCOMPARE(parsed.pairs, pairs);
    QCOMPARE(parsed.skipped, 0);
  }

  void readingAStoredText_data()
  {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<ParameterPair>>("pairs");
    QTest::addColumn<int>("skipped");
    const int battery = int(ParameterLayout::Battery);
    const int capacitor = int(ParameterLayout::Capacitor);
    QTest::newRow("empty") << battery << "" << QVector<ParameterPair>{} << 0;
    QTest::newRow("blanks") << battery << "  107:2200   105:2760"
                            << QVector<ParameterPair>{{107, 2200}, {105, 2760}} << 0;
    QTest::newRow("missing value") << battery << "107: 105:2760" << QVector<ParameterPair>{{105, 2760}} << 1;
    QTest::newRow("id alone") << battery << "107 105:2760" << QVector<ParameterPair>{{105, 2760}} << 1;
    QTest::newRow("missing id") << battery << ":5 105:2760" << QVector<ParameterPair>{{105, 2760}} << 1;
    QTest::newRow("not numbers") << battery << "abc:5 107:x1 105:2760" << QVector<ParameterPair>{{105, 2760}}
                                 << 2;
    QTest::newRow("value too large") << battery << "107:65536 105:65535"
                                     << QVector<ParameterPair>{{105, 65535}} << 1;
    QTest::newRow("three parts") << battery << "107:1:2 105:2760" << QVector<ParameterPair>{{105, 2760}} << 1;
    QTest::newRow("id not stored by the family")
        << battery << "9:43690 108:240 105:2760" << QVector<ParameterPair>{{105, 2760}} << 2;
    QTest::newRow("capacitor id") << capacitor << "108:240 110:1900" << QVector<ParameterPair>{{108, 240}}
                                  << 1;
    QTest::newRow("no stored fuse reset") << capacitor << "602:27" << QVector<ParameterPair>{{602, 26}} << 0;
    QTest::newRow("battery bit 0 is charger control")
        << battery << "602:5" << QVector<ParameterPair>{{602, 5}} << 0;
    QTest::newRow("no family") << int(ParameterLayout::None) << "107:2200" << QVector<ParameterPair>{} << 1;
  }

  void readingAStoredText()
  {
    QFETCH(int, layout);
    QFETCH(QString, text);
    QFETCH(QVector<ParameterPair>, pairs);
    QFETCH(int, skipped);
    const ParsedParameterSet parsed = parseParameterSetText(text, ParameterLayout(layout));
    QCOMPARE(parsed.pairs, pairs);
    QCOMPARE(parsed.skipped, skipped);
  }

  void writePayloadIsIdThenValueHighByteFirst()
  {
    QCOMPARE(parameterWritePayload({{107, 2200}, {602, 0x8001}, {9, 0xAAAA}}),
             QByteArray::fromHex("006B0898025A80010009AAAA"));
  }
};

QTEST_GUILESS_MAIN(ParameterEncodingTest)
#include "tst_parameterEncoding.moc"
