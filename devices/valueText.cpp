#include "valueText.h"

#include <QRegularExpression>

#include <cmath>

namespace
{
constexpr uint32_t hoursPerYear = 8784; // 366 days
constexpr uint32_t hoursPerWeek = 168;
constexpr double lowestShownCelsius = -50.0;

// The number of a list entry with its unit letters and blanks stripped ("20.1V", "7,5 A").
double entryNumber(QString entry, bool *ok)
{
  static const QRegularExpression notNumber(QStringLiteral("[^0-9.,]"));
  entry.remove(notNumber).replace(QLatin1Char(','), QLatin1Char('.'));
  return entry.toDouble(ok);
}
} // namespace

QString hundredthsText(uint32_t value, const QString &unit)
{
  return QString::number(value / 100.0, 'f', 1) + QLatin1Char(' ') + unit;
}

QString hundredthsTextOrNone(uint32_t value, const QString &unit)
{
  if (value / 100.0 < 0.05)
    return QStringLiteral("-.- ") + unit;
  return hundredthsText(value, unit);
}

QString batchNumberText(uint32_t value)
{
  return QString::number(value).rightJustified(6, QLatin1Char('0'));
}

QString serialNumberText(uint32_t value)
{
  return QString::number(value).rightJustified(5, QLatin1Char('0'));
}

QString firmwareVersionText(uint16_t value)
{
  return QString::number(value / 100.0, 'f', 2);
}

QString operatingTimeText(uint32_t hours)
{
  const uint32_t years = hours / hoursPerYear;
  const uint32_t weeks = (hours % hoursPerYear) / hoursPerWeek;
  const uint32_t rest = (hours % hoursPerYear) % hoursPerWeek;
  QString text;
  if (years > 0)
    text += QString::number(years) + QStringLiteral("a ");
  if (years > 0 || weeks > 0)
    text += QString::number(weeks) + QStringLiteral("w ");
  return text + QString::number(rest) + QStringLiteral("h ");
}

QString temperatureText(uint16_t raw, bool fahrenheit, const QString &unitText)
{
  const bool negative = (raw & 0x8000u) != 0;
  const double magnitude = (negative ? static_cast<uint16_t>(~raw) : raw) / 10.0;
  const double celsius = negative ? -magnitude : magnitude;
  if (celsius < lowestShownCelsius)
    return QStringLiteral("-");
  const double shown = fahrenheit ? celsius * 1.8 + 32.0 : celsius;
  return (shown < 0 ? QStringLiteral("-") : QString()) + QString::number(std::fabs(shown), 'f', 1) + unitText;
}

int listIndexOf(const QStringList &list, uint32_t value, int divisor)
{
  for (int i = 0; i < list.size(); ++i) {
    bool ok = false;
    const double entry = entryNumber(list.at(i), &ok);
    if (ok && std::llround(entry * divisor) == static_cast<long long>(value))
      return i;
  }
  return -1;
}

QVector<qint64> listHundredths(const QStringList &list)
{
  QVector<qint64> hundredths;
  hundredths.reserve(list.size());
  for (const QString &entry : list) {
    bool ok = false;
    const double value = entryNumber(entry, &ok);
    hundredths << (ok ? std::llround(value * 100) : noListNumber);
  }
  return hundredths;
}

int hundredthsIndexOf(const QVector<qint64> &hundredths, uint32_t value)
{
  return hundredths.indexOf(static_cast<qint64>(value));
}
