#include "deviceAlarm.h"

#include "processInterpretation.h"

#include "link/rxFields.h"

namespace
{
// Operating modes as the interpreter numbers them.
constexpr int modeBuffer = 3;
constexpr int modeIpcShutdown = 5;
constexpr int modeInputFailure = 7;
constexpr int modeFuse = 10;
constexpr int modeHiccup = 11;

double celsiusOf(uint16_t raw)
{
  const bool negative = (raw & 0x8000u) != 0;
  const double magnitude = (negative ? static_cast<uint16_t>(~raw) : raw) / 10.0;
  return negative ? -magnitude : magnitude;
}

bool overloaded(const InterpretationState &p)
{
  return p.operatingMode == modeFuse || p.operatingMode == modeHiccup || p.has(Condition::Fuse) ||
         p.has(Condition::Hiccup) || p.has(Condition::OverCurrent);
}
} // namespace

QString alarmKey(AlarmKind kind)
{
  switch (kind) {
  case AlarmKind::ExchangeStorage:
    return QStringLiteral("exchangeStorage");
  case AlarmKind::Buffer:
    return QStringLiteral("buffer");
  case AlarmKind::Overload:
    return QStringLiteral("overload");
  case AlarmKind::StorageLow:
    return QStringLiteral("storageLow");
  case AlarmKind::IpcShutdown:
    return QStringLiteral("ipcShutdown");
  case AlarmKind::NoConnection:
    return QStringLiteral("noConnection");
  case AlarmKind::None:
    break;
  }
  return {};
}

AlarmKind deviceAlarmOf(const InterpretationState &p)
{
  if (p.operatingMode == modeIpcShutdown || p.has(Condition::IpcShutdown))
    return AlarmKind::IpcShutdown;
  // The storage is nearly empty while it carries the load: the output goes off soon.
  if (p.operatingMode == modeBuffer && p.storagePresent && p.has(Condition::StorageVeryLow))
    return AlarmKind::StorageLow;
  if (overloaded(p))
    return AlarmKind::Overload;
  if (p.operatingMode == modeBuffer)
    return AlarmKind::Buffer;
  if (p.has(Condition::ExchangeStorage))
    return AlarmKind::ExchangeStorage;
  return AlarmKind::None;
}

QStringList valuesOutOfRange(const InterpretationState &p, const RxFields &f)
{
  QStringList keys;
  if (p.operatingMode == modeBuffer || p.operatingMode == modeIpcShutdown ||
      p.operatingMode == modeInputFailure || p.has(Condition::InputVoltageFailure) ||
      p.has(Condition::InputFailure))
    keys << QStringLiteral("input");
  if (overloaded(p) || p.has(Condition::OutputCurrentHigh))
    keys << QStringLiteral("output");
  if (p.storagePresent && (p.has(Condition::StorageVeryLow) || p.has(Condition::DeepDischarge)))
    keys << QStringLiteral("storageVoltage");
  if (celsiusOf(f.rxField1100[0]) >= hotCelsius)
    keys << QStringLiteral("temperature");
  return keys;
}
