#include "productionCommands.h"

#include "common/uiRecords.h"
#include "link/requestCycle.h"
#include "link/rxFields.h"

#include <initializer_list>
#include <optional>

namespace
{
constexpr int writeQueue = 1;
constexpr uint16_t acknowledgeField = 99; // asked for with every identity write
constexpr uint16_t subDeviceField = 6;
constexpr uint16_t serialNumberField = 4;
constexpr uint16_t batchNumberField = 3;
constexpr uint8_t identityCommand = 4;
constexpr uint8_t identityArgument = 10;
constexpr uint16_t calibrationField = 88;
constexpr uint8_t calibrationCommand = 8;
constexpr uint8_t calibrationStart = 0x01;
constexpr uint8_t calibrationValue = 0x10;
constexpr uint8_t calibrationFinish = 0xF0;
constexpr int maxSubDevice = 3;

bool addressableSubDevice(int index)
{
  return index >= 0 && index <= maxSubDevice;
}

// The page sends "00000" for a value field left empty.
bool given(const QString &text)
{
  return text != QLatin1String("00000") && !text.isEmpty();
}

std::optional<uint32_t> unsignedNumber(const QString &text, uint32_t maximum)
{
  bool ok = false;
  const qulonglong value = text.trimmed().toULongLong(&ok);
  if (!ok || value > maximum)
    return std::nullopt;
  return static_cast<uint32_t>(value);
}

QByteArray bytes(std::initializer_list<uint8_t> values)
{
  QByteArray out;
  for (uint8_t v : values)
    out.append(char(v));
  return out;
}

void appendId(QByteArray &payload, uint16_t id)
{
  payload.append(char(id >> 8)).append(char(id & 0xFF));
}

void appendBigEndian(QByteArray &payload, uint32_t value, int bytes)
{
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
    payload.append(char((value >> shift) & 0xFF));
}

void queueWrite(ProductionContext c, const QByteArray &payload, uint8_t command, uint8_t argument)
{
  if (!c.offline)
    queueRequest(c.requests, writeQueue, payload, command, argument);
}

void selectSubDevice(ProductionContext c, const ProductionRow &row)
{
  // Not a number: the master. A number past the sub devices is kept, so the page shows what was
  // chosen, but it addresses nothing.
  bool ok = false;
  const int index = row.valueText[0].trimmed().toInt(&ok);
  c.state.subDeviceIndex = ok ? index : 0;
  c.window.slaveID = c.state.subDeviceIndex;
}

void writeIdentityNumber(ProductionContext c, const ProductionRow &row, uint16_t field)
{
  const int sub = c.state.subDeviceIndex;
  if (!addressableSubDevice(sub) || !given(row.valueText[0]))
    return;
  const std::optional<uint32_t> number = unsignedNumber(row.valueText[0], UINT32_MAX);
  if (!number)
    return;
  QByteArray payload;
  appendId(payload, acknowledgeField);
  if (sub != 0) {
    appendId(payload, subDeviceField);
    payload.append(char(sub));
  }
  appendId(payload, field);
  appendBigEndian(payload, *number, 4);
  queueWrite(c, payload, identityCommand, identityArgument);
}

// The code of the calibration command at the page's position, if the model has one there.
std::optional<uint8_t> calibrationCode(ProductionContext c, const QString &position)
{
  const std::optional<uint32_t> index =
      unsignedNumber(position.isEmpty() ? QStringLiteral("0") : position, UINT32_MAX);
  if (!index || *index >= static_cast<uint32_t>(c.calibration.codes.size()))
    return std::nullopt;
  return c.calibration.codes.at(static_cast<int>(*index));
}

void queueCalibration(ProductionContext c, const QByteArray &record)
{
  QByteArray payload;
  appendId(payload, calibrationField);
  payload += record;
  queueWrite(c, payload, calibrationCommand, 0);
}

bool deviceAnsweredOk(ProductionContext c)
{
  return c.window.calibrationResponse_Text == QLatin1String("OK");
}

void startCalibration(ProductionContext c, const ProductionRow &row)
{
  const std::optional<uint8_t> code = calibrationCode(c, row.kennungText);
  if (!code)
    return;
  queueCalibration(c, bytes({*code, calibrationStart, 0, 0}));
  if (!c.window.calibrationLogsText.isEmpty())
    c.window.calibrationLogsText += QLatin1Char('\n');
}

void sendCalibrationValue(ProductionContext c, const ProductionRow &row)
{
  const std::optional<uint8_t> code = calibrationCode(c, row.kennungText);
  if (!code)
    return;
  QByteArray record = bytes({*code, calibrationValue});
  if (given(row.valueText[0])) {
    const std::optional<uint32_t> value = unsignedNumber(row.valueText[0], 0xFFFF);
    if (!value)
      return; // a reference the record cannot carry is not sent cut short
    appendBigEndian(record, *value, 2);
  }
  // The answer to the step before is what the log records.
  if (deviceAnsweredOk(c) && c.state.selectedCalibration < c.calibration.names.size())
    c.window.calibrationLogsText +=
        c.calibration.names.at(c.state.selectedCalibration) + QStringLiteral(" is calibrated.");
  queueCalibration(c, record);
}

void finishCalibration(ProductionContext c)
{
  queueCalibration(c, bytes({calibrationFinish, calibrationStart, 0, 0}));
  if (deviceAnsweredOk(c))
    c.window.calibrationLogsText.clear();
}

void selectCalibrationCommand(ProductionContext c, const ProductionRow &row)
{
  const int count = c.calibration.codes.size();
  if (count == 0)
    return;
  const std::optional<uint32_t> index =
      unsignedNumber(row.kennungText.isEmpty() ? QStringLiteral("0") : row.kennungText, UINT32_MAX);
  c.state.selectedCalibration =
      (index && *index < static_cast<uint32_t>(count)) ? static_cast<uint8_t>(*index) : 0;
  c.window.calibrationCommandsInfo = c.calibration.infos.value(c.state.selectedCalibration);
}

// A byte from the page's debug fields: not a number counts as 0, as the device would read it.
uint8_t byteOf(const QString &text)
{
  return static_cast<uint8_t>(text.trimmed().toUInt() & 0xFF);
}

void writeFreeField(ProductionContext c, const ProductionRow &row)
{
  QByteArray payload;
  appendId(payload, static_cast<uint16_t>(row.kennungText.trimmed().toUInt() & 0xFFFF));
  for (const QString &value : row.valueText) {
    if (given(value))
      payload.append(char(byteOf(value)));
  }
  queueWrite(c, payload, byteOf(row.confByte1), byteOf(row.confByte2));
}
} // namespace

