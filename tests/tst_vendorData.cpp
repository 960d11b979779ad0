#include "common/uiRecords.h"
#include "common/vendorData.h"

#include <QUuid>
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

  // A picture kept on disk is taken from the first folder that has it: below the working
  // directory, beside the program, then in the installed data folder.
  void picturesAreFoundWhereTheyAre_data()
  {
    QTest::addColumn<QStringList>("holders"); // folders that have the file: work, program, data
    QTest::addColumn<QString>("taken");
    QTest::newRow("working directory") << QStringList{"work", "program", "data"} << "work";
    QTest::newRow("beside the program") << QStringList{"program", "data"} << "program";
    QTest::newRow("installed") << QStringList{"data"} << "data";
    QTest::newRow("nowhere") << QStringList{} << "work";
  }

  void picturesAreFoundWhereTheyAre()
  {
    QFETCH(QStringList, holders);
    QFETCH(QString, taken);
    QTemporaryDir work, data;
    // The program's own folder is the test's; the file gets a name no other run uses.
    const QString path =
        QStringLiteral("/images/test/%1.png").arg(QUuid::createUuid().toString(QUuid::Id128));
    const QMap<QString, QString> folders{{"work", work.path() + "/app"},
                                         {"program", QCoreApplication::applicationDirPath() + "/app"},
                                         {"data", data.path() + "/talvane"}};
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const QString programFolder = folders.value("program");
    const bool programFolderExisted = QFileInfo::exists(programFolder);
    QStringList created;
    for (const QString &holder : holders) {
      const QString file = folders.value(holder) + path;
      QVERIFY(QDir().mkpath(QFileInfo(file).path()));
      QFile f(file);
      QVERIFY(f.open(QIODevice::WriteOnly));
      created << file;
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    const QString url = resolvePicturePath(path);
    QDir::setCurrent(previous);
    for (const QString &file : created)
      QFile::remove(file);
    QDir(programFolderExisted ? programFolder + "/images/test" : programFolder).removeRecursively();
    QCOMPARE(url, QUrl::fromLocalFile(folders.value(taken) + path).toString());
  }
};

QTEST_GUILESS_MAIN(VendorDataTest)
#include "tst_vendorData.moc"
