#include "pageRecords.h"

#include "common/languageTable.h"
#include "common/uiRecords.h"
#include "common/vendorData.h"
#include "deviceCatalogue.h"
#include "link/rxFields.h"
#include "signalRows.h"

void fillDeviceParameterRecord(DeviceParameterStruct &r, const DeviceCatalogueEntry &e)
{
  const ParameterTexts &p = e.parameter;
  const bool capacitor = e.isCapacitorModel();
  r = DeviceParameterStruct{};
  r.limitsFrameLabel = p.limitsFrameLabel;
  r.managementFrameLabel = p.managementFrameLabel;

  // Capacitor models set the turn-on current limit in the first box and the threshold in the second.
  if (capacitor) {
    r.limitsLabel_ComboBox1 = p.turnOnCurrentLimitLabel;
    r.limitsList_ComboBox1 = p.turnOnCurrentLimitList;
    r.limitsLabel_ComboBox2 = p.bufferThresholdLabel;
    r.limitsList_ComboBox2 = p.bufferThresholdList;
  } else {
    r.limitsLabel_ComboBox1 = p.bufferThresholdLabel;
    r.limitsList_ComboBox1 = p.bufferThresholdList;
  }

  // The charger control switch exists on the battery models only.
  if (!capacitor)
    r.managementLabel_CheckBox1 = p.managementCheckLabel;
  r.managementEnable_CheckBox1 = !r.managementLabel_CheckBox1.isEmpty();

  // Models with a slider picture choose the end-of-charge voltage on the slider, the others in a list.
  r.management_slider_Image1 = resolvePicturePath(p.sliderImage);
  if (p.sliderImage.isEmpty()) {
    r.managementLabel_ComboBox1 = p.endOfChargeLabel;
  } else {
    r.managementLabel_Slider1 = p.endOfChargeLabel;
    r.managementLabel_Slider1_left = p.sliderLeftLabel;
    r.managementLabel_Slider1_right = p.sliderRightLabel;
  }
  r.managementList_ComboBox1 = p.endOfChargeList;
  r.managementLabel_ComboBox2 = p.chargeCurrentLabel;
  r.managementList_ComboBox2 = p.chargeCurrentList;
  r.managementLabel_ComboBox3 = p.deepDischargeLabel;
  r.managementList_ComboBox3 = p.deepDischargeList;

  r.bufferCurentLimit_Label = p.bufferCurrentLimitLabel;
  r.bufferCurentLimit_List = p.bufferCurrentLimitList;
  r.powerBoost_Label = p.powerBoostLabel;
  r.topBoost_Label = p.topBoostLabel;
  r.overloadBehaviorFrameLabel = p.overloadFrameLabel;
  r.overloadBehavior_Label_CheckBox1 = p.fuseLabel;
  r.overloadBehavior_Label_CheckBox2 = p.hiccupLabel;
  r.overloadBehavior_Label_Buttom1 = p.resetFuseLabel;
  r.bufferTime_8hVDE_Label = p.bufferTime8hLabel;
  r.bufferTimeMax_Label = p.bufferTimeMaxLabel;
  r.bufferTimeMin_Label = p.bufferTimeMinLabel;
  r.advancedSettingsLabel = p.advancedSettingsLabel;
  r.advancedSettingsLabel_CheckBox1 = p.advancedSetting1Label;
  r.advancedSettingsLabel_CheckBox2 = p.advancedSetting2Label;
  r.stateOfCharging_Label = p.stateOfChargeLabel;
  r.stateOfChargingLowLevel_Label = p.stateOfChargeLowLabel;
  r.stateOfChargingHighLevel_Label = p.stateOfChargeHighLabel;

  const ParameterLimits &l = e.limits;
  for (const ValueRange &range : {l.bufferTimeMax, l.bufferTimeMin, l.stateOfChargeLow, l.stateOfChargeHigh,
                                  l.ipcDelay, l.ipcShutdown, l.ipcIdle})
    r.allowedRange_TextBox << (range.isSet() ? p.allowedRangeFormat.arg(range.minimum).arg(range.maximum)
                                             : QString());
}

void fillSignalOutputsLabels(SignalOutputsStruct &r, const DeviceCatalogueEntry &e, const LanguageTable &lang)
{
  const QString *suffixes[signalRelays] = {&e.relaySuffix14, &e.relaySuffix24, &e.relaySuffix34};
  QString SignalOutputsStruct::*const names[signalRelays] = {&SignalOutputsStruct::signal14_Bezeichnung,
                                                             &SignalOutputsStruct::signal24_Bezeichnung,
                                                             &SignalOutputsStruct::signal34_Bezeichnung};
  for (int relay = 0; relay < signalRelays; ++relay) {
    const QString suffix = suffixes[relay]->trimmed();
    // A relay without a suffix does not exist on the model (capacitor models have two).
    // The contacts carry their terminal numbers on the device, and that is what the pages show.
    r.*names[relay] = suffix;
    r.*invertedEnabledRelays[relay] = !suffix.isEmpty();
  }
  r.signalInverted_Bezeichnung = e.signalInvertedLabel;
  r.signalEvent_Label = languageText(lang, 155);
  for (int row = 0; row < signalRows; ++row)
    r.*rowLabels[row] = e.signalRowLabels.value(row);
  r.ipcSignalNumber = e.signalRowLabels.isEmpty() ? 0 : ipcSignalRow;
}

void fillSignalOutputsRouting(SignalOutputsStruct &r, const RxFields &fields, bool ipcState)
{
  const uint16_t words[signalRelays] = {fields.rxField604, fields.rxField605, fields.rxField606};
  for (int relay = 0; relay < signalRelays; ++relay) {
    const auto routed = [&words, relay](int bit) { return ((words[relay] >> bit) & 1u) != 0; };
    r.*invertedRelays[relay] = routed(15);
    const bool reservedForIpc = ipcState && routed(ipcSignalRow - 1);
    for (int row = 1; row <= signalRows; ++row) {
      r.*routedRows[row - 1][relay] = routed(row - 1);
      r.*enabledRows[row - 1][relay] = row == ipcSignalRow ? reservedForIpc : !reservedForIpc;
    }
  }
}
