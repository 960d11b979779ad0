// The optional settings file beside the program: build flags, the back-to-status time and the
// diagnostic field listing.
#include "link/buildOptions.h"
#include "link/rxFields.h"

#include <QtTest>

namespace
{
SpecialSettings read(const QByteArray &content)
{
  QTemporaryFile file;
  file.open();
  file.write(content);
  file.flush();
  SpecialSettings settings;
  loadSpecialSettings(settings, file.fileName());
  return settings;
}
} // namespace

class BuildOptionsTest : public QObject
{
  Q_OBJECT

private slots:
  void switchLinesSetTheBuildFlags_data()
  {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("production");
    QTest::addColumn<bool>("debug");
    QTest::addColumn<bool>("demo");
    QTest::newRow("production") << QByteArray("255:100\n") << true << false << false;
    QTest::newRow("debug") << QByteArray("255:101\n") << true << true << false;
    QTest::newRow("demo") << QByteArray("255:102\n") << false << false << true;
    QTest::newRow("other key") << QByteArray("255:7\n") << false << false << false;
    QTest::newRow("comment") << QByteArray("-255:101\n") << false << false << false;
    QTest::newRow("spaces and CR") << QByteArray(" 25 5 : 1 01 \r\n") << true << true << false;
  }

  void switchLinesSetTheBuildFlags()
  {
    QFETCH(QByteArray, line);
    QFETCH(bool, production);
    QFETCH(bool, debug);
    QFETCH(bool, demo);
    const SpecialSettings s = read(line);
    QCOMPARE(s.production_version, production);
    QCOMPARE(s.debug_version, debug);
    QCOMPARE(s.demo_version, demo);
    QVERIFY(s.specialEntries.isEmpty());
  }

  void backToStatusTime_data()
  {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("seconds");
    QTest::newRow("none") << QByteArray() << 60;
    QTest::newRow("5") << QByteArray("250:5") << 60;
    QTest::newRow("9") << QByteArray("250:9") << 60;
    QTest::newRow("10") << QByteArray("250:10") << 10;
    QTest::newRow("120") << QByteArray("250:120") << 120;
    QTest::newRow("65535") << QByteArray("250:65535") << 60;
  }

  void backToStatusTime()
  {
    QFETCH(QByteArray, content);
    QFETCH(int, seconds);
    QCOMPARE(usableBackToStatusTimeout(read(content).backToStatusPageTimeout_sec), seconds);
  }

  void missingFileSetsNothing()
  {
    SpecialSettings s;
    s.production_version = true; // cleared before reading
    loadSpecialSettings(s, QStringLiteral("/nonexistent/specialSettings.txt"));
    QVERIFY(!s.production_version);
    QVERIFY(s.specialEntries.isEmpty());
  }

  void listedFieldsAreReported()
  {
    const SpecialSettings s = read("- listing\n2:1309\n0:503\n0:999\n");
    QCOMPARE(s.specialEntries.size(), 3);
    RxFields f;
    f.rxField1309Text[2] = QStringLiteral("4711");
    f.rxField503 = 87;
    QCOMPARE(specialSettingsReport(s, f), QStringLiteral("\n\nID:KENNUNG:WERT\n2: 1309: 4711\n0: 503: 87"));
    QVERIFY(specialSettingsReport(read("0:999\n"), f).isEmpty());
  }

