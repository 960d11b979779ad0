#include "systemSettings.h"

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

SystemSettings readSystemSettings(Ups_DataBase &db)
{
  SystemSettings settings;
  settings.autostart = storedNumber(db, "autostart") == 1;
  settings.automaticDetection = storedNumber(db, "auto_device_detecting") == 0;
  settings.optionBits = static_cast<uint16_t>(storedNumber(db, "app_open_maximized"));
  settings.temperatureUnit = storedNumber(db, "temparatur_unit") == 1 ? 1 : 0;
  settings.language = storedNumber(db, "language");
  settings.comPort = storedNumber(db, "comport");
  return settings;
}
