#include "alarmStep.h"

#include "appState.h"

#include "devices/deviceAlarm.h"

namespace
{
int sinceTextSlot(AlarmKind kind)
{
  switch (kind) {
  case AlarmKind::ExchangeStorage:
    return TextSlot::alarmExchangeStorageSince;
  case AlarmKind::Buffer:
    return TextSlot::alarmBufferSince;
  case AlarmKind::Overload:
    return TextSlot::alarmOverloadSince;
  case AlarmKind::IpcShutdown:
    return TextSlot::alarmIpcShutdownSince;
  case AlarmKind::StorageLow:
    return TextSlot::alarmStorageLowSince;
  case AlarmKind::NoConnection:
    return TextSlot::noConnectionSince;
  case AlarmKind::None:
    break;
  }
  return -1;
}
// The buffer time the device still reports (seconds on capacitor models, minutes on battery
// models), or an empty text when it reports none.
QString remainingBufferTime(const AppState &s)
{
  const uint32_t left = s.fields.rxField1312;
  if (left == 0)
    return {};
  return QString::number(left) +
         (currentCatalogueEntry(s).isCapacitorModel() ? QStringLiteral(" s") : QStringLiteral(" min"));
}

QString alarmText(const AppState &s, AlarmKind kind)
{
  if (kind == AlarmKind::None)
    return {};
  const QString left = kind == AlarmKind::StorageLow ? remainingBufferTime(s) : QString();
  if (!left.isEmpty())
    return languageText(s.language, TextSlot::alarmStorageLowLeft).arg(left);
  return languageText(s.language, sinceTextSlot(kind)).arg(s.loop.alarmSince);
}
} // namespace

void runAlarmStep(AppState &s)
{
  LoopState &loop = s.loop;
  ProcessData &pd = s.ui.processData;
  const bool lost = !loop.noConnectionSince.isEmpty();
  // Until a device is identified there is no state to raise an alarm for.
  const bool identified = s.link.has(LinkFlag::deviceIdentified) && !currentCatalogueEntry(s).name.isEmpty();
  const AlarmKind kind = lost         ? AlarmKind::NoConnection
                         : identified ? deviceAlarmOf(s.process)
                                      : AlarmKind::None;
  const QString key = alarmKey(kind);
  const QString device = currentCatalogueEntry(s).name;
  if (key != loop.alarmKey) {
    loop.alarmKey = key;
    const bool goesOn = !lost && key == loop.deviceAlarmKey && device == loop.deviceAlarmDevice;
    loop.alarmSince = lost ? loop.noConnectionSince : goesOn ? loop.deviceAlarmSince : loop.currentTime;
  }
  // Remembered only from live data: a link going down passes through states that are not the
  // device's.
  if (!lost && s.link.deviceLive() && !s.link.hasStatus(DeviceStatusFlag::offline)) {
    loop.deviceAlarmKey = key;
    loop.deviceAlarmDevice = device;
    loop.deviceAlarmSince = loop.alarmSince;
  }
  pd.alarmState = key;
  pd.alarmText = alarmText(s, kind);
  pd.valuesOutOfRange = lost || !identified ? QStringList() : valuesOutOfRange(s.process, s.fields);
}
