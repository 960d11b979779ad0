// Which request goes to the device next: the polling sequence, the identification request and
// the four queues through which other parts of the program send writes and commands.
#pragma once

#include <QByteArray>

#include <cstdint>

struct TxState;
struct RxFields;

constexpr int requestQueueCount = 4;
constexpr int requestQueueCapacity = 70;

// A waiting payload together with the command byte and argument that go with it.
struct QueuedRequest {
  uint8_t payload[requestQueueCapacity] = {};
  uint8_t length = 0; // 0 = empty
  uint8_t pendingCommand = 0;
  uint8_t pendingArgument = 0;
};

struct RequestCycleState {
  uint32_t cycleStep = 0;
  bool subDevicePassDone = false;
  uint8_t lastPolledSubDevice = 0;
  QueuedRequest requestQueue[requestQueueCount]; // [0] = requestQueue1, highest priority
  uint8_t lostThreshold = 0;
};

// Puts `payload` into queue `queueNumber` (1-4) in place of what waited there. Refused (false)
// for an unknown queue or a payload longer than one frame can carry.
bool queueRequest(RequestCycleState &cycle, int queueNumber, const QByteArray &payload, uint8_t command = 0,
                  uint8_t argument = 0);

// Whether `queue` still holds exactly `payload`: a request that is not sent yet.
bool queueHolds(const QueuedRequest &queue, const QByteArray &payload);
// Whether the frame built last carried `payload` from a queue.
bool lastFrameCarried(const TxState &tx, const QByteArray &payload);

// Fills the transmit state with the next request: the identification request while the device
// is not identified, otherwise a queued request or the next step of the polling sequence.
void prepareNextRequest(RequestCycleState &cycle, TxState &tx, const RxFields &fields, bool deviceIdentified);

// Back to the start of the polling sequence.
void resetRequestCycle(RequestCycleState &cycle);
