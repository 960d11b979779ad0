#include "deviceCatalogue.h"

#include "common/languageTable.h"
#include "valueText.h"

namespace
{
const QString devicePictures = QStringLiteral("qrc:/images/company/norvex/devices/");
const QString devicePicturesOnDisk = QStringLiteral("/images/company/norvex/devices/");
const QString temperatureRange = QStringLiteral("-25°C…+70°C");

// The text families: which labels, signal rows and status pictures a model has.
enum class TextFamily { Vk, VtVkl, Vs };

struct ModelDescription {
  const char *name;
  uint32_t modelCode;
  bool serviceOnly; // engineering models, listed only in production and debug builds
  DeviceFamily family;
  TextFamily texts;
  const char *input;
  const char *output;
  const char *storageEnergy;
  const char *photoDir;
  bool photoOnDisk;
  const char *statusDir;
  const char *potiDir;
  bool oldRelaySuffix; // the "-20" models name their third relay " 34 "
  bool boosts;         // Power-Boost and Top-Boost offered
  bool ftdiUpdate;
};

const ModelDescription models[] = {
    {"VK-5A-2U", 0x000BA030, false, DeviceFamily::Vk5A, TextFamily::Vk, "85-240 Vac", "DC 24V / 5A", "",
     "VK_5A_0", false, "VK_5A_0", "VK_5A_0", false, false, true},
    {"VK-5A-20", 0x000BA000, true, DeviceFamily::Vk5A, TextFamily::Vk, "85-240 Vac", "DC 24V / 5A", "",
     "VK_5A_L", false, "VK_5A_0", "VK_5A_L", true, true, true},
    {"VK-10A-2U", 0x000BA031, false, DeviceFamily::Vk10A, TextFamily::Vk, "85-240 Vac", "DC 24V / 10A", "",
     "VK_10A_0", false, "VK_10A_0", "VK_10A_0", false, false, true},
    {"VK-10A-20", 0x000BA001, true, DeviceFamily::Vk10A, TextFamily::Vk, "85-240 Vac", "DC 24V / 10A", "",
     "VK_10A_L", false, "VK_10A_0", "VK_10A_L", true, true, true},
    {"VKL-10A-0U", 0x000BF031, false, DeviceFamily::Vkl10A, TextFamily::VtVkl, "DC 24V / 10A", "DC 24V / 10A",
     "", "VKL_10A_0U", true, "VT_40A", "VT_40A", false, true, false},
    {"VKL-20A-0U", 0x000BF032, false, DeviceFamily::Vkl20A, TextFamily::VtVkl, "DC 24V / 20A", "DC 24V / 20A",
     "", "VKL_20A_0U", true, "VT_40A", "VT_40A", false, true, false},
    {"VT-40A", 0x000BF034, false, DeviceFamily::Vt24V, TextFamily::VtVkl, "DC 24V / 40A", "DC 24V / 40A", "",
     "VT_40A", false, "VT_40A", "VT_40A", false, true, false},
    {"VT-40A (12V)", 0x000BF134, false, DeviceFamily::Vt12V, TextFamily::VtVkl, "DC 24V / 40A",
     "DC 24V / 40A", "", "VT_40A", false, "VT_40A", "VT_40A", false, true, false},
    {"VS-1000-00", 0x000BE003, true, DeviceFamily::Vs, TextFamily::Vs, "DC 24V / 20A", "DC 24V / 20A",
     "1000Ws", "VS_1700", false, "VS_1700", "VS_1700", false, false, true},
    {"VS-1700-00", 0x000BE004, true, DeviceFamily::None, TextFamily::Vs, "DC 24V / 20A", "DC 24V / 20A",
     "1000Ws", "VS_1700", false, "VS_1700", "VS_1700", false, false, true},
    {"VS-1700-0", 0x000BE030, false, DeviceFamily::Vs, TextFamily::Vs, "DC 24V / 20A", "DC 24V / 20A",
     "1700Ws", "VS_1700", false, "VS_1700", "VS_1700", false, true, true},
    {"VS-5000-0", 0x000BE031, false, DeviceFamily::Vs5000, TextFamily::Vs, "DC 24V / 20A", "DC 24V / 20A",
     "5000Ws", "VS_5000", false, "VS_5000", "VS_5000", false, true, true},
};

// Status pictures of each text family, in the family's order.
const char *const vkStatus[] = {"net_mode",          "net_mode_no_charging",          "buffer_mode",
                                "over_current_mode", "over_current_mode_no_charging", "savety_mode",
                                "off_operation"};
const char *const vtStatus[] = {"net_mode",          "net_mode_no_charging",          "buffer_mode",
                                "over_current_mode", "over_current_mode_no_charging", "savety_mode",
                                "off_operation",     "over_current_by_buffer_mode",   "charging_mode"};
const char *const vsStatus[] = {"net_mode",           "net_mode_kommunikation",  "net_mode_no_charging",
                                "buffer_mode",        "hiccup_mode_only_master", "hiccup_mode",
                                "off_operation",      "net_mode_onlyMaster",     "buffer_mode_onlyMaster",
                                "constantCurrentMode"};

// Language slots of the signal-contact rows; the first is the "output inverted" label.
const int vkSignalRows[] = {49, 66, 67, 78, 72, 74, 75, 76, 73, 61, 63, 70, 87, 160, 161};
const int vtSignalRows[] = {49, 66, 67, 78, 72, 74, 75, 76, 73, 61, 63, 71, 87, 160, 161};
const int vsSignalRows[] = {49, 66, 78, 67, 62, 72, 73, 56, 57, 61, 63, 64, 167, 58};

// A list of `count` values from `start` in steps of `step`, each with its unit letter ("20.1V").
QStringList valueList(double start, double step, int count, const char *unit)
{
  QStringList list;
  double value = start;
  for (int i = 0; i < count; ++i) {
    list << QString::number(value, 'g', 6) + QLatin1String(unit);
    value += step;
  }
  return list;
}

void readListNumbers(ParameterTexts &p)
{
  p.numbers.bufferThreshold = listHundredths(p.bufferThresholdList);
  p.numbers.turnOnCurrentLimit = listHundredths(p.turnOnCurrentLimitList);
  p.numbers.endOfCharge = listHundredths(p.endOfChargeList);
  p.numbers.chargeCurrent = listHundredths(p.chargeCurrentList);
  p.numbers.deepDischarge = listHundredths(p.deepDischargeList);
  p.numbers.bufferCurrentLimit = listHundredths(p.bufferCurrentLimitList);
}

void fillValueLists(DeviceCatalogueEntry &e, const ModelDescription &m)
{
  ParameterTexts &p = e.parameter;
  const QString name = QLatin1String(m.name);
  if (m.texts == TextFamily::Vk) {
    p.bufferThresholdList = valueList(20.0, 0.1, 60, "V");
    p.endOfChargeList = valueList(26.0, 0.1, 35, "V");
    p.chargeCurrentList = valueList(0.2, 0.1, 29, "A");
    p.deepDischargeList = valueList(18.0, 0.1, 21, "V");
  } else if (m.family == DeviceFamily::Vt12V) {
    p.bufferThresholdList = valueList(10.5, 0.1, 27, "V");
    p.endOfChargeList = valueList(13.0, 0.1, 19, "V");
    p.chargeCurrentList = valueList(0.2, 0.1, 29, "A");
    p.deepDischargeList = valueList(9.0, 0.1, 12, "V");
  } else if (m.texts == TextFamily::VtVkl) {
    p.bufferThresholdList = valueList(21.0, 0.1, 51, "V");
    p.endOfChargeList = valueList(26.0, 0.1, 35, "V");
    p.chargeCurrentList = valueList(0.2, 0.1, 49, "A");
    p.deepDischargeList = valueList(18.0, 0.1, 21, "V");
  } else {
    p.bufferThresholdList = valueList(17.5, 0.5, 22, "V");
    p.chargeCurrentList = valueList(0.5, 0.5, 6, "A");
    if (m.boosts) // the current models set the cell voltage with a slider
      p.endOfChargeList = valueList(2.0, 0.1, 9, "V");
    else
      p.endOfChargeList = QStringList{"2.0V", "2.2V", "2.4V", "2.6V", "2.7V", "2.8V"};
    p.turnOnCurrentLimitList = QStringList{"5A", "10A", "21A", "42A"};
    p.bufferCurrentLimitList = QStringList{"22A"};
    if (name == QLatin1String("VS-1700-0")) {
      p.turnOnCurrentLimitList << "60A"
                               << "100A";
      p.bufferCurrentLimitList << "44A";
    }
  }
  readListNumbers(p);
}

void fillParameterTexts(DeviceCatalogueEntry &e, const ModelDescription &m, const LanguageTable &lang)
{
  auto t = [&lang](int slot) { return languageText(lang, slot); };
  ParameterTexts &p = e.parameter;
  const bool capacitor = m.texts == TextFamily::Vs;
  p.allowedRangeFormat = t(TextSlot::allowedRange);
  p.limitsFrameLabel = t(99);
  p.bufferThresholdLabel = t(85);
  p.managementFrameLabel = capacitor ? t(89) : t(88);
  p.managementCheckLabel = capacitor ? t(91) : t(87);
  p.endOfChargeLabel = capacitor ? t(91) : t(90);
  p.chargeCurrentLabel = t(94);
  p.overloadFrameLabel = t(101);
  p.fuseLabel = t(102);
  p.resetFuseLabel = t(129);
  if (m.boosts) {
    p.powerBoostLabel = t(127);
    p.topBoostLabel = t(128);
  }
  if (capacitor) {
    p.hiccupLabel = t(103);
    p.bufferCurrentLimitLabel = t(126);
    p.turnOnCurrentLimitLabel = t(86);
    p.stateOfChargeLabel = t(58);
    p.stateOfChargeLowLabel = t(59);
    p.stateOfChargeHighLabel = t(60);
    p.bufferTimeMaxLabel = t(107) + QStringLiteral(" [s]");
    p.bufferTimeMinLabel = t(109) + QStringLiteral(" [s]");
    if (m.boosts) {
      p.sliderLeftLabel = t(92);
      p.sliderRightLabel = t(93);
      p.sliderImage = devicePicturesOnDisk + QLatin1String(m.photoDir) +
                      QStringLiteral("/parameter/slider_cellVoltage_image.svg");
    }
    e.limits.stateOfChargeLow = {5, 85};
    e.limits.stateOfChargeHigh = {10, 95};
    e.limits.bufferTimeMin = {2, 3600};
    e.limits.bufferTimeMax = {2, 3600};
    e.limits.ipcDelay = {1, 1000};
    e.limits.ipcShutdown = {1, 600};
    e.limits.ipcIdle = {1, 60};
  } else {
    p.deepDischargeLabel = t(100);
    p.bufferTimeMaxLabel = t(107) + QStringLiteral(" [in min]");
    p.bufferTime8hLabel = t(106);
  }
  if (m.texts == TextFamily::VtVkl)
    p.alarmLabel = t(46);
  if (m.family == DeviceFamily::Vt24V || m.family == DeviceFamily::Vt12V) {
    p.advancedSettingsLabel = t(173);
    p.advancedSetting1Label = t(174);
    if (m.family == DeviceFamily::Vt24V)
      p.advancedSetting2Label = t(176);
  }
}

void fillPictures(DeviceCatalogueEntry &e, const ModelDescription &m)
{
  const QString photoDir = QLatin1String(m.photoDir);
  e.deviceImage = (m.photoOnDisk ? devicePicturesOnDisk : devicePictures) + photoDir + QLatin1Char('/') +
                  photoDir + ".jpg";
  for (const char *legend : {"topPower", "power", "overCurrent", "top", "Hicup", "fuse"})
    e.overloadLegendImages << devicePicturesOnDisk + photoDir + QStringLiteral("/overload/") + legend +
                                  ".png";

  const QString statusBase = devicePictures + QLatin1String(m.statusDir) + QStringLiteral("/status/");
  auto addStatus = [&](auto &names) {
    for (const char *status : names)
      e.statusImages << statusBase + QLatin1String(status) + ".gif";
  };
  if (m.texts == TextFamily::Vk)
    addStatus(vkStatus);
  else if (m.texts == TextFamily::VtVkl)
    addStatus(vtStatus);
  else
    addStatus(vsStatus);

  // Capacitor models have six selector pictures; a position past them shows none rather than a
  // picture that does not exist.
  const int potiPictures = m.texts == TextFamily::Vs ? 6 : 10;
  for (int position = 1; position <= potiPictures; ++position)
    e.potiImages << devicePictures + QLatin1String(m.potiDir) + QStringLiteral("/poti/%1.png").arg(position);

  if (m.texts == TextFamily::Vs) {
    const QString store = QStringLiteral("qrc:/images/company/norvex/capacitor/");
    for (const char *file : {"Elko_Achtung.png", "Elko_voll.png", "Elko_laden.gif", "Elko_entladen.gif",
                             "keineAhnung.png", "Elko_85prozent.png", "Elko_leer.png"})
      e.storageImages << store + QLatin1String(file);
    e.arrowImages =
        QStringList{"qrc:/images/pfeile/pfeilNachLinks.gif", "qrc:/images/pfeile/pfeilNachRechts.gif",
                    "qrc:/images/pfeile/kommunikation.gif"};
  } else {
    const QString store = QStringLiteral("qrc:/images/company/norvex/batterie/");
    for (const char *file : {"Batterie_leer.png", "Batterie_voll.png", "Batterie_ladend.gif",
                             "Batterie_entladend.gif", "Batterie_leer_defekt.png"})
      e.storageImages << store + QLatin1String(file);
  }
}

void fillSignalRows(DeviceCatalogueEntry &e, const ModelDescription &m, const LanguageTable &lang)
{
  const int *rows = vkSignalRows;
  int count = int(std::size(vkSignalRows));
  if (m.texts == TextFamily::VtVkl) {
    rows = vtSignalRows;
    count = int(std::size(vtSignalRows));
  } else if (m.texts == TextFamily::Vs) {
    rows = vsSignalRows;
    count = int(std::size(vsSignalRows));
  }
  e.signalInvertedLabel = languageText(lang, rows[0]);
  for (int i = 1; i < count; ++i)
    e.signalRowLabels << languageText(lang, rows[i]);
}

void fillCalibration(DeviceCatalogueEntry &e, const ModelDescription &m)
{
  const QString checkSheet = QStringLiteral("Siehe Prüfvorschrit!!!");
  const QString voltage = QStringLiteral("Range: 23V-25V -> 2300-2500");
  const QString leaveEmpty = QStringLiteral("Feld leer lassen und Kalibrieren");
  if (m.texts == TextFamily::Vk) {
    e.calibrationCommandNames = QStringList{"Output Voltage",
                                            "Battery Voltage",
                                            "Netmode Output Current",
                                            "Battery Current",
                                            "Buffer mode Output Current",
                                            "Charger PWM Voltage",
                                            "Charger PWM Current",
                                            "Over Current Calibration",
                                            "Power Boost Calibration"};
    e.calibrationCommandCodes = {0xA0, 0xA1, 0xB0, 0xB1, 0xB2, 0xCA, 0xCB, 0xD0, 0xD1};
    if (m.family == DeviceFamily::Vk10A)
      e.calibrationRangeHints = QStringList{voltage,
                                            voltage,
                                            "Range: z.B. 10A -> 1000",
                                            "Range: z.B. 3A -> 300",
                                            "Range: z.B. 10A -> 1000",
                                            leaveEmpty,
                                            checkSheet,
                                            "Range: z.B. 12A -> 1200",
                                            "Range: z.B. 15A -> 1500"};
    else
      e.calibrationRangeHints = QStringList{
          voltage,    voltage,    "Range: z.B. 5A -> 500", "Range: z.B. 2A -> 200",  "Range: z.B. 5A -> 500",
          leaveEmpty, checkSheet, "Range: z.B. 6A -> 600", "Range: z.B. 7,5A -> 750"};
  } else if (m.texts == TextFamily::VtVkl) {
    e.calibrationCommandNames =
        QStringList{"Input/Output Voltage", "Battery Voltage",     "Output Current",
                    "Battery Current",      "Charger PWM Voltage", "Charger PWM Current"};
    e.calibrationCommandCodes = {0xA0, 0xA1, 0xB0, 0xB1, 0xCA, 0xCB};
  } else {
    e.calibrationCommandNames = QStringList{
        "CALIBRATE_INPUT_VOLTAGE",      "CALIBRATE_OUTPUT_VOLTAGE",     "CALIBRATE_CHARGE_VOLTAGE",
        "CALIBRATE_STORAGE_VOLTAGE",    "CALIBRATE_OUTPUT_CURRENT",     "CALIBRATE_CHARGE_CURRENT",
        "CALIBRATE_CHARGE_VOLTAGE_PWM", "CALIBRATE_CHARGE_CURRENT_PWM", "CALIBRATE_BUFFER_VOLTAGE_PWM"};
    e.calibrationCommandCodes = {0xA0, 0xA1, 0xA2, 0xA3, 0xB0, 0xB1, 0xCA, 0xCB, 0xCC};
  }
  const QString range = QStringLiteral("Range: ");
  if (m.family == DeviceFamily::Vt12V || m.texts == TextFamily::Vs)
    e.calibrationRangeHints =
        QStringList{checkSheet, range, range, range, range, range, range, checkSheet, checkSheet};
  else if (m.texts == TextFamily::VtVkl)
    e.calibrationRangeHints = QStringList{
        voltage, voltage, "Range: z.B. 40A -> 4000", "Range: z.B. 5A -> 500", leaveEmpty, checkSheet, range,
        range,   range};
}

void fillEntry(DeviceCatalogueEntry &e, const ModelDescription &m, const LanguageTable &lang)
{
  const bool capacitor = m.texts == TextFamily::Vs;
  e.name = QString::fromUtf8(m.name);
  e.inputRating = QLatin1String(m.input);
  e.outputRating = QLatin1String(m.output);
  e.temperatureRange = temperatureRange;
  e.storageEnergy = QLatin1String(m.storageEnergy);
  e.selectable = 1;
  e.relaySuffix14 = QStringLiteral(" 14");
  e.relaySuffix24 = QStringLiteral(" 24");
  e.relaySuffix34 =
      capacitor ? QString() : (m.oldRelaySuffix ? QStringLiteral(" 34 ") : QStringLiteral(" 34"));
  fillSignalRows(e, m, lang);
  fillParameterTexts(e, m, lang);
  fillValueLists(e, m);
  fillPictures(e, m);
  fillCalibration(e, m);
  if (capacitor) {
    const double third = m.boosts ? 2.7 : 2.75;
    e.layoutFactors = {10.0, 4.7, third, 1.5, 1.63, 2.0, 1.23, 1.1, 1.14};
  } else {
    e.layoutFactors = {10.0, 4.7, 2.0, 1.5, 1.13, 1.14};
  }
  e.modelCode = m.modelCode;
  e.entryFlags = static_cast<uint8_t>(EntryFlag::filled | (capacitor ? EntryFlag::capacitorModel : 0));
  if (m.ftdiUpdate) {
    e.updateFlags =
        static_cast<uint8_t>(UpdateFlag::ftdiUpdate | (capacitor ? UpdateFlag::capacitorUpdater : 0));
    e.firmwareUpdateConfig = {1, 1, 1, 2, 8, 8};
  }
  e.family = m.family;
}

void buildStorageModules(DeviceCatalogue &catalogue, const LanguageTable &lang)
{
  struct Module {
    uint32_t code;
    const char *name;
    const char *temperature;
    const char *capacity;
  };
  static const Module modules[] = {
      {0x000BE002, "VS-11500-0", "-25°C…+70°C", "11500 Ws"},
      {2, "ACM 24/7Ah\nACMF 24/7Ah", "-10°C…+40°C", "7Ah"},
      {1, "ACM 24/3,2Ah\nACMF 24/3,2Ah", "-10°C…+40°C", "3.2Ah"},
      {3, "ACM 24/12Ah\nACMF 24/12Ah", "-10°C…+40°C", "12Ah"},
      {4, "ACMF 24/1,2Ah", "-10°C…+40°C", "1.2Ah"},
      {5, "ACMF 24/0,8Ah", "-10°C…+40°C", "0.8Ah"},
      {7, "ACB-2.5Ah", "-40°C…+60°C", "2.5Ah"},
      {8, "ACB-13Ah", "-40°C…+60°C", "13Ah"},
      {10, "26Ah", "-10°C…+40°C", "26Ah"},
  };
  for (StorageModuleEntry &entry : catalogue.storageModules) {
    entry = StorageModuleEntry{};
    entry.name = languageText(lang, 146);
    entry.value = 260;
  }
  int index = 1;
  for (const Module &m : modules) {
    StorageModuleEntry &entry = catalogue.storageModules[index++];
    entry.name = QString::fromUtf8(m.name);
    entry.voltage = QStringLiteral("24Vdc");
    entry.temperatureRange = QString::fromUtf8(m.temperature);
    entry.capacity = QString::fromUtf8(m.capacity);
    entry.moduleCode = m.code;
  }
  catalogue.storageModuleCount = storageModuleCapacity;
}
} // namespace

