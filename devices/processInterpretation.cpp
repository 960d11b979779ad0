#include "processInterpretation.h"

#include "common/languageTable.h"
#include "common/timedMessage.h"
#include "common/uiRecords.h"
#include "common/vendorData.h"
#include "currentDevice.h"
#include "link/buildOptions.h"
#include "link/linkState.h"
#include "link/rxFields.h"
#include "pageRecords.h"
#include "parameterSettings.h"
#include "valueText.h"

namespace
{
constexpr uint32_t bit(int n)
{
  return 1u << n;
}

constexpr int blinkFast = 2;
constexpr int blinkSlow = 8;
constexpr uint8_t saveMessageTicks = 25;
constexpr uint16_t chargingCurrent = 100; // above 1.00 A the storage counts as charging

QString text(const InterpretationContext &c, int slot)
{
  return languageText(c.language, slot);
}

// A relay or management word of 0 is taken only after ten zero words in a row.
bool takeDebounced(uint16_t word, int &zeroCountdown)
{
  if (word != 0) {
    zeroCountdown = zeroWordsIgnored;
    return true;
  }
  if (zeroCountdown > 0) {
    --zeroCountdown;
    return false;
  }
  zeroCountdown = zeroWordsIgnored;
  return true;
}

void decodeRelayWord(InterpretationState &st, uint16_t word)
{
  auto on = [word](int n) { return (word & bit(n)) != 0; };
  st.relayWord = word;
  st.stateFlagsA = 0;
  st.stateFlagsD = 0;
  st.stateFlagsF = 0;
  if (!on(0))
    st.stateFlagsA |= 1u << 0;
  st.storagePresent = !on(1);
  const int toA[] = {4, 6, 5, 1, 2, 3}; // relay bits 2-7
  for (int i = 0; i < 6; ++i) {
    if (on(2 + i))
      st.stateFlagsA |= static_cast<uint8_t>(1u << toA[i]);
  }
  if (on(8))
    st.stateFlagsD |= 1u << 0;
  if (on(9))
    st.stateFlagsD |= 1u << 2;
  if (on(10))
    st.stateFlagsF |= 1u << 3;
}

void readBufferTimeState(const InterpretationContext &c, InterpretationState &st,
                         const DeviceCatalogueEntry &entry)
{
  const int position = c.fields.rxField603;
  st.ipcState = position == 1 || !c.link.has(LinkFlag::deviceIdentified);
  st.customBufferTime = position == 2;
  st.infiniteBufferTime = position == 10;
  st.bufferTimeStateText = position == 1    ? QStringLiteral("IPC")
                           : position == 2  ? text(c, TextSlot::customBufferTime)
                           : position == 10 ? text(c, TextSlot::infiniteBufferTime)
                                            : QString();
  // Position 1 shows picture 10, 2 shows 9, 3-10 show 1-8.
  int picture = 0;
  if (position == 1)
    picture = 10;
  else if (position == 2)
    picture = 9;
  else if (position >= 3 && position <= 10)
    picture = position - 2;
  c.potiPicture = picture > 0 ? entry.potiImages.value(picture - 1) : QString();
  c.processData.potiText = c.potiPicture.isEmpty()
                               ? QString()
                               : (text(c, 105) + QLatin1Char(' ') + st.bufferTimeStateText).trimmed();
}

void decodeConditions(const InterpretationContext &c, InterpretationState &st, const FamilyTraits &traits)
{
  st.conditions.fill(false);
  for (int b = 0; b < statusWordBits; ++b) {
    if (st.statusWord & bit(b))
      st.conditions[static_cast<int>(traits.bits[b])] = true;
  }
  st.conditions[static_cast<int>(Condition::None)] = false;
  // Battery families also protect against deep discharge when the storage is close to the threshold.
  if (traits.kind == TextKind::VtVkl && st.storagePresent &&
      c.fields.rxField102[1] < c.fields.rxField110 + 120)
    st.conditions[static_cast<int>(Condition::DeepDischarge)] = true;
}

QString modeText(const InterpretationContext &c, const InterpretationState &st, const FamilyTraits &traits)
{
  const int mode = st.operatingMode;
  const int slot = (mode >= 0 && mode < 13) ? traits.modeTextSlots[mode] : 0;
  QString result = slot < 0 ? offlineMessage : (slot > 0 ? text(c, slot) : QString());
  if (traits.kind != TextKind::Vs)
    return result;
  auto annotate = [&result](const QString &note) {
    result += QStringLiteral(" [") + note + QLatin1Char(']');
  };
  if (c.fields.rxField603 == 4) {
    if (result == offlineMessage)
      result = text(c, 177);
    annotate(text(c, 27));
  }
  if (st.has(Condition::ConstantCurrent)) // cleared while the link is lost
    annotate(text(c, 167));
  if (st.statusWord & bit(1))
    annotate(text(c, 78));
  if (st.statusWord & bit(20))
    annotate(text(c, 115));
  return result;
}

// Which of the page's switches the model offers, and their states as the device reports them.
void fillSwitchStates(const InterpretationContext &c, const InterpretationState &st,
                      const DeviceCatalogueEntry &entry)
{
  ProcessData &pd = c.processData;
  const ParameterTexts &p = entry.parameter;
  const bool vsReset = entry.modelCode == 0xBE030 || entry.modelCode == 0xBE031;
  pd.powerBoost_Enable = !p.powerBoostLabel.isEmpty();
  pd.topBoost_Enable = !p.topBoostLabel.isEmpty();
  pd.overloadBehaviorEnable_CheckBox1 = !p.fuseLabel.isEmpty();
  pd.overloadBehaviorEnable_CheckBox2 = !p.hiccupLabel.isEmpty();
  pd.fuseMode_canReset = vsReset && st.operatingMode == 10;
  pd.IpcCheckboxEnable = vsReset;
  pd.advancedSettingsEnable_CheckBox1 = !p.advancedSetting1Label.isEmpty();
  pd.advancedSettingsEnable_CheckBox2 = !p.advancedSetting2Label.isEmpty();
  pd.stateOfCharging_Visible = !p.stateOfChargeLabel.isEmpty();
  // The state-of-charge levels the device reports, shown in the page's two text boxes.
  pd.stateOfChargingLowLevel_Label =
      pd.stateOfCharging_Visible ? QString::number(c.fields.rxField504) : QString();
  pd.stateOfChargingHighLevel_Label =
      pd.stateOfCharging_Visible ? QString::number(c.fields.rxField505) : QString();
  showManagementWord(entry, c.special.demo_version, pd, st.managementWord);
}

// First legend slot of the model's current rating; the six legends follow the pictures' order:
// buffer boost with hiccup, buffer boost with fuse, both boosts, Top-Boost, Power-Boost, nominal.
int legendGroup(const DeviceCatalogueEntry &entry)
{
  if (entry.isCapacitorModel())
    return entry.family == DeviceFamily::Vs5000 ? 197 : 203;
  if (entry.outputRating.endsWith(QStringLiteral("40A")))
    return 221;
  if (entry.outputRating.endsWith(QStringLiteral("20A")))
    return 215;
  if (entry.outputRating.endsWith(QStringLiteral("10A")))
    return 209;
  return 0;
}

// The overload page's two pictures: the boost in use and the chosen overload behaviour.
void fillOverloadPictures(const InterpretationContext &c, const DeviceCatalogueEntry &entry)
{
  ProcessData &pd = c.processData;
  const QStringList &images = entry.overloadLegendImages; // topPower, power, overCurrent, top, Hicup, fuse
  const int group = legendGroup(entry);
  if (images.size() < 6 || group == 0 || entry.parameter.powerBoostLabel.isEmpty()) {
    pd.boost_Image1.clear();
    pd.boost_Image2.clear();
    pd.overloadBehavior_legend_top.clear();
    pd.overloadBehavior_legend_bottom.clear();
    return;
  }
  int boostImage = 2;
  int boostLegend = 5;
  if (pd.powerBoost_Checked && pd.topBoost_Checked) {
    boostImage = 0;
    boostLegend = 2;
  } else if (pd.powerBoost_Checked) {
    boostImage = 1;
    boostLegend = 4;
  } else if (pd.topBoost_Checked) {
    boostImage = 3;
    boostLegend = 3;
  }
  const bool fuse = pd.overloadBehavior_CheckBox1;
  pd.boost_Image1 = resolvePicturePath(images.at(boostImage));
  pd.boost_Image2 = resolvePicturePath(images.at(fuse ? 5 : 4));
  pd.overloadBehavior_legend_top = text(c, group + boostLegend);
  pd.overloadBehavior_legend_bottom = text(c, group + (fuse ? 1 : 0));
}

void fillParameterSelections(const InterpretationContext &c, const InterpretationState &st,
                             const DeviceCatalogueEntry &entry)
{
  ProcessData &pd = c.processData;
  const RxFields &f = c.fields;
  const ParameterTexts &p = entry.parameter;
  const bool capacitor = entry.isCapacitorModel();
  pd.limitsEnable_ComboBox1 = (st.relayWord & bit(10)) != 0;
  if (capacitor) {
    pd.limitsSelText_ComboBox1 = hundredthsIndexOf(p.numbers.turnOnCurrentLimit, f.rxField305);
    pd.limitsEnable_ComboBox2 = pd.limitsEnable_ComboBox1;
    pd.limitsSelText_ComboBox2 = hundredthsIndexOf(p.numbers.bufferThreshold, f.rxField107);
    pd.bufferTimeMin_Value = QString::number(f.rxField1302);
  } else {
    pd.limitsSelText_ComboBox1 = hundredthsIndexOf(p.numbers.bufferThreshold, f.rxField107);
  }
  pd.bufferTimeMax_Value = QString::number(f.rxField1303);
  pd.bufferTimeMax_textBoxEnable = st.customBufferTime;
  pd.bufferTime_8hVDE_CheckBoxEnable = st.customBufferTime;
  pd.bufferTime_8hVDE_CheckBoxChecked = f.rxField1303 == 480;

  pd.managementChecked_CheckBox1 = (st.managementWord & bit(0)) != 0;
  pd.managementEnable_ComboBox1 = (st.relayWord & bit(9)) != 0 && !pd.managementChecked_CheckBox1;
  pd.managementEnable_ComboBox2 = pd.managementEnable_ComboBox1;
  pd.managementEnable_ComboBox3 = true;
  pd.managementSelText_ComboBox1 =
      hundredthsIndexOf(p.numbers.endOfCharge, capacitor ? f.rxField108 : f.rxField105);
  pd.managementSelText_ComboBox2 = hundredthsIndexOf(p.numbers.chargeCurrent, f.rxField307);
  pd.managementSelText_ComboBox3 = hundredthsIndexOf(p.numbers.deepDischarge, f.rxField110);

  pd.ipcShutdownTime = QString::number(f.rxField1304);
  pd.ipcDelayTime = QString::number(f.rxField1305);
  pd.ipcIdleTime = QString::number(f.rxField1306);
}

void raiseEventSignals(InterpretationState &st, const FamilyTraits &traits)
{
  for (int row = 0; row < eventRows; ++row) {
    const EventRule &rule = traits.events[row];
    st.eventSignal[row] = rule.condition != Condition::None
                              ? st.has(rule.condition)
                              : (rule.mode != 0 && st.operatingMode == rule.mode);
  }
}

struct Lamp {
  bool lit = false;
  int tact = 0;
  QStringList causes;
  void set(bool on, int period, const QString &cause = QString())
  {
    lit = on;
    tact = period;
    if (on && !cause.isEmpty() && !causes.contains(cause))
      causes << cause;
  }
};

void fillLamps(const InterpretationContext &c, const InterpretationState &st)
{
  const int mode = st.operatingMode;
  Lamp red, yellow, green;
  if (st.has(Condition::ExchangeStorage))
    red.set(true, blinkFast, text(c, 76));
  if (mode == 7 && (st.statusWord & bit(14)))
    red.set(true, blinkFast, text(c, 80));
  if (mode == 10)
    red.set(true, blinkSlow, text(c, 82));
  if (mode == 11)
    red.set(true, blinkFast, text(c, 82));
  if (mode == 4 || mode == 6)
    red.set(true, blinkSlow);
  if (st.has(Condition::SystemError)) // bit 12 means this only on the battery families
    red.set(true, 0, text(c, 160));
  if (mode == 1)
    red.set(false, 0);
  // The output goes off soon: the alarm lamp, not only the storage lamp's slower blinking.
  if (mode == 3 && st.storagePresent && st.has(Condition::StorageVeryLow))
    red.set(true, blinkFast, text(c, TextSlot::storageLowLamp));

  if (mode == 3 || mode == 5)
    yellow.set(true, st.has(Condition::StorageVeryLow) ? blinkSlow : blinkFast, text(c, 134));
  if (mode == 10 || mode == 11)
    yellow.set(true, 0, text(c, 82));
  if (mode == 4 || mode == 6)
    yellow.set(true, blinkSlow);
  if (!st.storagePresent && st.has(Condition::BufferNotPossible))
    yellow.causes << text(c, 147);

  if (mode == 2) {
    green.set(!st.has(Condition::OutputOff), 0);
    if (st.storagePresent && c.fields.rxField304 > chargingCurrent)
      green.causes << text(c, 133);
  }
  if (mode == 7 || st.has(Condition::InputFailure))
    green.set(true, blinkFast);
  if (mode == 10 || mode == 11)
    green.set(true, 0);
  if (mode == 4 || mode == 6)
    green.set(true, blinkSlow);

  ProcessData &pd = c.processData;
  pd.red_image = red.lit ? Pictures::ledRed : Pictures::ledGrey;
  pd.red_image_tact = red.tact;
  pd.yellow_image = yellow.lit ? Pictures::ledYellow : Pictures::ledGrey;
  pd.yellow_image_tact = yellow.tact;
  pd.green_image = green.lit ? Pictures::ledGreen : Pictures::ledGrey;
  pd.green_image_tact = green.tact;
  pd.grey_image = Pictures::ledGrey;
  pd.signal_Label_ledRed = red.causes.join(QLatin1Char('\n'));
  pd.signal_Label_ledYellow = yellow.causes.join(QLatin1Char('\n'));
  pd.signal_Label_ledGreen = green.causes.join(QLatin1Char('\n'));
}

// The status picture for the mode, named as in the family's status folder.
QString statusPictureName(const InterpretationState &st, TextKind kind)
{
  const int mode = st.operatingMode;
  const bool storage = st.storagePresent;
  switch (mode) {
  case 2:
    if (kind == TextKind::Vs)
      return storage ? QStringLiteral("net_mode") : QStringLiteral("net_mode_onlyMaster");
    return storage ? QStringLiteral("net_mode") : QStringLiteral("net_mode_no_charging");
  case 3:
  case 5:
    return (kind == TextKind::Vs && !storage) ? QStringLiteral("buffer_mode_onlyMaster")
                                              : QStringLiteral("buffer_mode");
  case 7:
    return kind == TextKind::Vs ? QStringLiteral("off_operation") : QStringLiteral("savety_mode");
  case 10:
  case 11:
    if (kind == TextKind::Vs)
      return storage ? QStringLiteral("hiccup_mode") : QStringLiteral("hiccup_mode_only_master");
    if (kind == TextKind::VtVkl && st.has(Condition::InputFailure))
      return QStringLiteral("over_current_by_buffer_mode");
    return storage ? QStringLiteral("over_current_mode") : QStringLiteral("over_current_mode_no_charging");
  case 12:
    return QStringLiteral("charging_mode");
  default:
    if (kind == TextKind::Vs && st.has(Condition::ConstantCurrent))
      return QStringLiteral("constantCurrentMode");
    return QStringLiteral("off_operation");
  }
}

QString statusPicture(const DeviceCatalogueEntry &entry, const QString &name)
{
  const QString suffix = QStringLiteral("/status/") + name + QStringLiteral(".gif");
  for (const QString &path : entry.statusImages) {
    if (path.endsWith(suffix))
      return path;
  }
  return QString();
}

// Battery images: empty, full, charging, discharging, defective. Capacitor images: warning, full,
// charging, discharging, unknown, 85 %, empty.
QString storagePicture(const InterpretationContext &c, const InterpretationState &st,
                       const DeviceCatalogueEntry &entry)
{
  const int mode = st.operatingMode;
  if (!st.storagePresent || mode == 1 || mode == 4 || mode == 6 || entry.storageImages.isEmpty())
    return QString();
  const bool capacitor = entry.isCapacitorModel();
  const int full = 1, charging = 2, discharging = 3;
  if (st.has(Condition::ExchangeStorage) && c.fields.rxField1[1] == 0)
    return entry.storageImages.value(capacitor ? 0 : 4);
  if (mode == 3 || mode == 5)
    return entry.storageImages.value(
        c.fields.rxField301 > chargingCurrent && c.fields.rxField304 <= chargingCurrent ? discharging : full);
  if (capacitor && st.has(Condition::ChargeBelow85))
    return entry.storageImages.value(5);
  return entry.storageImages.value(c.fields.rxField304 <= chargingCurrent ? full : charging);
}

void fillMeasuredValues(const InterpretationContext &c, const InterpretationState &st,
                        const DeviceCatalogueEntry &entry)
{
  ProcessData &pd = c.processData;
  const RxFields &f = c.fields;
  const bool fahrenheit = pd.comboBoxTemperatureUnitCurrentIndex == 1;
  const QString unit = c.temperatureUnitText.isEmpty() ? QStringLiteral("°C") : c.temperatureUnitText;
  const QString volt = QStringLiteral("V");
  const QString ampere = QStringLiteral("A");

  pd.chargeVoltage = hundredthsTextOrNone(f.rxField104, volt);
  pd.chargeCurrent = hundredthsTextOrNone(f.rxField304, ampere);
  pd.masterInput_text = hundredthsText(f.rxField100, volt);
  pd.masterOutput_text =
      hundredthsText(f.rxField101, volt) + QLatin1Char('\n') + hundredthsText(f.rxField301, ampere);
  pd.usvBufferInOutText = st.storagePresent ? hundredthsText(f.rxField102[0], volt) : QString();
  pd.usvBufferDischargeOutText = st.storagePresent ? pd.chargeCurrent : QString();
  if (st.storagePresent && (st.operatingMode == 3 || st.operatingMode == 5))
    pd.usvBufferDischargeOutText +=
        QLatin1Char('\n') + text(c, 170) + QStringLiteral(": ") + QString::number(f.rxField1312) +
        (entry.isCapacitorModel() ? QStringLiteral(" s") : QStringLiteral(" min"));
  pd.masterTemperatur = temperatureText(f.rxField1100[0], fahrenheit, unit);

  // Device details: one label and one value per line.
  const int module = findStorageModule(c.catalogue, f.rxField1[1]);
  QString batch = batchNumberText(f.rxField3[0]);
  if (f.rxField4[0] != 0)
    batch += QLatin1Char('-') + serialNumberText(f.rxField4[0]);
  const QString capacity =
      entry.isCapacitorModel()
          ? entry.storageEnergy
          : (st.storagePresent ? c.catalogue.storageModules[module].capacity : text(c, 147));
  const int labels[] = {8, 41, 42, 43, 3, 10, 9, 169};
  const QStringList values{entry.name,
                           entry.inputRating,
                           entry.outputRating,
                           pd.masterTemperatur,
                           operatingTimeText(f.rxField1300[0] / 10),
                           batch,
                           firmwareVersionText(f.rxField2[0]),
                           capacity};
  QStringList labelLines;
  for (int slot : labels)
    labelLines << text(c, slot) + QLatin1Char(':');
  pd.masterDeviceDetailsLabel = labelLines.join(QLatin1Char('\n'));
  pd.masterDeviceDetailsValues = values.join(QLatin1Char('\n')) + specialSettingsReport(c.special, f);
}

// Details of the storage modules behind the device, one label and one value block per module.
void fillSubDeviceDetails(const InterpretationContext &c)
{
  ProcessData &pd = c.processData;
  const RxFields &f = c.fields;
  QString *labels[3] = {&pd.slave1_DeviceDetailsLabel, &pd.slave2_DeviceDetailsLabel,
                        &pd.slave3_DeviceDetailsLabel};
  QString *values[3] = {&pd.slave1_DeviceDetailsValues, &pd.slave2_DeviceDetailsValues,
                        &pd.slave3_DeviceDetailsValues};
  const int count = std::min<int>(f.subDeviceCount, 3);
  for (int k = 1; k <= 3; ++k) {
    if (k > count || f.rxField1[k] == 0) {
      labels[k - 1]->clear();
      values[k - 1]->clear();
      continue;
    }
    const StorageModuleEntry &module =
        c.catalogue.storageModules[findStorageModule(c.catalogue, f.rxField1[k])];
    QString batch = batchNumberText(f.rxField3[k]);
    if (f.rxField4[k] != 0)
      batch += QLatin1Char('-') + serialNumberText(f.rxField4[k]);
    const int labelSlots[] = {8, 3, 10, 9, 169};
    QStringList labelLines;
    for (int slot : labelSlots)
      labelLines << text(c, slot) + QLatin1Char(':');
    *labels[k - 1] = labelLines.join(QLatin1Char('\n'));
    *values[k - 1] = QStringList{QString(module.name).replace(QLatin1Char('\n'), QLatin1String(" / ")),
                                 operatingTimeText(f.rxField1300[k] / 10), batch,
                                 firmwareVersionText(f.rxField2[k]), module.capacity}
                         .join(QLatin1Char('\n'));
  }
}

// Storage units behind a capacitor model: values and pictures per unit.
void fillSlaveUnits(const InterpretationContext &c, const InterpretationState &st,
                    const DeviceCatalogueEntry &entry)
{
  ProcessData &pd = c.processData;
  const RxFields &f = c.fields;
  const int count = std::min<int>(f.subDeviceCount, 3);
  const bool fahrenheit = pd.comboBoxTemperatureUnitCurrentIndex == 1;
  const QString unit = c.temperatureUnitText.isEmpty() ? QStringLiteral("°C") : c.temperatureUnitText;
  QString *texts[3] = {&pd.slave1_text, &pd.slave2_text, &pd.slave3_text};
  QString *images[3] = {&pd.slave1_image, &pd.slave2_image, &pd.slave3_image};
  QString *arrows[3] = {&pd.pfeilNachLinks1_image, &pd.pfeilNachLinks2_image, &pd.pfeilNachLinks3_image};
  QString *animations[3] = {&pd.slaveAnim1_image, &pd.slaveAnim2_image, &pd.slaveAnim3_image};
  const int mode = st.operatingMode;
  for (int k = 1; k <= 3; ++k) {
    const bool present = k <= count && f.rxField1[k] != 0;
    *texts[k - 1] = present ? hundredthsText(f.rxField102[k], QStringLiteral("V")) + QLatin1Char('\n') +
                                  temperatureText(f.rxField1100[k], fahrenheit, unit) + QLatin1Char('\n') +
                                  operatingTimeText(f.rxField1300[k] / 10)
                            : QString();
    QString image, arrow;
    if (present && (mode == 2 || mode == 3)) {
      image = entry.storageImages.value(mode == 2 ? 2 : 3);
      arrow = entry.arrowImages.value(mode == 2 ? 1 : 0);
    } else if (present && (mode == 7 || mode == 10 || mode == 11)) {
      image = entry.storageImages.value(0);
    }
    *images[k - 1] = image;
    *arrows[k - 1] = arrow;
    *animations[k - 1] = present ? entry.arrowImages.value(2) : QString();
  }
}

void acknowledgeWrites(const InterpretationContext &c, InterpretationState &st)
{
  const RxFields &f = c.fields;
  const bool rose = ((f.rxField99 & 1u) && !(st.previous99 & 1u)) ||
                    ((f.rxField88a & 1u) && !(st.previous88a & 1u)) ||
                    ((f.rxField88b & 1u) && !(st.previous88b & 1u));
  if (rose)
    postMessage(c.message, text(c, 53), saveMessageTicks);
  st.previous99 = f.rxField99;
  st.previous88a = f.rxField88a;
  st.previous88b = f.rxField88b;
}

void runFamilyHandler(const InterpretationContext &c, const FamilyTraits &traits,
                      const DeviceCatalogueEntry &entry)
{
  InterpretationState &st = c.process;
  ProcessData &pd = c.processData;
  const RxFields &f = c.fields;
  pd.visuDelay_ms = 1000;

  // The shutdown decision uses the mode of the previous pass.
  st.pcShutdownRequest = st.operatingMode == 3 || (traits.shutdownOnIpcShutdown && st.operatingMode == 5);
  st.pcShutdownDelay = f.rxField1305;
  acknowledgeWrites(c, st);

  if (takeDebounced(f.rxField601, st.relayZeroCountdown))
    decodeRelayWord(st, f.rxField601);
  if (takeDebounced(f.rxField602, st.managementZeroCountdown))
    st.managementWord = f.rxField602;
  readBufferTimeState(c, st, entry);
  st.storageName = st.storagePresent
                       ? c.catalogue.storageModules[findStorageModule(c.catalogue, f.rxField1[1])].name
                       : QString();

  st.statusWord = f.rxField600;
  const bool identified = c.link.has(LinkFlag::deviceIdentified);
  st.operatingMode = identified ? operatingModeOf(traits, st.statusWord) : 1;
  decodeConditions(c, st, traits);
  if (traits.kind == TextKind::Vs && c.link.retryLevel != 0) {
    st.operatingMode = 1;
    st.conditions[static_cast<int>(Condition::ConstantCurrent)] = false;
  }
  pd.masterOperationModus = modeText(c, st, traits);

  fillParameterSelections(c, st, entry);
  fillSwitchStates(c, st, entry);
  fillOverloadPictures(c, entry);
  fillSignalOutputsRouting(c.signalOutputs, c.fields, st.ipcState);
  raiseEventSignals(st, traits);
  fillLamps(c, st);
  if (identified) {
    fillMeasuredValues(c, st, entry);
    fillSubDeviceDetails(c);
  } else {
    resetProcessValues(c.process, c.processData);
  }
  pd.master_image = statusPicture(entry, statusPictureName(st, traits.kind));
  pd.masterAdding_AnimatedImag = storagePicture(c, st, entry);
  if (traits.kind == TextKind::Vs)
    fillSlaveUnits(c, st, entry);
}
// Grey lamps, no status picture and "-.-" for the values: nothing measured to show.
void clearMeasuredValues(ProcessData &pd)
{
  pd.red_image = pd.yellow_image = pd.green_image = Pictures::ledGrey;
  pd.red_image_tact = pd.yellow_image_tact = pd.green_image_tact = 0;
  pd.signal_Label_ledRed.clear();
  pd.signal_Label_ledYellow.clear();
  pd.signal_Label_ledGreen.clear();
  // The status picture shows the flow of energy: without a device there is none to show.
  pd.master_image.clear();
  pd.masterAdding_AnimatedImag.clear();
  const QString noVolts = QStringLiteral("-.- V");
  const QString noAmperes = QStringLiteral("-.- A");
  pd.chargeVoltage = noVolts;
  pd.chargeCurrent = noAmperes;
  pd.masterInput_text = noVolts;
  pd.masterOutput_text = noVolts + QLatin1Char('\n') + noAmperes;
  pd.usvBufferInOutText.clear();
  pd.usvBufferDischargeOutText.clear();
  pd.masterTemperatur.clear();
}
} // namespace

