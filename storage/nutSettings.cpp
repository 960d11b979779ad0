#include "nutSettings.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace
{
bool ensureTable(QSqlDatabase &db)
{
  if (!db.isOpen())
    return false;
  QSqlQuery query(db);
  return query.exec(
      QStringLiteral("CREATE TABLE IF NOT EXISTS NutServer (name TEXT PRIMARY KEY, value TEXT)"));
}
} // namespace

NutServerSettings readNutServerSettings()
{
  NutServerSettings settings;
  QSqlDatabase db = QSqlDatabase::database();
  if (!ensureTable(db))
    return settings;
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("SELECT name, value FROM NutServer")))
    return settings;
  while (query.next()) {
    const QString name = query.value(0).toString();
    const QString value = query.value(1).toString();
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
  QSqlDatabase db = QSqlDatabase::database();
  if (!ensureTable(db))
    return;
  QSqlQuery query(db);
  query.prepare(QStringLiteral("INSERT OR REPLACE INTO NutServer (name, value) VALUES (?, ?)"));
  query.addBindValue(name);
  query.addBindValue(value);
  query.exec();
}