  // Every listed field for the UPS, the three sub devices and an identifier past them: the
  // per-sub-device fields show the addressed unit's value, and nothing for identifier 7.
  void reportLineOfEachField_data()
  {
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("values"); // for identifiers 0, 1, 2, 3, 7; empty = no line
    QTest::newRow("1308") << 1308 << QStringList{"1308", "1308", "1308", "1308", "1308"};
    QTest::newRow("1309") << 1309 << QStringList{"a0", "a1", "a2", "a3", ""};
    QTest::newRow("1310") << 1310 << QStringList{"b0", "b1", "b2", "b3", ""};
    QTest::newRow("503") << 503 << QStringList{"503", "503", "503", "503", "503"};
    QTest::newRow("102") << 102 << QStringList{"1020", "1021", "1022", "1023", ""};
    QTest::newRow("103") << 103 << QStringList{"103", "103", "103", "103", "103"};
    QTest::newRow("107") << 107 << QStringList{"107", "107", "107", "107", "107"};
    QTest::newRow("109") << 109 << QStringList{"109", "109", "109", "109", "109"};
  }

  void reportLineOfEachField()
  {
    QFETCH(int, key);
    QFETCH(QStringList, values);
    RxFields f;
    f.rxField1308 = 1308;
    f.rxField503 = 503;
    f.rxField103 = 103;
    f.rxField107 = 107;
    f.rxField109 = 109;
    for (int sub = 0; sub < subDeviceSlots; ++sub) {
      f.rxField1309Text[sub] = QStringLiteral("a%1").arg(sub);
      f.rxField1310Text[sub] = QStringLiteral("b%1").arg(sub);
      f.rxField102[sub] = static_cast<uint16_t>(1020 + sub);
    }
    const int ids[] = {0, 1, 2, 3, 7};
    for (int i = 0; i < 5; ++i) {
      const QByteArray line = QByteArray::number(ids[i]) + ':' + QByteArray::number(key) + '\n';
      const QString expected =
          values[i].isEmpty()
              ? QString()
              : QStringLiteral("\n\nID:KENNUNG:WERT\n%1: %2: %3").arg(ids[i]).arg(key).arg(values[i]);
      QCOMPARE(specialSettingsReport(read(line), f), expected);
    }
  }

  // The file beside the program wins; without it the one in the user's configuration folder is read.
  void settingsFileLocation_data()
  {
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<bool>("inConfigFolder");
    QTest::addColumn<bool>("production");
    QTest::addColumn<bool>("demo");
    QTest::newRow("beside the program") << true << true << true << false;
    QTest::newRow("configuration folder") << false << true << false << true;
    QTest::newRow("neither") << false << false << false << false;
  }

  void settingsFileLocation()
  {
    QFETCH(bool, besideProgram);
    QFETCH(bool, inConfigFolder);
    QFETCH(bool, production);
    QFETCH(bool, demo);
    QTemporaryDir program, config;
    auto write = [](const QString &path, const QByteArray &content) {
      QDir().mkpath(QFileInfo(path).path());
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(content);
    };
    if (besideProgram)
      write(program.path() + "/specialSettings.txt", "255:100\n");
    if (inConfigFolder)
      write(config.path() + "/talvane/specialSettings.txt", "255:102\n");
    SpecialSettings s;
    loadSpecialSettings(s, specialSettingsPath(program.path(), config.path()));
    QCOMPARE(s.production_version, production);
    QCOMPARE(s.demo_version, demo);
  }

  void atMostOneHundredEntriesAreKept()
  {
    QByteArray content;
    for (int i = 0; i < 150; ++i)
      content += "1:" + QByteArray::number(i) + "\n";
    content += "255:100\n"; // not evaluated either: the list is full
    const SpecialSettings s = read(content);
    QCOMPARE(s.specialEntries.size(), maxListedFields);
    QCOMPARE(s.specialEntries.last().entryKey, uint16_t(99));
    QVERIFY(!s.production_version);
  }

  void malformedNumbersReadAsZero()
  {
    const SpecialSettings s = read("abc:7\nx\n");
    QCOMPARE(s.specialEntries.size(), 1);
    QCOMPARE(s.specialEntries.first().entryId, uint16_t(0));
    QCOMPARE(s.specialEntries.first().entryKey, uint16_t(7));
  }
};

QTEST_GUILESS_MAIN(BuildOptionsTest)
#include "tst_buildOptions.moc"
