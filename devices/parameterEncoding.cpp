#include "parameterEncoding.h"

#include "link/rxFields.h"

#include <QStringList>

#include <algorithm>

namespace
{
constexpr uint16_t managementWordField = 602;

constexpr uint16_t bit(int n)
{
  return static_cast<uint16_t>(1u << n);
}

// Reads a run of decimal digits as a whole number; nothing for an empty run or one above 65535.
std::optional<uint16_t> digitsValue(const QString &digits)
{
  if (digits.isEmpty())
    return std::nullopt;
  uint32_t value = 0;
  for (const QChar c : digits) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return std::nullopt;
    value = value * 10 + static_cast<uint32_t>(c.unicode() - '0');
    if (value > 0xFFFF)
      return std::nullopt;
  }
  return static_cast<uint16_t>(value);
}

// Which page check box each bit of the management word stands for.
struct ManagementBit {
  int bitNumber;
  bool ManagementPageState::*box;
};
const ManagementBit batteryBits[] = {{0, &ManagementPageState::chargerControl},
                                     {1, &ManagementPageState::fuseOperation},
                                     {2, &ManagementPageState::powerBoost},
                                     {3, &ManagementPageState::topBoost}};
const ManagementBit advancedBits[] = {{7, &ManagementPageState::advanced2},
                                      {15, &ManagementPageState::advanced1}};
const ManagementBit capacitorBits[] = {{1, &ManagementPageState::fuseOperation},
                                       {2, &ManagementPageState::ipcMode},
                                       {3, &ManagementPageState::topBoost},
                                       {4, &ManagementPageState::powerBoost}};

template <typename F> void forEachBit(const ManagementModel &model, F f)
{
  if (model.layout == ParameterLayout::Battery) {
    for (const ManagementBit &b : batteryBits)
      f(b);
    if (model.hasAdvancedSettings)
      for (const ManagementBit &b : advancedBits)
        f(b);
  } else if (model.layout == ParameterLayout::Capacitor) {
    for (const ManagementBit &b : capacitorBits)
      f(b);
  }
}

// Applies a setting to the page; false for a setting the model does not have.
bool applyBatterySetting(const ManagementModel &model, ManagementPageState &page, int setting, bool state)
{
  switch (setting) {
  case ManagementSetting::chargerControlOrFuseReset:
    page.chargerControl = state;
    return true;
  case ManagementSetting::overloadFirst:
    page.fuseOperation = state;
    return true;
  case ManagementSetting::powerBoost:
    page.powerBoost = state;
    if (!model.hasTopBoost) // one control switches both boosts
      page.topBoost = state;
    return true;
  case ManagementSetting::topBoost:
    page.topBoost = state;
    return true;
  case ManagementSetting::advanced1:
    page.advanced1 = state;
    return model.hasAdvancedSettings;
  case ManagementSetting::advanced2:
    page.advanced2 = state;
    return model.hasAdvancedSettings;
  default:
    return false;
  }
}

bool applyCapacitorSetting(ManagementPageState &page, int setting, bool state)
{
  switch (setting) {
  case ManagementSetting::chargerControlOrFuseReset: // the reset changes no choice of the page
    return true;
  case ManagementSetting::overloadFirst:
  case ManagementSetting::overloadSecond:
    page.fuseOperation = setting == ManagementSetting::overloadFirst ? state : !state;
    page.hiccupOperation = !page.fuseOperation;
    return true;
  case ManagementSetting::powerBoost:
    page.powerBoost = state;
    return true;
  case ManagementSetting::topBoost:
    page.topBoost = state;
    return true;
  case ManagementSetting::ipcMode:
    page.ipcMode = state;
    return true;
  default:
    return false;
  }
}
} // namespace

