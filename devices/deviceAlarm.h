// The alarm a device state amounts to, for the banner of the status page and the foot bar, and
// the measured values that are out of their normal range.
#pragma once

#include <QString>
#include <QStringList>

struct InterpretationState;
struct RxFields;

// Ordered by weight: when several apply, the later one is shown.
enum class AlarmKind { None, ExchangeStorage, Buffer, Overload, StorageLow, IpcShutdown, NoConnection };

// The key the pages colour an alarm by ("buffer", "overload", ...); empty for None.
QString alarmKey(AlarmKind kind);

// The alarm of the device's last reported state; NoConnection is the link's to decide.
AlarmKind deviceAlarmOf(const InterpretationState &process);

// Temperatures at or above this (°C) are shown as out of range.
constexpr double hotCelsius = 60.0;

// The keys of the measured values that are outside their normal range: "input" without mains,
// "output" on overload, "storageVoltage" near the cut-off, "temperature" too hot.
QStringList valuesOutOfRange(const InterpretationState &process, const RxFields &fields);
