#include "vendorData.h"

#include "uiRecords.h"

#include <QDir>
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

QString resolvePicturePath(const QString &path)
{
  return resolvePicturePath(path, QDir::currentPath());
}

QString resolvePicturePath(const QString &path, const QString &workingDir)
{
  if (path.isEmpty())
    return QString();
  if (path.contains(QLatin1String("qrc:")))
    return path;

  // Pictures outside the resources lie in <base>/app/images. In a development build tree
  // ("build-…", possibly with a release/debug sub-folder) the base is the folder above it.
  QString base = QDir::cleanPath(workingDir);
  if (base.contains(QLatin1String("build-"))) {
    if (base.contains(QLatin1String("/release")) || base.contains(QLatin1String("/debug")))
      base = QDir::cleanPath(base + QLatin1String("/.."));
    base = QDir::cleanPath(base + QLatin1String("/.."));
  }
  // fromLocalFile gives "file:///C:/…" on Windows and "file:///home/…" on Linux alike.
  return QUrl::fromLocalFile(base + QLatin1String("/app") + path).toString();
}
