#include "updatePreparation.h"

#include <QtConcurrent>

namespace
{
const QString noAdapters = QStringLiteral("No FT-Devices devices found");

QString seconds(const QElapsedTimer &timer)
{
  return QString::number(timer.elapsed() / 1000.0, 'f', 1) + " s";
}

void takeAdapter(PreparationContext &c)
{
  c.link.adapterTaken = true;
  c.link.set(LinkFlag::portSuspended, true);
  c.link.set(LinkFlag::autoDetect, false);
}

void startPreparation(PreparationContext &c, UpdatePreparation &p)
{
  p.ftdiRefreshRunning = true;
  c.log->append(QString());
  p.statusText.clear();
  if (!c.link.has(LinkFlag::portSuspended))
    p.targetModel = p.expectedDescription = c.currentModelName;
  const UpdateModel *model = nullptr;
  for (size_t row = 1; row < c.models.size() && !model; ++row) {
    if ((c.models[row].updateFlags & UpdateFlagBit::ftdiUpdate) && c.models[row].name == p.targetModel)
      model = &c.models[row];
  }
  if (p.targetModel.isEmpty() || !model) {
    p.ftdiRefreshState = 8;
    return;
  }
  p.modelCode = model->modelCode;
  p.adapterConfig = model->adapterConfig;
  p.polarity = (model->updateFlags & UpdateFlagBit::polarity) != 0;
  p.statusText = QStringLiteral("Updating firmware ") + model->name;
  c.link.set(LinkFlag::portSuspended, false);
  c.link.set(LinkFlag::autoDetect, true);
  c.log->append(QStringLiteral("Device scanning: "));
  if (!p.adapter)
    p.adapter = makeFtdiAdapter();
  p.timer.start();
  p.chargerFirstCall = true;
  p.ftdiRefreshState = 2;
}

void waitForDevice(PreparationContext &c, UpdatePreparation &p)
{
  p.statusText = seconds(p.timer);
  if (c.link.has(LinkFlag::deviceIdentified) || c.link.hasStatus(DeviceStatusFlag::offline)) {
    c.log->append(QStringLiteral(" ") + p.targetModel + QStringLiteral("\n"));
    p.timer.start();
    p.ftdiRefreshState = 3;
  } else if (p.timer.elapsed() > p.deviceWaitMs) {
    c.log->append(QStringLiteral("unbekannt\n"));
    p.ftdiRefreshState = 8;
  }
}

// The charger is switched off by writing the UPS's own number as sub device 1's number; the
// store then discharges, and the controller can be reset once its voltage has gone.
bool chargerShutDown(PreparationContext &c, UpdatePreparation &p)
{
  if (p.chargerFirstCall) {
    p.chargerFirstCall = false;
    p.chargerReady = false;
    c.log->append(QStringLiteral("Charger shutdown: "));
    p.chargerTimer.start();
    c.fields.rxField99 = 0;
    const uint32_t number = c.fields.rxField4[0];
    const QByteArray payload = QByteArray::fromHex("0063"
                                                   "000601"
                                                   "0004") +
                               char(number >> 24) + char(number >> 16) + char(number >> 8) + char(number);
    queueRequest(c.requests, 1, payload, 4, 10);
    return false;
  }
  if (p.chargerReady)
    return true;
  p.statusText = QString::number(c.fields.rxField104 / 100.0, 'f', 1) + QStringLiteral(" V");
  if (p.chargerTimer.elapsed() > p.chargerWaitMs) {
    c.log->append(QStringLiteral(" Timeout"));
    p.chargerReady = true;
  } else if (c.fields.rxField104 < 101) {
    takeAdapter(c);
    c.log->append(QStringLiteral("\nPrepare FTDI device -----------------------------------------\n"));
    p.chargerReady = true;
  }
  return p.chargerReady;
}

void takeOver(PreparationContext &c, UpdatePreparation &p)
{
  if (p.timer.elapsed() <= 3000)
    return;
  if (stopsChargerBeforeUpdate(p.modelCode) && !chargerShutDown(c, p))
    return;
  const bool offline = c.link.hasStatus(DeviceStatusFlag::offline);
  takeAdapter(c);
  p.timer.start();
  p.ftdiRefreshState = p.programRequested || offline ? 4 : 5;
}

void programAdapter(PreparationContext &c, UpdatePreparation &p)
{
  c.link.adapterTaken = true;
  if (!p.programmingStarted) {
    p.programmingStarted = true;
    if (p.programEeprom) {
      auto adapter = p.adapter;
      auto program = p.programEeprom;
      const ServiceReport report = serviceReport(c.log);
      p.programming =
          QtConcurrent::run([adapter, program, report, open = p.expectedDescription, name = p.targetModel,
                             maker = c.companyShortName, config = p.adapterConfig] {
            program(*adapter, open, name, maker, config, report);
          });
    } else {
      p.programming = QtConcurrent::run([] {});
    }
    return;
  }
  if (!p.programming.isFinished())
    return;
  p.programmingStarted = false;
  c.log->append(QStringLiteral("\nRefresh FTDI device ---------------------------------------\n"));
  p.timer.start();
  p.ftdiRefreshState = 5;
}

void waitForAdapterDescription(PreparationContext &c, UpdatePreparation &p)
{
  c.link.adapterTaken = true;
  if (!p.listingStarted) {
    p.listingStarted = true;
    auto adapter = p.adapter;
    p.listing = QtConcurrent::run([adapter] { return adapter->attachedDescriptions(); });
    return;
  }
  if (!p.listing.isFinished())
    return;
  p.descriptions = p.listing.result();
  if (p.descriptions.isEmpty())
    p.descriptions << noAdapters;
  p.listingStarted = false;
  p.statusText =
      seconds(p.timer) + QStringLiteral(" wait for FTDI description: ") + p.expectedDescription + "\n";
  if (p.descriptions.contains(p.expectedDescription)) {
    c.log->append(QStringLiteral("\nUpdating firmware ----------------------------------------------\n"));
    c.log->append(QStringLiteral("\n please wait\n"));
    p.ftdiRefreshState = 7;
    return;
  }
  if (p.timer.elapsed() <= p.descriptionWaitMs)
    return;
  p.expectedDescription.clear();
  const QString first = p.descriptions.value(0);
  if (p.programRequested)
    c.log->append(QStringLiteral(" - wrong FTDI device: ") + first + QStringLiteral("\n"));
  else if (!first.isEmpty() && first != noAdapters)
    p.expectedDescription = first;
  p.ftdiRefreshState = p.expectedDescription.isEmpty() ? 8 : 7;
}

// The update takes the adapter for its whole run; the link gets the port back only after it.
void runUpdate(PreparationContext &c, UpdatePreparation &p)
{
  c.link.adapterTaken = true;
  if (!p.updateStarted) {
    p.updateStarted = true;
    auto adapter = p.adapter;
    const ServiceReport report = serviceReport(c.log);
    p.update = QtConcurrent::run(
        [adapter, report, inverted = p.polarity, path = p.firmwarePath, description = p.expectedDescription] {
          return updateFirmware(*adapter, inverted, path, description, report);
        });
    return;
  }
  if (!p.update.isFinished())
    return;
  p.lastResult = p.update.result();
  p.updateStarted = false;
  p.ftdiRefreshState = 8;
}

void finish(PreparationContext &c, UpdatePreparation &p)
{
  c.link.set(LinkFlag::portSuspended, false);
  c.link.set(LinkFlag::autoDetect, true);
  c.link.setStatus(DeviceStatusFlag::offline, false);
  p.statusText.clear();
  p.ftdiRefreshRunning = false;
  p.ftdiRefreshState = 0;
}
} // namespace

bool stopsChargerBeforeUpdate(uint32_t modelCode)
{
  return modelCode == 0xBE030 || modelCode == 0xBE031 || modelCode == 0xBE003;
}

void refreshFtdiDevice(PreparationContext context, UpdatePreparation &p, bool start)
{
  if (start) {
    if (p.ftdiRefreshState != 0)
      return; // one preparation at a time
    p.ftdiRefreshState = 1;
    startPreparation(context, p);
    return;
  }
  switch (p.ftdiRefreshState) {
  case 2:
    waitForDevice(context, p);
    break;
  case 3:
    takeOver(context, p);
    break;
  case 4:
    programAdapter(context, p);
    break;
  case 5:
    context.link.adapterTaken = true;
    if (p.timer.elapsed() > 500)
      p.ftdiRefreshState = 6;
    break;
  case 6:
    waitForAdapterDescription(context, p);
    break;
  case 7:
    runUpdate(context, p);
    break;
  case 8:
    finish(context, p);
    break;
  default:
    break;
  }
}
