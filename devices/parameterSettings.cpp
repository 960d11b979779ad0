#include "parameterSettings.h"

#include "common/languageTable.h"
#include "common/timedMessage.h"
#include "common/uiRecords.h"
#include "link/fieldTable.h"
#include "link/frameCodec.h"
#include "link/linkState.h"
#include "link/requestCycle.h"
#include "link/rxFields.h"
#include "storage/upsDataBase.h"

#include <cstring>

namespace
{
constexpr int parameterQueue = 1; // parameter writes
constexpr int controlQueue = 2;   // writes of the management word
constexpr uint16_t managementWordField = 602;
constexpr uint16_t factoryDefaultsField = 9;
constexpr uint16_t factoryDefaultsValue = 0xAAAA;
constexpr uint32_t vs1000ModelCode = 0x000BE003;
constexpr uint32_t vs1700ModelCode = 0x000BE030;
constexpr uint32_t vs5000ModelCode = 0x000BE031;

constexpr uint8_t factoryMessageTicks = 25;
constexpr uint8_t saveMessageTicks = 15;
constexpr uint8_t importMessageTicks = 25;
constexpr int factoryDefaultsText = 52;
constexpr int saveText = 53;
constexpr int importText = 54;

const QString parameterTable = QStringLiteral("Parameter");
const QString parameterColumn = QStringLiteral("par_settings");

bool online(const ParameterContext &c)
{
  return !c.link.hasStatus(DeviceStatusFlag::offline);
}

bool identified(const ParameterContext &c)
{
  return c.link.has(LinkFlag::deviceIdentified);
}

ParameterLayout layoutInUse(const ParameterContext &c)
{
  return parameterLayoutOf(c.entry.family);
}

// The models whose management word has the fuse reset and IPC mode bits.
bool hasResetAndIpcBits(const ParameterContext &c)
{
  const uint32_t code = c.entry.modelCode;
  return code == vs1700ModelCode || code == vs5000ModelCode;
}

QString text(const ParameterContext &c, int slot)
{
  return languageText(c.language, slot);
}

// Sends one value, unless the device is offline, and follows it until the device answers.
void queueWrite(const ParameterContext &c, int queue, uint16_t id, uint16_t value)
{
  const WriteConfirmationContext confirming{c.link,     c.requests, c.tx,          c.rx,
                                            c.language, c.message,  c.confirmation};
  queueConfirmedWrite(confirming, queue, parameterWritePayload({{id, value}}));
}

ManagementPageState pageStateOf(const ProcessData &pd)
{
  ManagementPageState page;
  page.chargerControl = pd.managementChecked_CheckBox1;
  page.fuseOperation = pd.overloadBehavior_CheckBox1;
  page.hiccupOperation = pd.overloadBehavior_CheckBox2;
  page.powerBoost = pd.powerBoost_Checked;
  page.topBoost = pd.topBoost_Checked;
  page.advanced1 = pd.advancedSettingsChecked_CheckBox1;
  page.advanced2 = pd.advancedSettingsChecked_CheckBox2;
  page.ipcMode = pd.enable_ipcMode;
  return page;
}

void storePageState(ProcessData &pd, const ManagementPageState &page)
{
  pd.managementChecked_CheckBox1 = page.chargerControl;
  pd.overloadBehavior_CheckBox1 = page.fuseOperation;
  pd.overloadBehavior_CheckBox2 = page.hiccupOperation;
  pd.powerBoost_Checked = page.powerBoost;
  pd.topBoost_Checked = page.topBoost;
  pd.advancedSettingsChecked_CheckBox1 = page.advanced1;
  pd.advancedSettingsChecked_CheckBox2 = page.advanced2;
  pd.enable_ipcMode = page.ipcMode;
}

ManagementModel managementModel(const DeviceCatalogueEntry &entry, bool demo)
{
  ManagementModel model;
  model.layout = parameterLayoutOf(entry.family);
  model.hasTopBoost = !entry.parameter.topBoostLabel.isEmpty();
  model.hasAdvancedSettings = entry.family == DeviceFamily::Vt24V || entry.family == DeviceFamily::Vt12V;
  model.demo = demo;
  return model;
}

// The local copy of the management word follows a change at once, before the device confirms it.
void setLocalManagementWord(const ParameterContext &c, uint16_t word)
{
  c.fields.rxField602 = word;
  c.managementWord = word;
}

// The pages show restored values at once when no device takes them: the received-value slots take
// the pairs as if the device had reported them.
void showRestoredValues(const ParameterContext &c, const QVector<ParameterPair> &pairs)
{
  uint8_t unit = 0;
  FieldStoreContext context{c.fields, unit, false};
  for (const ParameterPair &p : pairs) {
    const FieldTableRow *row = findFieldRow(p.id, fieldTableRows);
    if (!row)
      continue;
    uint32_t value = p.value;
    if (row->valueBytes == 4) // two 16-bit values: a write sets the first
      value = (value << 16) | c.fields.rxField306b;
    row->store(context, value);
  }
}

void startTransfer(const ParameterContext &c, ParameterTransfer &transfer,
                   const QVector<ParameterPair> &pairs)
{
  transfer = ParameterTransfer{};
  transfer.model = c.entry.name;
  transfer.pairs = pairs;
  runParameterTransferStep(c, transfer);
}

} // namespace

