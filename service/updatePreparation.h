// The preparation of a firmware update, one step per main-loop tick: find the device through the
// automatic detection, stop a capacitor model's charger, reprogram the adapter's EEPROM when
// asked, wait for the adapter under the expected description and run the update. The adapter
// work runs off the GUI thread; a step only starts it and looks for its result later.
#pragma once

#include "firmwareUpdate.h"
#include "ftdiAdapter.h"
#include "serviceLog.h"

#include "link/linkState.h"
#include "link/requestCycle.h"
#include "link/rxFields.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace UpdateFlagBit
{
constexpr uint8_t polarity = 1u << 0;   // boot-select and reset lines inverted
constexpr uint8_t ftdiUpdate = 1u << 1; // the firmware can be updated over the USB adapter
} // namespace UpdateFlagBit

// What the preparation needs of a catalogue entry.
struct UpdateModel {
  QString name;
  uint32_t modelCode = 0;
  uint8_t updateFlags = 0;
  std::array<uint8_t, 6> adapterConfig{};
};

struct PreparationContext {
  LinkState &link;
  RequestCycleState &requests;
  RxFields &fields;
  const std::vector<UpdateModel> &models; // catalogue order; row 0 is no model
  QString currentModelName;               // the catalogue entry of the device in use
  QString companyShortName;               // the adapter's new manufacturer string
  const std::shared_ptr<ServiceLog> &log;
};

// Reprograms the adapter's EEPROM (open description, new description, manufacturer, the six
// configuration bytes); runs off the GUI thread.
using EepromProgramming = std::function<void(FtdiAdapter &, const QString &, const QString &, const QString &,
                                             const std::array<uint8_t, 6> &, const ServiceReport &)>;

struct UpdatePreparation {
  uint32_t ftdiRefreshState = 0; // 0 idle, 1..8 the steps
  bool ftdiRefreshRunning = false;
  QString targetModel;
  QString expectedDescription;
  QString firmwarePath;
  bool programRequested = false;
  QString statusText; // the service status line of the production page

  // Copied from the model's catalogue entry at the start.
  uint32_t modelCode = 0;
  std::array<uint8_t, 6> adapterConfig{};
  bool polarity = false;

  QElapsedTimer timer;
  bool chargerFirstCall = false;
  bool chargerReady = false;
  QElapsedTimer chargerTimer;

  std::shared_ptr<FtdiAdapter> adapter;
  EepromProgramming programEeprom; // none: the EEPROM step only logs
  QFuture<QStringList> listing;
  QStringList descriptions; // of the last finished listing
  QFuture<void> programming;
  QFuture<UpdateResult> update;
  bool listingStarted = false;
  bool programmingStarted = false;
  bool updateStarted = false;
  UpdateResult lastResult = UpdateResult::Failed;

  int deviceWaitMs = 30000;
  int chargerWaitMs = 30000;
  int descriptionWaitMs = 30000;
};

// One step; `start` begins the sequence (from the production page), the main loop calls it
// without while ftdiRefreshRunning is set.
void refreshFtdiDevice(PreparationContext context, UpdatePreparation &p, bool start);

// The models whose capacitor store keeps the controller powered: their charger is stopped first.
bool stopsChargerBeforeUpdate(uint32_t modelCode);
