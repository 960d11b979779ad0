#include "common/uiRecords.h"
#include "common/vendorData.h"

#include <QtTest>

class VendorDataTest : public QObject
{
  Q_OBJECT

private slots:
  void fillsTheLookAndTheMakersData()
  {
    CompanyDataStruct c;
    VendorData vendor;
    fillCompanyData(c, vendor, QStringLiteral("/opt/talvane"));
    QCOMPARE(vendor.applicationDir, QStringLiteral("/opt/talvane"));
    QVERIFY(!vendor.companyShortName.isEmpty());
    QCOMPARE(c.appName, QStringLiteral("Talvane"));
    QCOMPARE(c.logo, QStringLiteral(":/images/company/norvex/icons/norvexIcon.ico"));
    QCOMPARE(c.imageVertical, QStringLiteral("qrc:/images/company/norvex/logo/norvex_logo_vertikal.png"));
    QVERIFY(c.image.isEmpty());
    QVERIFY(c.postfach.isEmpty());
    QVERIFY(c.phone.startsWith(QLatin1String("Phone: ")));
    QVERIFY(c.telefax.startsWith(QLatin1String("Fax: ")));
    QVERIFY(!c.name.isEmpty() && !c.strasse.isEmpty() && !c.postleitzahl.isEmpty());
    QCOMPARE(c.buttonsHorizontalArea_ButtonColor, c.buttonsHorizontalArea_Color);
    QCOMPARE(c.buttonsVerticalArea_ButtonTextColor, QStringLiteral("gray"));
    QCOMPARE(c.buttonsVerticalArea_Color, QStringLiteral("#CACBCD"));
    QCOMPARE(c.startButton_Height, 40);
    QCOMPARE(c.startButton_Width, 165);
    QCOMPARE(c.infoPageFontPixelSize, 12);
    QCOMPARE(c.mainFootArea_Height, 110);
    QCOMPARE(c.buttonsVerticalArea_ButtonFontSize, 16);
    QCOMPARE(c.show_icon_inTaskbar, false);
  }

  void resolvesPicturePaths_data()
  {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("workingDir");
    QTest::addColumn<QString>("url");
    QTest::newRow("resource unchanged") << "qrc:/images/led/led_red.png"
                                        << "/home/u/run"
                                        << "qrc:/images/led/led_red.png";
    QTest::newRow("empty") << ""
                           << "/home/u/run"
                           << "";
    QTest::newRow("installed") << "/images/pc/x.png"
                               << "/home/u/run"
                               << "file:///home/u/run/app/images/pc/x.png";
    QTest::newRow("build tree") << "/images/pc/x.png"
                                << "/home/u/build-talvane"
                                << "file:///home/u/app/images/pc/x.png";
    QTest::newRow("release build tree") << "/images/pc/x.png"
                                        << "/home/u/build-talvane/release"
                                        << "file:///home/u/app/images/pc/x.png";
    QTest::newRow("debug build tree") << "/images/pc/x.png"
                                      << "/home/u/build-talvane/debug"
                                      << "file:///home/u/app/images/pc/x.png";
  }

  void resolvesPicturePaths()
  {
    QFETCH(QString, path);
    QFETCH(QString, workingDir);
    QFETCH(QString, url);
    QCOMPARE(resolvePicturePath(path, workingDir), url);
  }
};

QTEST_GUILESS_MAIN(VendorDataTest)
#include "tst_vendorData.moc"
