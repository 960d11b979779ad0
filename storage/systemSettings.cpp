#include "systemSettings.h"

#include "app/appState.h"
#include "upsDataBase.h"

namespace
{
int storedNumber(Ups_DataBase &db, const char *column)
{
  return db.ReadRow_fromDatabase(QStringLiteral("SystemMain"), QString::fromLatin1(column), 1)
      .value(0)
      .toInt();
}
} // namespace

void loadSystemSettings(AppState &s)
{
  s.loop.generalSettingsLoaded = true;
  Ups_DataBase *db = s.storage.database;
  if (!db)
    return;
  ProcessData &pd = s.ui.processData;
  LinkState &link = s.link;

  pd.startUp = storedNumber(*db, "autostart") == 1;

  // 0 means automatic detection on: then the link starts at once, otherwise it waits for the user.
  const bool automatic = storedNumber(*db, "auto_device_detecting") == 0;
  link.set(LinkFlag::autoDetect, automatic);
  link.set(LinkFlag::portSuspended, !automatic);

  const int options = storedNumber(*db, "app_open_maximized");
  s.commands.optionBits = static_cast<uint16_t>(options);
  pd.appOpenAsMaximized = pd.appOpenAsMaximized_checkBox = (options & 1) == 0;
  pd.showCloseMessage = (options & 2) == 0;
  pd.loadConfigFile_checkBox = (options & 4) != 0;
  pd.switchToStatusPage = (options & 8) != 0;
  pd.denyAppClosing = s.special.denyAppClosing || (options & 16) != 0;

  const int unit = storedNumber(*db, "temparatur_unit") == 1 ? 1 : 0;
  pd.comboBoxTemperatureUnitCurrentIndex = unit;
  s.commands.temperatureUnitText = unit == 1 ? QStringLiteral("°F") : QStringLiteral("°C");

  // An imported database may hold any number: a language the table does not have reads as English.
  pd.currentLanguageNr = setCurrentLanguage(s.language, storedNumber(*db, "language"));

  pd.comPortList_currentNumber = storedNumber(*db, "comport");
}
