#include "vendorData.h"

#include "uiRecords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QUrl>

void fillCompanyData(CompanyDataStruct &c, VendorData &vendor, const QString &applicationDir)
{
  vendor.applicationDir = applicationDir;
  vendor.companyShortName = QStringLiteral("Norvex");

  c.imageVertical = QStringLiteral("qrc:/images/company/norvex/logo/norvex_logo_vertikal.png");
  c.image.clear();
  c.logo = QStringLiteral(":/images/company/norvex/icons/norvexIcon.ico");
  c.internetLink = QStringLiteral("www.norvex-power.example");
  c.internetMail = QStringLiteral("service@norvex-power.example");
  c.updateLink = QStringLiteral("www.norvex-power.example/products/dc-ups");
  c.name = QStringLiteral("Norvex Stromversorgungen GmbH");
  c.postfach.clear();
  c.strasse = QStringLiteral("Werkstraße 12");
  c.postleitzahl = QStringLiteral("72770 Reutlingen");
  c.phone = QStringLiteral("Phone: +49 7121 555 010");
  c.telefax = QStringLiteral("Fax: +49 7121 555 019");
  c.appName = QStringLiteral("Talvane");
  c.main_Color = QStringLiteral("white");
  c.infoPageFontPixelSize = 12;
  c.infoPageTextColor = QStringLiteral("#4d4d4d");
  c.infoPageVariableColor = QStringLiteral("#50aaec");
  c.buttonSelectedColor = QStringLiteral("gray");
  c.buttonSelectedTextColor = QStringLiteral("white");
  c.buttonNotSelectedTextColor = QStringLiteral("white");
  c.devicesArea_Color = QStringLiteral("#CACBCD");
  c.devicesArea_ButtonDownColor = QStringLiteral("gray");
  c.devicesArea_ButtonTextColor = QStringLiteral("black");
  c.buttonsHorizontalArea_Height = 40;
  c.buttonsHorizontalArea_ButtonWidth = 165;
  c.buttonsHorizontalArea_Color = QStringLiteral("#414244");
  c.buttonsHorizontalArea_ButtonColor = c.buttonsHorizontalArea_Color;
  c.buttonsHorizontalArea_BorderColor = QStringLiteral("#323335");
  c.buttonsHorizontalArea_ButtonDownColor = c.buttonSelectedColor;
  c.buttonsHorizontalArea_ButtonTextColor = c.buttonNotSelectedTextColor;
  c.buttonsHorizontalArea_ButtonFontSize = 20;
  c.startButton_Height = c.buttonsHorizontalArea_Height;
  c.startButton_Width = c.buttonsHorizontalArea_ButtonWidth;
  c.startButton_Color = QStringLiteral("#414244");
  c.startButton_BorderColor = QStringLiteral("#323335");
  c.startButton_DownColor = QStringLiteral("gray");
  c.startButton_TextColor = QStringLiteral("white");
  c.startButton_FontSize = 20;
  c.buttonsVerticalArea_Height = 40;
  c.buttonsVerticalArea_ButtonWidth = 165;
  c.buttonsVerticalArea_ButtonHeight = 40;
  c.buttonsVerticalArea_Color = c.devicesArea_Color;
  c.buttonsVerticalArea_BorderColor = QStringLiteral("#323335");
  c.buttonsVerticalArea_ButtonDownColor = QStringLiteral("gray");
  c.buttonsVerticalArea_ButtonTextColor = c.devicesArea_ButtonDownColor;
  c.buttonsVerticalArea_ButtonFontSize = 16;
  c.mainFootArea_Height = 110;
  c.mainFootArea_Color = QStringLiteral("#F9F9FB");
  c.parameterSettingsColor = QStringLiteral("lightgray");
  c.show_icon_inTaskbar = false;
}

namespace
{
// Pictures outside the resources lie in <base>/app/images. In a development build tree
// ("build-…", possibly with a release/debug sub-folder) the base is the folder above it.
QString workingPictureFolder(const QString &workingDir)
{
  QString base = QDir::cleanPath(workingDir);
  if (base.contains(QLatin1String("build-"))) {
    if (base.contains(QLatin1String("/release")) || base.contains(QLatin1String("/debug")))
      base = QDir::cleanPath(base + QLatin1String("/.."));
    base = QDir::cleanPath(base + QLatin1String("/.."));
  }
  return base + QLatin1String("/app");
}

// fromLocalFile gives "file:///C:/…" on Windows and "file:///home/…" on Linux alike.
QString pictureUrl(const QString &folder, const QString &path)
{
  return QUrl::fromLocalFile(folder + path).toString();
}
} // namespace

QStringList pictureFolders(const QString &workingDir)
{
  QStringList folders{workingPictureFolder(workingDir)};
  if (QCoreApplication::instance()) { // the build puts the pictures beside the program
    folders << QCoreApplication::applicationDirPath() + QLatin1String("/app");
#ifdef TALVANE_DATA_FROM_BINDIR
    // An installed program finds its data folder from where it lies, whatever the prefix.
    folders << QDir::cleanPath(QCoreApplication::applicationDirPath() +
                               QLatin1String("/" TALVANE_DATA_FROM_BINDIR));
#endif
  }
  for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    folders << data + QLatin1String("/talvane");
  return folders;
}

QString resolvePicturePath(const QString &path)
{
  if (path.isEmpty() || path.contains(QLatin1String("qrc:")))
    return resolvePicturePath(path, QStringList{});
  // The pages ask for the same pictures on every pass: each is looked up on disk once.
  static QHash<QString, QString> found;
  const QString workingDir = QDir::currentPath();
  const QString key = workingDir + QLatin1Char('\n') + path;
  auto known = found.constFind(key);
  if (known != found.constEnd())
    return *known;
  return found[key] = resolvePicturePath(path, pictureFolders(workingDir));
}

QString resolvePicturePath(const QString &path, const QString &workingDir)
{
  return resolvePicturePath(path, QStringList{workingPictureFolder(workingDir)});
}

QString resolvePicturePath(const QString &path, const QStringList &folders)
{
  if (path.isEmpty())
    return QString();
  if (path.contains(QLatin1String("qrc:")))
    return path;
  for (const QString &folder : folders) {
    if (QFileInfo::exists(folder + path))
      return pictureUrl(folder, path);
  }
  // Found nowhere: named where the first folder would hold it.
  return folders.isEmpty() ? QString() : pictureUrl(folders.constFirst(), path);
}
