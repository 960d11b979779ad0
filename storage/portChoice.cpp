#include "portChoice.h"

#include "namedSettings.h"

namespace
{
const QString table = QStringLiteral("LinkSettings");
const QString portNameKey = QStringLiteral("chosenPortName");
} // namespace

QString readChosenPortName()
{
  for (const auto &row : readNamedSettings(table)) {
    if (row.first == portNameKey)
      return row.second;
  }
  return {};
}

void storeChosenPortName(const QString &name)
{
  storeNamedSetting(table, portNameKey, name);
}
