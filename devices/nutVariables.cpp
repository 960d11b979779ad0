#include "nutVariables.h"

#include "deviceCatalogue.h"
#include "processInterpretation.h"
#include "valueText.h"

#include "link/rxFields.h"

namespace
{
// Conditions that clients should see as an alarm, with the text of ups.alarm.
struct AlarmText {
  Condition condition;
  const char *text;
};
constexpr AlarmText alarmTexts[] = {
    {Condition::SystemError, "System error"},
    {Condition::Safety, "Safety mode"},
    {Condition::InputVoltageFailure, "Input voltage failure"},
    {Condition::BufferNotPossible, "Buffer mode not possible"},
    {Condition::DeepDischarge, "Deep-discharge protection"},
    {Condition::Fuse, "Fuse operation"},
    {Condition::Hiccup, "Hiccup operation"},
};

bool onBattery(const InterpretationState &st)
{
  return st.operatingMode == 3 || st.operatingMode == 5;
}

bool outputOff(const InterpretationState &st)
{
  return st.has(Condition::OutputOff) || st.operatingMode == 4 || st.operatingMode == 6;
}

QByteArray alarmText(const InterpretationState &st)
{
  QByteArrayList texts;
  for (const AlarmText &a : alarmTexts) {
    if (st.has(a.condition))
      texts << a.text;
  }
  if (st.operatingMode == 7 && texts.isEmpty())
    texts << "Safety mode";
  return texts.join(", ");
}

// Hundredths as a number with two decimals ("24.10").
QByteArray hundredths(uint32_t value)
{
  return QByteArray::number(value / 100.0, 'f', 2);
}

// Tenths of a degree, top bit set for a negative value (magnitude = complement).
QByteArray celsius(uint16_t raw)
{
  const bool negative = (raw & 0x8000u) != 0;
  const int tenths = negative ? -static_cast<int>(static_cast<uint16_t>(~raw)) : raw;
  return QByteArray::number(tenths / 10.0, 'f', 1);
}

void add(NutUpsTable &t, const char *name, const QByteArray &value)
{
  t.variables.append({QByteArray(name), value});
}

void addIdentity(NutUpsTable &t, const NutSource &src)
{
  const QByteArray mfr = src.manufacturer.toUtf8();
  const QByteArray model = src.entry.name.toUtf8();
  QString serial = batchNumberText(src.fields.rxField3[0]);
  if (src.fields.rxField4[0] != 0)
    serial += QLatin1Char('-') + serialNumberText(src.fields.rxField4[0]);
  add(t, "device.type", "ups");
  add(t, "device.mfr", mfr);
  add(t, "device.model", model);
  add(t, "device.serial", serial.toUtf8());
  add(t, "ups.mfr", mfr);
  add(t, "ups.model", model);
  add(t, "ups.serial", serial.toUtf8());
  add(t, "ups.firmware", firmwareVersionText(src.fields.rxField2[0]).toUtf8());
}

void addMeasuredValues(NutUpsTable &t, const NutSource &src)
{
  const RxFields &f = src.fields;
  const InterpretationState &st = src.process;
  add(t, "ups.temperature", celsius(f.rxField1100[0]));
  add(t, "input.voltage", hundredths(f.rxField100));
  add(t, "output.voltage", hundredths(f.rxField101));
  add(t, "output.current", hundredths(f.rxField301));
  if (st.storagePresent) {
    add(t, "battery.voltage", hundredths(f.rxField102[0]));
    add(t, "battery.current", hundredths(f.rxField304));
    // The remaining buffer time is counted while the device bridges a failure; clients read it in
    // seconds, battery models report it in minutes.
    if (onBattery(st)) {
      const uint32_t seconds = src.entry.isCapacitorModel() ? f.rxField1312 : f.rxField1312 * 60u;
      add(t, "battery.runtime", QByteArray::number(seconds));
    }
  }
}
} // namespace

QByteArray nutStatus(const InterpretationState &st)
{
  QByteArrayList words;
  const bool battery = onBattery(st);
  if (battery)
    words << "OB";
  else if (st.has(Condition::MainsPresent) || st.operatingMode == 2)
    words << "OL";
  if (st.has(Condition::StorageVeryLow) || st.has(Condition::DeepDischarge))
    words << "LB";
  if (st.has(Condition::ExchangeStorage) || st.has(Condition::LifetimeWarning))
    words << "RB";
  if (!battery && (st.has(Condition::ChargeBelow85) || st.operatingMode == 12))
    words << "CHRG";
  if (battery)
    words << "DISCHRG";
  if (st.has(Condition::OverCurrent) || st.has(Condition::OutputCurrentHigh) || st.operatingMode == 10 ||
      st.operatingMode == 11)
    words << "OVER";
  if (!alarmText(st).isEmpty())
    words << "ALARM";
  if (outputOff(st))
    words << "OFF";
  return words.join(' ');
}

NutUpsTable nutUpsTable(const NutSource &src)
{
  NutUpsTable t;
  const QString name = src.configuredName.isEmpty() ? src.entry.name.toLower() : src.configuredName;
  t.upsName = name.isEmpty() ? QByteArray("ups") : name.toUtf8();
  t.description = (src.manufacturer + QLatin1Char(' ') + src.entry.name).trimmed().toUtf8();
  // Until the interpreter has decoded a status word, nothing of the device's state is known (a
  // device that answers always reports some bit).
  t.stale = !src.live || src.entry.name.isEmpty() || src.process.statusWord == 0;
  if (t.stale)
    return t;
  addIdentity(t, src);
  add(t, "ups.status", nutStatus(src.process));
  const QByteArray alarm = alarmText(src.process);
  if (!alarm.isEmpty())
    add(t, "ups.alarm", alarm);
  addMeasuredValues(t, src);
  return t;
}
