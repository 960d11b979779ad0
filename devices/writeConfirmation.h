// A setting that a page writes to the device, followed until the device answers the frame that
// carried it: the message line says that it was sent, then that the device confirmed it, or why
// not.
#pragma once

#include <QByteArray>

#include <cstdint>

struct LanguageTable;
struct LinkState;
struct RequestCycleState;
struct RxState;
struct TimedMessage;
struct TxState;

struct WriteConfirmation {
  int queue = 0;              // the request queue of the write followed (1-4); 0: none
  QByteArray payload;         // what was queued
  bool sent = false;          // the frame that carried it went out
  uint32_t answersBefore = 0; // valid frames received when it went out
  int ticksLeft = 0;          // main-loop ticks until the write counts as unconfirmed
};

// What following a write reads and writes.
struct WriteConfirmationContext {
  const LinkState &link;
  RequestCycleState &requests;
  const TxState &tx;
  const RxState &rx;
  const LanguageTable &language;
  TimedMessage &message;
  WriteConfirmation &confirmation;
};

// Queues a write of a page and follows it; a device that is offline gets nothing, and the message
// line says so. False when nothing was queued.
bool queueConfirmedWrite(const WriteConfirmationContext &c, int queue, const QByteArray &payload);

// Run after every link cycle: notes that the followed write went out, and says when the device
// answered it, or that it did not within a few seconds or the link was lost first.
void runWriteConfirmationStep(const WriteConfirmationContext &c);