ParameterLayout parameterLayoutOf(DeviceFamily family)
{
  switch (family) {
  case DeviceFamily::Vk5A:
  case DeviceFamily::Vk10A:
  case DeviceFamily::Vt24V:
  case DeviceFamily::Vt12V:
  case DeviceFamily::Vkl10A:
  case DeviceFamily::Vkl20A:
    return ParameterLayout::Battery;
  case DeviceFamily::Vs:
  case DeviceFamily::Vs5000:
    return ParameterLayout::Capacitor;
  default:
    return ParameterLayout::None;
  }
}

const QVector<uint16_t> &savedParameterIds(ParameterLayout layout)
{
  static const QVector<uint16_t> batteryIds{107, 105, 307, 604, 605, 606, 602, 1305, 1306, 1304, 1303, 110};
  static const QVector<uint16_t> capacitorIds{107,  108,  305,  306,  307,  604,  605, 602,
                                              1305, 1306, 1304, 1303, 1302, 1307, 504, 505};
  static const QVector<uint16_t> none;
  switch (layout) {
  case ParameterLayout::Battery:
    return batteryIds;
  case ParameterLayout::Capacitor:
    return capacitorIds;
  default:
    return none;
  }
}

uint16_t reportedParameterValue(const RxFields &f, uint16_t id)
{
  switch (id) {
  case 105:
    return f.rxField105;
  case 107:
    return f.rxField107;
  case 108:
    return f.rxField108;
  case 110:
    return f.rxField110;
  case 305:
    return f.rxField305;
  case 306: // the first of the two values; a 16-bit write sets that one
    return f.rxField306a;
  case 307:
    return f.rxField307;
  case 504:
    return f.rxField504;
  case 505:
    return f.rxField505;
  case 602:
    return f.rxField602;
  case 604:
    return f.rxField604;
  case 605:
    return f.rxField605;
  case 606:
    return f.rxField606;
  case 1302:
    return f.rxField1302;
  case 1303:
    return f.rxField1303;
  case 1304:
    return f.rxField1304;
  case 1305:
    return f.rxField1305;
  case 1306:
    return f.rxField1306;
  case 1307:
    return f.rxField1307;
  default:
    return 0;
  }
}

std::optional<uint16_t> numberFromListText(const QString &text, int scale)
{
  // Keep the number: digits and one decimal separator, "." or ",", unit letters and blanks dropped.
  QString whole, fraction;
  bool inFraction = false;
  for (const QChar c : text) {
    if (c.isDigit() && c.unicode() < 128)
      (inFraction ? fraction : whole) += c;
    else if (c == QLatin1Char('.') || c == QLatin1Char(','))
      inFraction = true;
  }
  if (whole.isEmpty() && fraction.isEmpty())
    return std::nullopt;
  // Exact decimal arithmetic: the scaled value from the whole part and as many fraction digits as
  // the scale has zeros, then half up on the next digit.
  int decimals = 0;
  for (int s = scale; s > 1; s /= 10)
    ++decimals;
  uint64_t value = 0;
  for (const QChar c : whole) {
    value = value * 10 + static_cast<uint64_t>(c.unicode() - '0');
    if (value > 0xFFFF)
      return std::nullopt;
  }
  for (int i = 0; i < decimals; ++i)
    value = value * 10 + (i < fraction.size() ? static_cast<uint64_t>(fraction.at(i).unicode() - '0') : 0);
  if (fraction.size() > decimals && fraction.at(decimals) >= QLatin1Char('5'))
    ++value;
  if (value > 0xFFFF)
    return std::nullopt;
  return static_cast<uint16_t>(value);
}

std::optional<uint16_t> wholeNumberText(const QString &text)
{
  return digitsValue(text.trimmed());
}

uint16_t clampedToRange(uint16_t value, const ValueRange &range)
{
  if (!range.isSet())
    return value;
  return static_cast<uint16_t>(std::clamp<int>(value, range.minimum, range.maximum));
}

