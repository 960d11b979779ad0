// The production page's commands: the device writes go to the service tools; the adapter
// commands take the port from the link while the adapter is in use and run the adapter work off
// the GUI thread.
#include "upsApp.h"

#include "stateParts.h"
#include "updatePreparationStep.h"

#include "link/serialPort.h"
#include "service/ftdiEepromProgramming.h"
#include "service/productionCommands.h"

#include <QFutureWatcher>
#include <QtConcurrent>

namespace
{
constexpr uint8_t portBits = LinkFlag::portSuspended | LinkFlag::autoDetect;
const QString comboBoxUpdate = QStringLiteral("ComboBoxUpdate");

CalibrationCommands calibrationCommandsOf(const DeviceCatalogueEntry &entry)
{
  return {entry.calibrationCommandCodes, entry.calibrationCommandNames, entry.calibrationRangeHints};
}

std::shared_ptr<FtdiAdapter> sharedAdapter(AppState &s)
{
  if (!s.preparation.adapter)
    s.preparation.adapter = makeFtdiAdapter();
  return s.preparation.adapter;
}

// The preparation reprograms the adapter through the EEPROM routine.
void programEeprom(FtdiAdapter &adapter, const QString &open, const QString &name, const QString &maker,
                   const std::array<uint8_t, 6> &options, const ServiceReport &report)
{
  QStringList descriptions;
  programFtdiEeprom(adapter, descriptions, open, name, maker, options, report);
}

// One adapter task at a time: the listing, the preparation and the update share the adapter.
bool adapterBusy(const AppState &s)
{
  return s.production.listing || s.production.updating || s.preparation.ftdiRefreshState != 0;
}

// The catalogue entry from row 1 on that offers the update over the adapter under this name.
const DeviceCatalogueEntry *updateModel(const AppState &s, const QString &name)
{
  for (int row = 1; row < s.catalogue.catalogueCount; ++row) {
    const DeviceCatalogueEntry &e = s.catalogue.entries[row];
    if ((e.updateFlags & UpdateFlag::ftdiUpdate) && e.name == name)
      return &e;
  }
  return nullptr;
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
  if (runProductionDeviceCommand({s.requests, s.ui.productionWindow, s.production, calibration,
                                  s.link.hasStatus(DeviceStatusFlag::offline)},
                                 row))
    return;
  switch (buttonNr) {
  case 20:
    if (valueText4 == comboBoxUpdate)
      s.production.ftdiDescription = confByte2;
    else
      listAdapters();
    break;
  case 21:
    if (valueText4 == comboBoxUpdate) {
      s.production.updateModel = confByte2;
    } else {
      s.production.updateModel = confByte2;
      startAdapterRefresh(s.production.updateModel, s.preparation.firmwarePath,
                          s.preparation.programRequested);
    }
    break;
  case 23:
    if (!confByte2.isEmpty())
      s.production.firmwarePath = confByte2;
    updateFromPage();
    break;
  case 24:
    refreshWithFirmware(confByte1 == QLatin1String("1"), confByte2);
    break;
  default:
    break;
  }
}

// The port is closed while the adapters are listed, and the link's choice comes back after.
void upsApp::listAdapters()
{
  AppState &s = appState();
  if (adapterBusy(s))
    return;
  s.production.listing = true;
  const bool wasSuspended = s.link.has(LinkFlag::portSuspended);
  s.link.set(LinkFlag::portSuspended, true);
  serialPort->closePort();
  if (!s.serviceLog->text().isEmpty())
    s.serviceLog->append(QString());
  auto adapter = sharedAdapter(s);
  const ServiceReport report = serviceReport(s.serviceLog);
  auto *watcher = new QFutureWatcher<QStringList>(this);
  connect(watcher, &QFutureWatcher<QStringList>::finished, this, [watcher, wasSuspended] {
    AppState &state = appState();
    state.production.ftdiDescriptions = watcher->result();
    state.production.listing = false;
    state.link.set(LinkFlag::portSuspended, wasSuspended);
    state.sent.forgetAll();
    watcher->deleteLater();
  });
  watcher->setFuture(QtConcurrent::run([adapter, report] { return listFtdiDevices(*adapter, report); }));
}

// Hands the port to the preparation, which finds the device, reprograms the adapter when asked
// and runs the update.
void upsApp::startAdapterRefresh(const QString &model, const QString &firmwarePath, bool programRequested)
{
  AppState &s = appState();
  if (adapterBusy(s))
    return;
  // With the port suspended the preparation keeps the names given here.
  s.link.set(LinkFlag::portSuspended, true);
  serialPort->closePort();
  UpdatePreparation &p = s.preparation;
  p.targetModel = model;
  p.expectedDescription = model;
  p.firmwarePath = firmwarePath;
  p.programRequested = programRequested;
  p.programEeprom = programEeprom;
  startFtdiRefresh(s);
}

void upsApp::refreshWithFirmware(bool programRequested, const QString &firmwarePath)
{
  AppState &s = appState();
  s.production.firmwarePath = firmwarePath;
  QString model = s.production.updateModel;
  // Without reprogramming, the adapter already carries the name of the device it sits on.
  if (!programRequested && s.link.has(LinkFlag::deviceIdentified) && s.catalogue.currentCatalogueIndex != 0)
    model = currentCatalogueEntry(s).name;
  if (firmwareFileUsable(firmwarePath))
    startAdapterRefresh(model, firmwarePath, programRequested);
}

// The update straight from the page, for an adapter that already carries the model's name. The
// link waits with the port closed until the update is over.
void upsApp::updateFromPage()
{
  AppState &s = appState();
  if (adapterBusy(s))
    return;
  const uint8_t before = s.link.linkFlags & portBits;
  s.link.set(LinkFlag::portSuspended, true);
  s.link.set(LinkFlag::autoDetect, false);
  serialPort->closePort();
  const DeviceCatalogueEntry *model = updateModel(s, s.production.updateModel);
  if (!model) {
    finishPageUpdate(before);
    return;
  }
  s.production.updating = true;
  s.production.ftdiDescription = model->name;
  s.serviceLog->append(QString());
  auto adapter = sharedAdapter(s);
  const ServiceReport report = serviceReport(s.serviceLog);
  auto *watcher = new QFutureWatcher<UpdateResult>(this);
  connect(watcher, &QFutureWatcher<UpdateResult>::finished, this, [this, watcher, before] {
    appState().production.updating = false;
    finishPageUpdate(before);
    watcher->deleteLater();
  });
  watcher->setFuture(
      QtConcurrent::run([adapter, report, inverted = (model->updateFlags & UpdateFlag::polarity) != 0,
                         path = s.production.firmwarePath, description = model->name] {
        return updateFirmware(*adapter, inverted, path, description, report);
      }));
}

// The link's port choice as it was, and the device is identified afresh.
void upsApp::finishPageUpdate(uint8_t linkBits)
{
  AppState &s = appState();
  s.link.linkFlags = uint8_t((s.link.linkFlags & ~portBits) | linkBits);
  s.link.set(LinkFlag::deviceIdentified, false);
  s.loop.fullRefreshPending = true;
  s.sent.forgetAll();
}
