// Every picture the program hands to QML must exist and decode; animations must move.
#include "app/appState.h"
#include "app/staticRecords.h"
#include "common/uiRecords.h"
#include "common/vendorData.h"
#include "devices/deviceCatalogue.h"

#include <QImageReader>
#include <QtTest>

namespace
{
// Opens a "qrc:" URL, a ":/" resource path or a file path.
QString localName(const QString &path)
{
  if (path.startsWith(QLatin1String("qrc:")))
    return path.mid(3);
  return path;
}

void verifyPicture(const QString &path)
{
  QImageReader reader(localName(path));
  QVERIFY2(reader.canRead(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
  const QImage first = reader.read();
  QVERIFY2(!first.isNull(), qPrintable(path));
  QVERIFY2(first.width() >= 16 && first.height() >= 16, qPrintable(path));
  if (path.endsWith(QLatin1String(".gif")))
    QVERIFY2(reader.imageCount() > 1, qPrintable(path + QStringLiteral(" is not animated")));
}

QStringList picturesBelow(const QString &root)
{
  QStringList found;
  QDirIterator it(root, {"*.png", "*.jpg", "*.gif", "*.ico", "*.svg"}, QDir::Files,
                  QDirIterator::Subdirectories);
  while (it.hasNext())
    found << it.next();
  found.sort();
  return found;
}
} // namespace

class PicturesTest : public QObject
{
  Q_OBJECT

private slots:
  void namedPicturesDecode()
  {
    CompanyDataStruct company;
    VendorData vendor;
    fillCompanyData(company, vendor, QString());
    LanguageTable lang;
    fillLanguageTable(lang);
    IpcSettingStruct ipc;
    fillIpcSettingRecord(ipc, lang);
    PcShutdownStruct shutdown;
    fillPcShutdownRecord(shutdown, lang);
    StatusWindowStruct status;
    fillStatusWindowFixedParts(status);

    const QStringList named{company.logo,
                            company.imageVertical,
                            Pictures::ledGreen,
                            Pictures::ledRed,
                            Pictures::ledYellow,
                            Pictures::ledGrey,
                            Pictures::relayClosed,
                            Pictures::relayOpen,
                            status.infos_image,
                            shutdown.u_pcShutdown_image,
                            shutdown.u_pcShutdown_image_color,
                            ipc.u_in_image,
                            ipc.u_in_image_color,
                            ipc.u_out_image,
                            ipc.u_out_image_color,
                            ipc.signal_image,
                            ipc.signal_image_color,
                            ipc.ipc_image,
                            ipc.ipc_image_color,
                            ipc.pc_image,
                            ipc.pc_image_color,
                            QStringLiteral("qrc:/images/company/norvex/logo/norvex_logo.png"),
                            QStringLiteral("qrc:/images/infos/Warnschild.jpg"),
                            QStringLiteral("qrc:/images/infos/Information_orange.jpg"),
                            QStringLiteral("qrc:/images/lgpl/lgplv3-147x51.png")};
    for (const QString &path : named)
      verifyPicture(path);
  }

  void everyResourcePictureDecodes()
  {
    const QStringList all = picturesBelow(QStringLiteral(":/images"));
    QVERIFY(all.size() > 150);
    for (const QString &path : all)
      verifyPicture(path);
  }

  // Legends, slider scales and some photos are loaded from the images folder, not the resources.
  void everyPictureFileDecodes()
  {
    const QStringList all = picturesBelow(QStringLiteral(IMAGES_DIR));
    for (const QString &path : all)
      verifyPicture(path);
    for (const char *dir : {"VK_5A_0", "VK_5A_L", "VK_10A_0", "VK_10A_L", "VKL_10A_0U", "VKL_20A_0U",
                            "VT_40A", "VS_1700", "VS_5000"}) {
      for (const char *legend : {"topPower", "power", "overCurrent", "top", "Hicup", "fuse"}) {
        const QString path =
            QStringLiteral(IMAGES_DIR "/company/norvex/devices/%1/overload/%2.png").arg(dir, legend);
        QVERIFY2(all.contains(path), qPrintable(path));
      }
    }
    for (const char *dir : {"VKL_10A_0U", "VKL_20A_0U"})
      QVERIFY(all.contains(QStringLiteral(IMAGES_DIR "/company/norvex/devices/%1/%1.jpg").arg(dir)));
    for (const char *dir : {"VS_1700", "VS_5000"})
      QVERIFY(all.contains(
          QStringLiteral(IMAGES_DIR "/company/norvex/devices/%1/parameter/slider_cellVoltage_image.svg")
              .arg(dir)));
  }

  // Pictures without "qrc:" are files of the images folder, installed beside the program.
  void everyCataloguePictureExists()
  {
    LanguageTable lang;
    fillLanguageTable(lang);
    DeviceCatalogue catalogue;
    buildDeviceCatalogue(catalogue, lang, true);
    for (int i = 1; i < catalogue.catalogueCount; ++i) {
      const DeviceCatalogueEntry &e = catalogue.entries[i];
      QStringList all = QStringList{e.deviceImage} + e.statusImages + e.potiImages + e.storageImages +
                        e.arrowImages + e.overloadLegendImages;
      if (!e.parameter.sliderImage.isEmpty())
        all << e.parameter.sliderImage;
      for (const QString &path : all) {
        if (path.startsWith(QLatin1String("qrc:")))
          verifyPicture(path);
        else
          verifyPicture(QStringLiteral(IMAGES_DIR) + path.mid(QStringLiteral("/images").size()));
      }
    }
  }

  void deviceFoldersHoldTheirPictures_data()
  {
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<int>("potiPositions");
    const QStringList vk{"net_mode",          "net_mode_no_charging",          "buffer_mode",
                         "over_current_mode", "over_current_mode_no_charging", "savety_mode",
                         "off_operation"};
    const QStringList vt = vk + QStringList{"over_current_by_buffer_mode", "charging_mode"};
    const QStringList vs{"net_mode",           "net_mode_kommunikation",  "net_mode_no_charging",
                         "buffer_mode",        "hiccup_mode_only_master", "hiccup_mode",
                         "off_operation",      "net_mode_onlyMaster",     "buffer_mode_onlyMaster",
                         "constantCurrentMode"};
    QTest::newRow("VK_5A_0") << "VK_5A_0" << vk << 10;
    QTest::newRow("VK_5A_L") << "VK_5A_L" << QStringList() << 10;
    QTest::newRow("VK_10A_0") << "VK_10A_0" << vk << 10;
    QTest::newRow("VK_10A_L") << "VK_10A_L" << QStringList() << 10;
    QTest::newRow("VT_40A") << "VT_40A" << vt << 10;
    QTest::newRow("VS_1700") << "VS_1700" << vs << 6;
    QTest::newRow("VS_5000") << "VS_5000" << vs << 6;
  }

  void deviceFoldersHoldTheirPictures()
  {
    QFETCH(QString, dir);
    QFETCH(QStringList, status);
    QFETCH(int, potiPositions);
    const QString base = QStringLiteral("qrc:/images/company/norvex/devices/") + dir;
    verifyPicture(base + QLatin1Char('/') + dir + QStringLiteral(".jpg"));
    for (const QString &name : status)
      verifyPicture(base + QStringLiteral("/status/") + name + QStringLiteral(".gif"));
    for (int i = 1; i <= potiPositions; ++i)
      verifyPicture(base + QStringLiteral("/poti/%1.png").arg(i));
  }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
