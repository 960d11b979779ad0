// The production page's commands: the device writes go to the service tools, the adapter and
// firmware commands suspend the link around their work.
#include "upsApp.h"

#include "stateParts.h"

#include "service/productionCommands.h"

namespace
{
CalibrationCommands calibrationCommandsOf(const DeviceCatalogueEntry &entry)
{
  return {entry.calibrationCommandCodes, entry.calibrationCommandNames, entry.calibrationRangeHints};
}
} // namespace

void upsApp::receiveFromQml_Production_Row(int buttonNr, QString kennungText, QString valueText1,
                                           QString valueText2, QString valueText3, QString valueText4,
                                           QString confByte1, QString confByte2)
{
  AppState &s = appState();
  s.sent.forgetAll();
  const ProductionRow row{
      buttonNr, kennungText, {valueText1, valueText2, valueText3, valueText4}, confByte1, confByte2};
  const CalibrationCommands calibration = calibrationCommandsOf(currentCatalogueEntry(s));
  runProductionDeviceCommand({s.requests, s.ui.productionWindow, s.production, calibration,
                              s.link.hasStatus(DeviceStatusFlag::offline)},
                             row);
}