void resetProcessValues(InterpretationState &process, ProcessData &pd)
{
  process.operatingMode = 1;
  pd.masterOperationModus = offlineMessage;
  clearMeasuredValues(pd);
}

void showNoConnection(ProcessData &pd, const QString &heading, const QString &unknown,
                      const QString &temperatureUnit)
{
  pd.masterOperationModus = heading;
  pd.masterOperationModusExtra.clear();
  clearMeasuredValues(pd);
  pd.masterTemperatur = QStringLiteral("-.- ") + temperatureUnit;
  for (QString *unit :
       {&pd.slave1_text, &pd.slave2_text, &pd.slave3_text, &pd.slave1_image, &pd.slave2_image,
        &pd.slave3_image, &pd.pfeilNachLinks1_image, &pd.pfeilNachLinks2_image, &pd.pfeilNachLinks3_image,
        &pd.slaveAnim1_image, &pd.slaveAnim2_image, &pd.slaveAnim3_image})
    unit->clear();
  // Whether a relay contact is open or closed is not known: no picture, and the reason as its text.
  for (QString *relay : {&pd.signalRelayImage14, &pd.signalRelayImage24, &pd.signalRelayImage34})
    relay->clear();
  for (QString *cause : {&pd.signalRelayText14, &pd.signalRelayText24, &pd.signalRelayText34})
    *cause = unknown;
  pd.devStatusText = QStringLiteral("▪ ") + heading + QLatin1Char('\n');
  pd.potiText.clear();
}

int operatingModeOf(const FamilyTraits &traits, uint32_t statusWord)
{
  int mode = (statusWord & bit(0)) ? 2 : 1;
  for (int i = 0; i < traits.modeRuleCount; ++i) {
    if (statusWord & bit(traits.modeOrder[i].bit))
      mode = traits.modeOrder[i].mode;
  }
  return mode;
}

bool familyInterpreterAvailable(const DeviceCatalogueEntry &entry)
{
  return traitsOf(entry.family) != nullptr;
}

bool interpretProcessData(const InterpretationContext &c)
{
  const DeviceCatalogueEntry &entry = currentCatalogueEntry(c.catalogue);
  const FamilyTraits *traits = traitsOf(entry.family);
  if (!traits || c.process.busy)
    return false;
  c.process.busy = true;
  runFamilyHandler(c, *traits, entry);
  c.process.busy = false;
  return true;
}
