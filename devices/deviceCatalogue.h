// The device models the application knows, with the texts, pictures, value lists and calibration
// commands that the pages show for each, and the storage modules a device can report.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <cstdint>

struct LanguageTable;

// Which interpreter serves a model's cyclic data.
enum class DeviceFamily { None, Vk5A, Vk10A, Vt24V, Vt12V, Vkl10A, Vkl20A, Vs, Vs5000 };

constexpr int catalogueCapacity = 16;
constexpr int storageModuleCapacity = 10;

namespace EntryFlag
{
constexpr uint8_t filled = 1u << 0;
constexpr uint8_t capacitorModel = 1u << 1;
} // namespace EntryFlag

namespace UpdateFlag
{
constexpr uint8_t polarity = 1u << 0;
constexpr uint8_t ftdiUpdate = 1u << 1; // firmware update over the FTDI adapter is offered
constexpr uint8_t capacitorUpdater = 1u << 2;
} // namespace UpdateFlag

// A minimum and maximum a parameter is clamped to (capacitor models only).
struct ValueRange {
  int minimum = 0;
  int maximum = 0;
  bool isSet() const { return maximum > 0; }
};

// A model's value lists in hundredths (one number per entry, in list order), read once when the
// catalogue is built so the interpretation pass looks a reported value up without parsing the texts.
struct ParameterListNumbers {
  QVector<qint64> bufferThreshold, turnOnCurrentLimit, endOfCharge, chargeCurrent, deepDischarge,
      bufferCurrentLimit;
};

// Labels and lists of the parameter pages.
struct ParameterTexts {
  QString limitsFrameLabel;
  QString allowedRangeFormat; // %1 lowest, %2 highest value a field takes
  QString bufferThresholdLabel;
  QStringList bufferThresholdList;
  QString turnOnCurrentLimitLabel;
  QStringList turnOnCurrentLimitList;
  QString managementFrameLabel;
  QString managementCheckLabel; // "Automatic charger control" or "End of charge voltage per cell"
  QString endOfChargeLabel;
  QStringList endOfChargeList;
  QString sliderLeftLabel;  // capacitor slider models: "Increased buffer time"
  QString sliderRightLabel; // "Increased lifetime"
  QString sliderImage;
  QString chargeCurrentLabel;
  QStringList chargeCurrentList;
  QString deepDischargeLabel;
  QStringList deepDischargeList;
  QString bufferCurrentLimitLabel;
  QStringList bufferCurrentLimitList;
  QString overloadFrameLabel;
  QString fuseLabel;
  QString hiccupLabel;
  QString resetFuseLabel;
  QString powerBoostLabel;
  QString topBoostLabel;
  QString stateOfChargeLabel;
  QString stateOfChargeLowLabel;
  QString stateOfChargeHighLabel;
  QString advancedSettingsLabel;
  QString advancedSetting1Label; // "12V operation mode"
  QString advancedSetting2Label; // "Exclusive charging mode"
  QString bufferTimeMaxLabel;
  QString bufferTimeMinLabel;
  QString bufferTime8hLabel;
  QString alarmLabel;
  ParameterListNumbers numbers; // filled together with the lists above
};

struct ParameterLimits {
  ValueRange stateOfChargeLow, stateOfChargeHigh, bufferTimeMin, bufferTimeMax, ipcDelay, ipcShutdown,
      ipcIdle;
};

struct DeviceCatalogueEntry {
  QString deviceImage;
  QString name;
  QString inputRating;
  QString outputRating;
  QString temperatureRange;
  QString storageEnergy;
  int selectable = 0;
  QString relaySuffix14, relaySuffix24, relaySuffix34;
  QString signalInvertedLabel;
  QStringList signalRowLabels; // rows 1-14 of the signal-contact page
  ParameterTexts parameter;
  ParameterLimits limits;
  QStringList overloadLegendImages; // topPower, power, overCurrent, top, Hicup, fuse
  QStringList storageImages;
  QStringList statusImages; // in the order of the family's status picture list
  QStringList arrowImages;  // capacitor models: left, right, communication
  QStringList potiImages;   // selector pictures 1-10 (1-6 on capacitor models)
  QVector<double> layoutFactors;
  QStringList calibrationCommandNames;
  QStringList calibrationRangeHints;
  QVector<uint8_t> calibrationCommandCodes;
  uint32_t modelCode = 0;
  uint8_t entryFlags = 0;
  uint8_t updateFlags = 0;
  bool signalOutputsChanged = false;
  bool parametersChanged = false;
  bool managementChanged = false;
  std::array<uint8_t, 6> firmwareUpdateConfig{};
  DeviceFamily family = DeviceFamily::None;

  bool isCapacitorModel() const { return (entryFlags & EntryFlag::capacitorModel) != 0; }
};

struct StorageModuleEntry {
  QString name;
  QString text2;
  QString text3;
  QString voltage;
  QString temperatureRange;
  QString capacity;
  uint16_t value = 0;
  uint32_t moduleCode = 0;
};

struct DeviceCatalogue {
  DeviceCatalogueEntry entries[catalogueCapacity];
  int catalogueCount = 0;
  StorageModuleEntry storageModules[storageModuleCapacity];
  int storageModuleCount = 0;
  uint8_t currentCatalogueIndex = 0; // the entry of the device in use; 0 = none chosen
};

// Fills the catalogue in the current language; the engineering models only in service builds.
void buildDeviceCatalogue(DeviceCatalogue &catalogue, const LanguageTable &lang, bool serviceBuild);

// Index (1-9) of the storage module with `code`, or 0 when the table has none.
int findStorageModule(const DeviceCatalogue &catalogue, uint32_t code);

// Names of the entries from index 1 on whose name is not empty, in catalogue order.
QStringList selectableModelNames(const DeviceCatalogue &catalogue);

// Names of the models whose firmware can be updated over the FTDI adapter.
QStringList modelsWithFtdiUpdate(const DeviceCatalogue &catalogue);

// The interpreter family of a reported model code.
DeviceFamily familyOfModelCode(uint32_t modelCode);
