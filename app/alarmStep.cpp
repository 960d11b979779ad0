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
  case AlarmKind::NoConnection:
    return TextSlot::noConnectionSince;
  case AlarmKind::None:
    break;
  }
  return -1;
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
  if (key != loop.alarmKey) {
    loop.alarmKey = key;
    loop.alarmSince = lost ? loop.noConnectionSince : loop.currentTime;
  }
  pd.alarmState = key;
  pd.alarmText = kind == AlarmKind::None ? QString()
                                         : languageText(s.language, sinceTextSlot(kind)).arg(loop.alarmSince);
  pd.valuesOutOfRange = lost || !identified ? QStringList() : valuesOutOfRange(s.process, s.fields);
}