void runParameterTransferStep(const ParameterContext &c, ParameterTransfer &transfer)
{
  if (!transfer.pending())
    return;
  QueuedRequest &queue = c.requests.requestQueue[parameterQueue - 1];
  const QByteArray request = parameterWritePayload(transfer.pairs.mid(0, transfer.inFlight));
  if (!identified(c) || c.entry.name != transfer.model) {
    if (transfer.inFlight > 0 && queueHolds(queue, request))
      queue = QueuedRequest{}; // not for the device there now
    transfer = ParameterTransfer{};
    return;
  }
  if (transfer.inFlight > 0) {
    if (queueHolds(queue, request))
      return; // not sent yet
    // Gone from the queue: sent, or dropped or overwritten before it went out (then sent again).
    if (lastFrameCarried(c.tx, request))
      transfer.pairs.remove(0, transfer.inFlight);
    transfer.inFlight = 0;
    if (!transfer.pending()) {
      transfer = ParameterTransfer{};
      return;
    }
  }
  // Queue 1 is emptied without sending while the sub devices have not been polled once since the
  // identification: the next request waits for that, and for a free queue.
  if (!online(c) || !c.requests.subDevicePassDone || queue.length != 0)
    return;
  const QVector<ParameterPair> next = transfer.pairs.mid(0, pairsPerRequest);
  if (queueRequest(c.requests, parameterQueue, parameterWritePayload(next)))
    transfer.inFlight = next.size();
}

void restoreFactoryDefaults(const ParameterContext &c, ParameterTransfer &transfer)
{
  if (layoutInUse(c) == ParameterLayout::None)
    return;
  postMessage(c.message, text(c, factoryDefaultsText), factoryMessageTicks);
  if (identified(c)) // nothing is sent while the identification is pending
    startTransfer(c, transfer, {{factoryDefaultsField, factoryDefaultsValue}});
}

void saveParameterSet(const ParameterContext &c)
{
  const ParameterLayout layout = layoutInUse(c);
  if (layout == ParameterLayout::None || !c.database)
    return;
  // Only values the device has reported since it was identified are worth keeping: every parameter
  // field has been polled once when the sub-device pass is done.
  if (!identified(c) || !online(c) || !c.requests.subDevicePassDone) {
    postMessage(c.message, text(c, TextSlot::saveParametersOffline));
    return;
  }
  const QString &name = c.entry.name;
  const uint16_t row = c.database->deviceRow(parameterTable, name);
  if (row == 0)
    return;
  QVector<ParameterPair> pairs;
  for (uint16_t id : savedParameterIds(layout))
    pairs << ParameterPair{id, reportedParameterValue(c.fields, id)};
  c.database->UpdateRow_inDatabase(parameterTable, parameterColumn, parameterSetText(pairs), row);
  postMessage(c.message, text(c, saveText), saveMessageTicks);
}

void restoreParameterSet(const ParameterContext &c, ParameterTransfer &transfer)
{
  const ParameterLayout layout = layoutInUse(c);
  if (layout == ParameterLayout::None || !c.database)
    return;
  const uint16_t row = c.database->Get_dbID_forThisDevice(parameterTable, c.entry.name);
  if (row == 0) // nothing saved for this model
    return;
  const QString stored = c.database->ReadRow_fromDatabase(parameterTable, parameterColumn, row).value(0);
  const ParsedParameterSet set = parseParameterSetText(stored, layout);
  if (set.pairs.isEmpty())
    return;
  postMessage(c.message, text(c, importText), importMessageTicks);
  if (identified(c))
    startTransfer(c, transfer, set.pairs);
  else
    showRestoredValues(c, set.pairs);
}

void setLimitsListChoice(const ParameterContext &c, int comboBoxNr, const QString &text)
{
  const ParameterLayout layout = layoutInUse(c);
  uint16_t id = 0;
  if (layout == ParameterLayout::Battery && comboBoxNr == 0)
    id = 107; // buffer threshold
  else if (layout == ParameterLayout::Capacitor && comboBoxNr == 0)
    id = 305; // turn-on current limit
  else if (layout == ParameterLayout::Capacitor && comboBoxNr == 1)
    id = 107;
  const std::optional<uint16_t> value = numberFromListText(text);
  if (id != 0 && value)
    queueWrite(c, parameterQueue, id, *value);
}