std::optional<uint16_t> wholeNumberInRange(const QString &text, const ValueRange &range)
{
  const QString digits = text.trimmed();
  if (digits.isEmpty())
    return std::nullopt;
  // Read every digit; a number past 16 bits only needs to be known as too large.
  constexpr uint32_t tooLarge = 0x10000;
  uint32_t value = 0;
  for (const QChar c : digits) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return std::nullopt;
    value = std::min(value * 10 + static_cast<uint32_t>(c.unicode() - '0'), tooLarge);
  }
  if (range.isSet())
    return static_cast<uint16_t>(std::clamp<int64_t>(value, range.minimum, range.maximum));
  if (value >= tooLarge)
    return std::nullopt;
  return static_cast<uint16_t>(value);
}

QString parameterSetText(const QVector<ParameterPair> &pairs)
{
  QString text;
  for (const ParameterPair &p : pairs)
    text += QString::number(p.id) + QLatin1Char(':') + QString::number(p.value) + QLatin1Char(' ');
  return text;
}

ParsedParameterSet parseParameterSetText(const QString &text, ParameterLayout layout)
{
  ParsedParameterSet result;
  const QVector<uint16_t> &ids = savedParameterIds(layout);
  const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const QString &part : parts) {
    const QStringList numbers = part.split(QLatin1Char(':'));
    const std::optional<uint16_t> id = numbers.size() == 2 ? digitsValue(numbers.at(0)) : std::nullopt;
    const std::optional<uint16_t> value = numbers.size() == 2 ? digitsValue(numbers.at(1)) : std::nullopt;
    if (!id || !value || !ids.contains(*id)) {
      ++result.skipped;
      continue;
    }
    ParameterPair pair{*id, *value};
    // The fuse reset of a capacitor model is a one-shot command, never part of a stored setting.
    if (layout == ParameterLayout::Capacitor && pair.id == managementWordField)
      pair.value &= static_cast<uint16_t>(~bit(0));
    result.pairs << pair;
  }
  return result;
}

QByteArray parameterWritePayload(const QVector<ParameterPair> &pairs)
{
  QByteArray payload;
  payload.reserve(pairs.size() * 4);
  for (const ParameterPair &p : pairs)
    payload.append(char(p.id >> 8))
        .append(char(p.id & 0xFF))
        .append(char(p.value >> 8))
        .append(char(p.value & 0xFF));
  return payload;
}

uint16_t managementWordOf(const ManagementModel &model, const ManagementPageState &page)
{
  uint16_t word = 0;
  forEachBit(model, [&](const ManagementBit &b) {
    if (page.*b.box)
      word |= bit(b.bitNumber);
  });
  return word;
}

ManagementPageState managementPageStateOf(const ManagementModel &model, uint16_t word)
{
  ManagementPageState page;
  forEachBit(model, [&](const ManagementBit &b) { page.*b.box = (word & bit(b.bitNumber)) != 0; });
  if (model.layout == ParameterLayout::Capacitor)
    page.hiccupOperation = !page.fuseOperation;
  return page;
}

std::optional<uint16_t> encodeManagementWord(const ManagementModel &model, ManagementPageState &page,
                                             int setting, bool state)
{
  ManagementPageState changed = page;
  bool known = false;
  if (model.layout == ParameterLayout::Battery)
    known = applyBatterySetting(model, changed, setting, state);
  else if (model.layout == ParameterLayout::Capacitor)
    known = applyCapacitorSetting(changed, setting, state);
  if (!known)
    return std::nullopt;
  page = changed;
  if (model.layout == ParameterLayout::Capacitor) {
    // In a demo build the boost and overload choices stay on the page.
    const bool pageOnly =
        setting == ManagementSetting::powerBoost || setting == ManagementSetting::topBoost ||
        setting == ManagementSetting::overloadFirst || setting == ManagementSetting::overloadSecond;
    if (model.demo && pageOnly)
      return std::nullopt;
    // The fuse reset is a one-shot: only the word of the reset button carries it.
    if (setting == ManagementSetting::chargerControlOrFuseReset && state)
      return static_cast<uint16_t>(managementWordOf(model, page) | bit(0));
  }
  return managementWordOf(model, page);
}
