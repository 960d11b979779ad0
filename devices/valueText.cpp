#include "valueText.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace
{
constexpr uint32_t hoursPerYear = 8784; // 366 days
constexpr uint32_t hoursPerWeek = 168;
constexpr double lowestShownCelsius = -50.0;
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

QVector<double> listNumbers(const QStringList &list)
{
  static const QRegularExpression notNumber(QStringLiteral("[^0-9.,]"));
  QVector<double> numbers;
  numbers.reserve(list.size());
  for (const QString &entry : list) {
    QString number = entry;
    number.remove(notNumber).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    numbers << (ok ? value : std::numeric_limits<double>::quiet_NaN());
  }
  return numbers;
}

int numberIndexOf(const QVector<double> &numbers, uint32_t value, int divisor)
{
  for (int i = 0; i < numbers.size(); ++i) {
    const double entry = numbers.at(i);
    if (!std::isnan(entry) && std::llround(entry * divisor) == static_cast<long long>(value))
      return i;
  }
  return -1;
}

int listIndexOf(const QStringList &list, uint32_t value, int divisor)
{
  return numberIndexOf(listNumbers(list), value, divisor);
}