void buildDeviceCatalogue(DeviceCatalogue &catalogue, const LanguageTable &lang, bool serviceBuild)
{
  for (DeviceCatalogueEntry &entry : catalogue.entries)
    entry = DeviceCatalogueEntry{};
  int index = 1;
  for (const ModelDescription &m : models) {
    if (m.serviceOnly && !serviceBuild)
      continue;
    if (index >= catalogueCapacity - 1)
      break;
    fillEntry(catalogue.entries[index++], m, lang);
  }
  catalogue.catalogueCount = index;
  buildStorageModules(catalogue, lang);
}

int findStorageModule(const DeviceCatalogue &catalogue, uint32_t code)
{
  for (int i = 1; i < catalogue.storageModuleCount && i < storageModuleCapacity; ++i) {
    if (catalogue.storageModules[i].moduleCode == code && !catalogue.storageModules[i].capacity.isEmpty())
      return i;
  }
  return 0;
}

QStringList selectableModelNames(const DeviceCatalogue &catalogue)
{
  QStringList names;
  for (int i = 1; i < catalogue.catalogueCount; ++i) {
    if (!catalogue.entries[i].name.isEmpty())
      names << catalogue.entries[i].name;
  }
  return names;
}

QStringList modelsWithFtdiUpdate(const DeviceCatalogue &catalogue)
{
  QStringList names;
  for (int i = 1; i < catalogue.catalogueCount; ++i) {
    if (catalogue.entries[i].updateFlags & UpdateFlag::ftdiUpdate)
      names << catalogue.entries[i].name;
  }
  return names;
}

DeviceFamily familyOfModelCode(uint32_t modelCode)
{
  switch (modelCode) {
  case 0x000BF031:
    return DeviceFamily::Vkl10A;
  case 0x000BF032:
    return DeviceFamily::Vkl20A;
  case 0x000BF034:
    return DeviceFamily::Vt24V;
  case 0x000BF134:
    return DeviceFamily::Vt12V;
  case 0x000BA030:
  case 0x000BA000:
    return DeviceFamily::Vk5A;
  case 0x000BA031:
  case 0x000BA001:
    return DeviceFamily::Vk10A;
  case 0x000BE003:
  case 0x000BE030:
    return DeviceFamily::Vs;
  case 0x000BE031:
    return DeviceFamily::Vs5000;
  default:
    return DeviceFamily::None;
  }
}