void setLimitsTextBox(const ParameterContext &c, int textBoxNr, const QString &text)
{
  const ParameterLayout layout = layoutInUse(c);
  if (layout == ParameterLayout::None)
    return;
  const DeviceCatalogueEntry &entry = c.entry;
  ProcessData &pd = c.processData;
  if (layout == ParameterLayout::Battery) {
    const std::optional<uint16_t> typed = wholeNumberText(text);
    if (textBoxNr == 0 && typed)
      queueWrite(c, parameterQueue, 1303, *typed); // maximum buffer time, minutes
    return;
  }
  if (entry.modelCode == vs1000ModelCode)
    return;
  const ParameterLimits &limits = entry.limits;
  struct Box {
    uint16_t id;
    ValueRange range;
    QString *shown;
  };
  const Box boxes[] = {{1303, limits.bufferTimeMax, &pd.bufferTimeMax_Value},
                       {1302, limits.bufferTimeMin, &pd.bufferTimeMin_Value},
                       {504, limits.stateOfChargeLow, nullptr},
                       {505, limits.stateOfChargeHigh, nullptr}};
  if (textBoxNr < 0 || textBoxNr > 3)
    return;
  const Box &box = boxes[textBoxNr];
  // A value past the model's limits is sent, and shown, as the nearest one the model takes.
  const std::optional<uint16_t> value = wholeNumberInRange(text, box.range);
  if (!value)
    return;
  if (box.shown)
    *box.shown = QString::number(*value);
  queueWrite(c, parameterQueue, box.id, *value);
}

void setManagementListChoice(const ParameterContext &c, int comboBoxNr, const QString &text)
{
  const ParameterLayout layout = layoutInUse(c);
  static const uint16_t batteryIds[] = {105, 307, 110}; // end of charge, charge current, deep discharge
  static const uint16_t capacitorIds[] = {108, 307};    // end of charge per cell, charge current
  uint16_t id = 0;
  if (layout == ParameterLayout::Battery && comboBoxNr >= 0 && comboBoxNr < 3)
    id = batteryIds[comboBoxNr];
  else if (layout == ParameterLayout::Capacitor && comboBoxNr >= 0 && comboBoxNr < 2)
    id = capacitorIds[comboBoxNr];
  const std::optional<uint16_t> value = numberFromListText(text);
  if (id != 0 && value)
    queueWrite(c, parameterQueue, id, *value);
}

void setOverloadListChoice(const ParameterContext &c, int comboBoxNr, const QString &text)
{
  if (layoutInUse(c) != ParameterLayout::Capacitor)
    return;
  std::optional<uint16_t> value;
  if (comboBoxNr == 0 && (value = numberFromListText(text)))
    queueWrite(c, parameterQueue, 306, *value); // buffer current limit, 0.01 A
  else if (comboBoxNr == 1 && (value = numberFromListText(text, 1)))
    queueWrite(c, parameterQueue, 1307, *value); // the number as chosen
}

void setManagementSetting(const ParameterContext &c, int setting, bool state)
{
  const ManagementModel model = managementModel(c.entry, c.demo);
  ProcessData &pd = c.processData;
  const ManagementPageState before = pageStateOf(pd);
  ManagementPageState page = before;
  const std::optional<uint16_t> word = encodeManagementWord(model, page, setting, state);
  storePageState(pd, page);
  if (word || page != before)
    setLocalManagementWord(c, managementWordOf(model, page));
  if (word)
    queueWrite(c, controlQueue, managementWordField, *word);
}

void showManagementWord(const DeviceCatalogueEntry &entry, bool demo, ProcessData &pd, uint16_t word)
{
  const ManagementModel model = managementModel(entry, demo);
  if (model.layout == ParameterLayout::None)
    return;
  const ManagementPageState page = managementPageStateOf(model, word);
  storePageState(pd, page);
  if (model.layout == ParameterLayout::Capacitor)
    pd.IpcCheckboxChecked = page.ipcMode;
}

void setManagementCheckBox(const ParameterContext &c, int checkBoxNr, bool checked)
{
  if (layoutInUse(c) != ParameterLayout::Battery)
    return;
  if (checkBoxNr == ManagementSetting::chargerControlOrFuseReset ||
      checkBoxNr == ManagementSetting::advanced1 || checkBoxNr == ManagementSetting::advanced2)
    setManagementSetting(c, checkBoxNr, checked);
}

void setOverloadBehaviorCheckBox(const ParameterContext &c, int checkBoxNr, bool checked)
{
  if (checkBoxNr == 0 || checkBoxNr == 1)
    setManagementSetting(c, ManagementSetting::overloadFirst + checkBoxNr, checked);
}

void setOverloadCheckBox(const ParameterContext &c, int checkBoxNr, bool checked)
{
  if (checkBoxNr == ManagementSetting::powerBoost || checkBoxNr == ManagementSetting::topBoost)
    setManagementSetting(c, checkBoxNr, checked);
}

void resetFuseOperation(const ParameterContext &c, int buttonNr)
{
  // Other models have no reset bit: a word built for them would only rewrite their other settings.
  if (buttonNr == 0 && hasResetAndIpcBits(c))
    setManagementSetting(c, ManagementSetting::chargerControlOrFuseReset, true);
}

void setIpcMode(const ParameterContext &c, bool on)
{
  if (!hasResetAndIpcBits(c))
    return;
  c.processData.IpcCheckboxChecked = on;
  setManagementSetting(c, ManagementSetting::ipcMode, on);
}
