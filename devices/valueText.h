// How device values are written for the pages: units, padding, operating time, temperature.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

// value / 100 with one decimal and the unit ("24.1 V").
QString hundredthsText(uint32_t value, const QString &unit);
// As hundredthsText, but "-.- V" for a value below 0.05 (nothing flowing, nothing present).
QString hundredthsTextOrNone(uint32_t value, const QString &unit);
// Batch number padded to six digits, serial number to five.
QString batchNumberText(uint32_t value);
QString serialNumberText(uint32_t value);
// Firmware version: value / 100 with two decimals ("2.03").
QString firmwareVersionText(uint16_t value);
// Operating time from whole hours: "2a 3w 5h " (years of 8784 h, weeks of 168 h), leading zero parts left
// out.
QString operatingTimeText(uint32_t hours);
// Temperature from tenths of a degree Celsius (top bit set: negative, magnitude = complement).
QString temperatureText(uint16_t raw, bool fahrenheit, const QString &unitText);
// Index of the first list entry ("20.1V", "5A") whose number equals value / divisor; -1 when none.
int listIndexOf(const QStringList &list, uint32_t value, int divisor = 100);
// The entries of a value list in hundredths, units and blanks stripped (noListNumber where an entry
// has no number): read once when the list is built, so the cyclic lookup parses no text.
constexpr qint64 noListNumber = -1; // reported values are unsigned and never match it
QVector<qint64> listHundredths(const QStringList &list);
// listIndexOf with the divisor 100 on the entries read by listHundredths.
int hundredthsIndexOf(const QVector<qint64> &hundredths, uint32_t value);