bool firmwareFileUsable(const QString &path)
{
  return path.size() >= 4 && path.indexOf(QLatin1String(".bin"), 1) >= 1;
}

void showIdentityNumbers(ProductionWindowStruct &window, const RxFields &fields)
{
  // Field 4 carries the serial number and field 3 the batch number, as on the status page.
  const int unit = window.slaveID;
  const bool addressable = addressableSubDevice(unit);
  window.sn = addressable ? QString::number(fields.rxField4[unit]) : QString();
  window.fa = addressable ? QString::number(fields.rxField3[unit]) : QString();
}

bool runProductionDeviceCommand(ProductionContext c, const ProductionRow &row)
{
  switch (row.buttonNr) {
  case 0:
    selectSubDevice(c, row);
    return true;
  case 1:
    writeIdentityNumber(c, row, serialNumberField);
    return true;
  case 2:
    writeIdentityNumber(c, row, batchNumberField);
    return true;
  case 3:
    startCalibration(c, row);
    return true;
  case 4:
    sendCalibrationValue(c, row);
    return true;
  case 5:
    finishCalibration(c);
    return true;
  case 10:
    writeFreeField(c, row);
    return true;
  case 100:
    selectCalibrationCommand(c, row);
    return true;
  default:
    return false;
  }
}
