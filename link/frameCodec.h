// The byte format of the serial protocol: building request frames and checking and unpacking
// answer frames. Pure code over byte arrays and the link state; no port involved.
//
// Request:  AB CD 01 cmd arg n payload[n] checksum 0D 0A
// Answer:   DC BA h2 x x x fields[m] checksum 0D 0A
// The checksum is the XOR of all bytes before it; where that XOR is 0 the byte at offset 2 is
// sent instead, so a checksum is never 0.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>

#include <cstdint>

struct RxFields;

constexpr int rxFrameCapacity = 54;
constexpr int txPayloadCapacity = 56;
constexpr int frameHeaderLength = 6;

struct RxState {
  uint8_t rxFrame[rxFrameCapacity] = {}; // last valid frame, zero-filled behind it
  uint8_t rxFrameLength = 0;             // without checksum, CR and LF
  bool frameReceived = false;
  bool clearRxRequest = false; // the receive buffer may be emptied
  bool newDataAvailable = false;
  bool txReady = false;
  uint8_t currentSubDevice = 0; // set by field 6, back to 0 after every frame
  uint8_t fieldTableCount = 51;
  QElapsedTimer lastRxTime; // restarted by every valid frame
  uint32_t validFrames = 0; // valid frames received, counting on past overflow
};

struct TxState {
  uint8_t txPayload[txPayloadCapacity] = {};
  uint8_t txPayloadLength = 0;
  uint8_t txCommand = 0;
  uint8_t txArgument = 0;
  bool txPlainCycle = true; // no queued payload: bit 7 of the command byte stays clear
};

// XOR of the first `count` bytes, or the byte at offset 2 where the XOR is 0.
uint8_t checksum(const uint8_t *frame, int count);
uint8_t checksum(const QByteArray &frame, int count);

// Builds the request frame from the transmit state, consumes the state and sets `rx.txReady`.
QByteArray buildTxFrame(TxState &tx, RxState &rx);

// Looks for a valid answer frame at the end of `buffer` and copies it into `rx.rxFrame`.
// Returns true for a valid frame. Sets `rx.clearRxRequest` whenever a complete candidate was
// examined (valid or not) or the buffer cannot hold a frame.
bool decodeRxBuffer(const QByteArray &buffer, RxState &rx);

// Walks the fields of `rx.rxFrame` and stores each value in its slot of `fields`.
// `deviceIdentified` decides whether a reported model code announces its slot. Returns true when
// the identified device reported a model code other than its own: the caller identifies it afresh.
bool dispatchFields(RxState &rx, RxFields &fields, bool deviceIdentified);

// Start-up state of the codec.
void resetLink(RxState &rx, TxState &tx);
