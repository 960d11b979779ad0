#include "requestCycle.h"

#include "frameCodec.h"
#include "rxFields.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace
{
constexpr uint16_t subDeviceIndexField = 6;
constexpr uint8_t maxSubDeviceIndex = 3;

void appendId(TxState &tx, uint16_t id)
{
  tx.txPayload[tx.txPayloadLength++] = static_cast<uint8_t>(id >> 8);
  tx.txPayload[tx.txPayloadLength++] = static_cast<uint8_t>(id);
}

void appendIds(TxState &tx, std::initializer_list<uint16_t> ids)
{
  for (uint16_t id : ids)
    appendId(tx, id);
}

// The next sub device of this pass (1 … count, at least 1 and never past the last slot).
uint8_t nextSubDevice(RequestCycleState &cycle, const RxFields &fields)
{
  const uint8_t count = std::min(fields.subDeviceCount, maxSubDeviceIndex);
  const uint8_t s =
      cycle.lastPolledSubDevice >= count ? 1 : static_cast<uint8_t>(cycle.lastPolledSubDevice + 1);
  cycle.lastPolledSubDevice = s;
  return s;
}

bool subDevicePassEnds(uint8_t s, const RxFields &fields)
{
  return s >= std::min(fields.subDeviceCount, maxSubDeviceIndex);
}

// The queue to send now (0-3), or -1. Queues 1 and 2 are dropped while the sub devices have not
// been polled once since the identification; queues 3 and 4 wait for that.
int pickQueue(RequestCycleState &cycle)
{
  for (int q = 0; q < 2; ++q) {
    QueuedRequest &entry = cycle.requestQueue[q];
    if (entry.length == 0)
      continue;
    if (cycle.subDevicePassDone)
      return q;
    entry = QueuedRequest{};
    return -1;
  }
  if (!cycle.subDevicePassDone)
    return -1;
  for (int q = 2; q < requestQueueCount; ++q) {
    if (cycle.requestQueue[q].length != 0)
      return q;
  }
  return -1;
}

void appendPollingStep(RequestCycleState &cycle, TxState &tx, const RxFields &fields)
{
  switch (cycle.cycleStep) {
  case 1:
    appendIds(tx, {600, 601, 1100, 603, 604, 605, 606, 602, 700, 5});
    cycle.cycleStep = 2;
    break;
  case 2:
    appendIds(tx, {1300, 1301, 1302, 1303, 1307, 1308, 1309, 1311, 1310});
    cycle.cycleStep = 3;
    break;
  case 3:
    appendIds(tx, {1304, 1305, 1306});
    cycle.cycleStep = 6;
    break;
  case 6:
    appendIds(tx, {305, 107, 108, 109, 307, 306, 503, 103, 504, 505});
    cycle.cycleStep = 4;
    break;
  case 4: {
    const uint8_t s = nextSubDevice(cycle, fields);
    appendId(tx, subDeviceIndexField);
    tx.txPayload[tx.txPayloadLength++] = s;
    appendIds(tx, {1, 2, 3, 4, 102, 1100, 1300});
    if (subDevicePassEnds(s, fields)) {
      cycle.cycleStep = 5;
      cycle.subDevicePassDone = true;
    }
    break;
  }
  case 5: {
    const uint8_t s = nextSubDevice(cycle, fields);
    appendId(tx, subDeviceIndexField);
    tx.txPayload[tx.txPayloadLength++] = s;
    appendIds(tx, {1309, 1308, 1312});
    if (subDevicePassEnds(s, fields))
      cycle.cycleStep = 0;
    break;
  }
  default: // step 0, and any step the sequence does not know
    // The UPS's model code (1) once a pass: another device behind the same link is noticed
    // while polling, not only after a loss.
    appendIds(tx, {100, 101, 102, 104, 105, 110, 301, 304, 1});
    cycle.cycleStep = 1;
    break;
  }
}
} // namespace

bool queueRequest(RequestCycleState &cycle, int queueNumber, const QByteArray &payload, uint8_t command,
                  uint8_t argument)
{
  if (queueNumber < 1 || queueNumber > requestQueueCount || payload.isEmpty() ||
      payload.size() > txPayloadCapacity)
    return false;
  QueuedRequest &entry = cycle.requestQueue[queueNumber - 1];
  entry = QueuedRequest{};
  std::memcpy(entry.payload, payload.constData(), static_cast<size_t>(payload.size()));
  entry.length = static_cast<uint8_t>(payload.size());
  entry.pendingCommand = command;
  entry.pendingArgument = argument;
  return true;
}

bool queueHolds(const QueuedRequest &queue, const QByteArray &payload)
{
  return queue.length == payload.size() && std::memcmp(queue.payload, payload.constData(), queue.length) == 0;
}

bool lastFrameCarried(const TxState &tx, const QByteArray &payload)
{
  return !tx.txPlainCycle && payload.size() <= txPayloadCapacity &&
         std::memcmp(tx.txPayload, payload.constData(), static_cast<size_t>(payload.size())) == 0;
}

void prepareNextRequest(RequestCycleState &cycle, TxState &tx, const RxFields &fields, bool deviceIdentified)
{
  tx.txPlainCycle = true;
  tx.txCommand = 0;
  tx.txArgument = 0;
  tx.txPayloadLength = 0;

  if (!deviceIdentified) {
    appendIds(tx, {1, 2, 3, 4});
    cycle.subDevicePassDone = false;
    return;
  }

  const int q = pickQueue(cycle);
  if (q < 0) {
    appendPollingStep(cycle, tx, fields);
    return;
  }
  QueuedRequest &entry = cycle.requestQueue[q];
  const int length = std::min<int>(entry.length, txPayloadCapacity);
  std::memcpy(tx.txPayload, entry.payload, static_cast<size_t>(length));
  tx.txPayloadLength = static_cast<uint8_t>(length);
  tx.txCommand = entry.pendingCommand;
  tx.txArgument = entry.pendingArgument;
  tx.txPlainCycle = false;
  entry = QueuedRequest{};
}

void resetRequestCycle(RequestCycleState &cycle)
{
  cycle.cycleStep = 0;
  cycle.subDevicePassDone = false;
  cycle.lastPolledSubDevice = 0;
}
