#include "buildOptions.h"

#include "rxFields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace
{
constexpr uint16_t switchLine = 255;
constexpr uint16_t timeoutLine = 250;

// A part that is not a number counts as 0.
uint16_t numberOf(const QString &part)
{
  return static_cast<uint16_t>(part.toUInt());
}

// The value a listed field shows, or nothing for a field the listing does not know.
bool listedValue(const ListedField &entry, const RxFields &f, QString &value)
{
  const int sub = entry.entryId;
  // The per-sub-device fields exist for the UPS and three sub devices: a larger identifier
  // addresses nothing and gets no line.
  const bool slot = sub < subDeviceSlots;
  switch (entry.entryKey) {
  case 1308:
    value = QString::number(f.rxField1308);
    return true;
  case 1309:
    if (slot)
      value = f.rxField1309Text[sub];
    return slot;
  case 1310:
    if (slot)
      value = f.rxField1310Text[sub];
    return slot;
  case 503:
    value = QString::number(f.rxField503);
    return true;
  case 102:
    if (slot)
      value = QString::number(f.rxField102[sub]);
    return slot;
  case 103:
    value = QString::number(f.rxField103);
    return true;
  case 107:
    value = QString::number(f.rxField107);
    return true;
  case 109:
    value = QString::number(f.rxField109);
    return true;
  default:
    return false;
  }
}
} // namespace

void loadSpecialSettings(SpecialSettings &settings, const QString &path)
{
  settings.production_version = false;
  settings.debug_version = false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    return;
  QTextStream in(&file);
  // Once the listing is full, the rest of the file is read but no longer evaluated.
  while (!in.atEnd() && settings.specialEntries.size() < maxListedFields) {
    QString line = in.readLine();
    line.remove(QLatin1Char('\n')).remove(QLatin1Char('\r')).remove(QLatin1Char(' '));
    if (line.startsWith(QLatin1Char('-')))
      continue; // a comment
    const QStringList parts = line.split(QLatin1Char(':'));
    if (parts.size() < 2)
      continue;
    const uint16_t id = numberOf(parts[0]);
    const uint16_t key = numberOf(parts[1]);
    if (id == switchLine) {
      if (key == 100 || key == 101)
        settings.production_version = true;
      if (key == 101)
        settings.debug_version = true;
      if (key == 102)
        settings.demo_version = true;
    } else if (id == timeoutLine) {
      settings.backToStatusPageTimeout_sec = key;
    } else {
      settings.specialEntries.append({id, key});
    }
  }
}

int usableBackToStatusTimeout(int seconds)
{
  return (seconds < 10 || seconds >= 65535) ? 60 : seconds;
}

QString specialSettingsReport(const SpecialSettings &settings, const RxFields &fields)
{
  QString lines;
  for (const ListedField &entry : settings.specialEntries) {
    QString value;
    if (entry.entryId < switchLine && listedValue(entry, fields, value))
      lines += QLatin1Char('\n') + QString::number(entry.entryId) + QStringLiteral(": ") +
               QString::number(entry.entryKey) + QStringLiteral(": ") + value;
  }
  return lines.isEmpty() ? QString() : QStringLiteral("\n\nID:KENNUNG:WERT") + lines;
}

QString specialSettingsPath(const QString &programFolder, const QString &configFolder)
{
  const QString beside = programFolder + QStringLiteral("/specialSettings.txt");
  if (QFileInfo::exists(beside) || configFolder.isEmpty())
    return beside;
  return QDir(configFolder).filePath(QStringLiteral("talvane/specialSettings.txt"));
}
