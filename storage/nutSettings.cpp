#include "nutSettings.h"

#include "namedSettings.h"

namespace
{
const QString table = QStringLiteral("NutServer");
} // namespace

NutServerSettings readNutServerSettings()
{
  NutServerSettings settings;
  for (const auto &row : readNamedSettings(table)) {
    const QString &name = row.first;
    const QString &value = row.second;
    if (name == QLatin1String("enabled"))
      settings.enabled = value == QLatin1String("1");
    else if (name == QLatin1String("address") && !value.isEmpty())
      settings.address = value;
    else if (name == QLatin1String("port")) {
      bool ok = false;
      const uint port = value.toUInt(&ok);
      if (ok && port > 0 && port <= 65535)
        settings.port = static_cast<quint16>(port);
    } else if (name == QLatin1String("upsName"))
      settings.upsName = value;
    else if (name == QLatin1String("user"))
      settings.user = value;
    else if (name == QLatin1String("password"))
      settings.password = value;
  }
  return settings;
}

void storeNutServerSetting(const QString &name, const QString &value)
{
  storeNamedSetting(table, name, value);
}
