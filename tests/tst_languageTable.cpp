#include "common/languageTable.h"

#include <QtTest>

class LanguageTableTest : public QObject
{
  Q_OBJECT

  LanguageTable table;

private slots:
  void init()
  {
    table = LanguageTable{};
    fillLanguageTable(table);
  }

  void holdsEnglishThenGerman()
  {
    QCOMPARE(table.count, 2);
    QCOMPARE(languageNames(table), (QStringList{"English", "Deutsch"}));
  }

  void everySlotButTheTwoBlanksHasText()
  {
    for (int lang = 0; lang < 2; ++lang) {
      for (int slot = 0; slot < languageSlotCount; ++slot) {
        const bool blank = slot == 186 || slot == 191;
        QVERIFY2(table.languages[lang].text[slot].isEmpty() == blank,
                 qPrintable(QStringLiteral("language %1 slot %2").arg(lang).arg(slot)));
      }
    }
  }

  void slotsReadAsListed_data()
  {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    // German texts spelled with escapes so that the check does not depend on this file's encoding.
    QTest::newRow("7") << 7 << "Device information" << QString::fromUtf8("Ger\xC3\xA4teinformation");
    QTest::newRow("12") << 12 << "0=UPS, 1=1.sub device ..."
                        << "USV, 1=1.Batterie ...";
    QTest::newRow("15") << 15 << "Connected"
                        << "Verbunden";
    QTest::newRow("19") << 19 << "No device selected"
                        << QString::fromUtf8("Kein Ger\xC3\xA4t ausgew\xC3\xA4hlt");
    QTest::newRow("39") << 39 << "Encryption:" << QString::fromUtf8("Verschl\xC3\xBCsselung:");
    QTest::newRow("181") << 181 << "Deny application closing"
                         << QString::fromUtf8("Schlie\xC3\x9F"
                                              "en der Anwendung verweigern");
    QTest::newRow("194") << 194 << "Do you want to close the application?"
                         << QString::fromUtf8("M\xC3\xB6"
                                              "chten Sie die Anwendung schlie\xC3\x9F"
                                              "en?");
    QTest::newRow("226 line breaks") << 226 << "\n\n\n\n\n\nInom = 40A"
                                     << "\n\n\n\n\n\nInom = 40A";
    QTest::newRow("197")
        << 197
        << "\n\n\n\nIBuffer-Boost = 65A \nIlim = Buffer current limit \n\nt1 = 55ms \nt2 = 5s "
           "\nt3 = 20s"
        << "\n\n\n\nIBuffer-Boost = 65A \nIlim = Buffer current limit \n\nt1 = 55ms \nt2 = 5s "
           "\nt3 = 20s";
  }

  void slotsReadAsListed()
  {
    QFETCH(int, slot);
    QFETCH(QString, english);
    QFETCH(QString, german);
    QCOMPARE(setCurrentLanguage(table, 0), 0);
    QCOMPARE(languageText(table, slot), english);
    QCOMPARE(setCurrentLanguage(table, 1), 1);
    QCOMPARE(languageText(table, slot), german);
  }

  void unknownLanguageIndexReadsAsEnglish_data()
  {
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("past the table") << 2;
    QTest::newRow("large") << 70000;
  }

  void unknownLanguageIndexReadsAsEnglish()
  {
    QFETCH(int, index);
    setCurrentLanguage(table, 1);
    QCOMPARE(setCurrentLanguage(table, index), 0);
    QCOMPARE(languageText(table, 17), QStringLiteral("Activate"));
  }

  void slotOutsideTableIsEmpty()
  {
    QVERIFY(languageText(table, -1).isEmpty());
    QVERIFY(languageText(table, languageSlotCount).isEmpty());
  }
};

QTEST_GUILESS_MAIN(LanguageTableTest)
#include "tst_languageTable.moc"
