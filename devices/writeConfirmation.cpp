#include "writeConfirmation.h"

#include "common/languageTable.h"
#include "common/timedMessage.h"
#include "link/frameCodec.h"
#include "link/linkState.h"
#include "link/requestCycle.h"

namespace
{
constexpr int confirmationTicks = 50; // 5 s for the write to leave its queue
// The device answers every frame within its cycle; one cycle more allows for a late answer.
constexpr int answerTicks = 2;
constexpr uint8_t sentMessageTicks = confirmationTicks;
constexpr uint8_t outcomeMessageTicks = 40;

void say(const WriteConfirmationContext &c, int slot, uint8_t ticks)
{
  postMessage(c.message, languageText(c.language, slot), ticks);
}

void finish(const WriteConfirmationContext &c, int slot)
{
  c.confirmation = WriteConfirmation{};
  say(c, slot, outcomeMessageTicks);
}
} // namespace

bool queueConfirmedWrite(const WriteConfirmationContext &c, int queue, const QByteArray &payload)
{
  if (c.link.hasStatus(DeviceStatusFlag::offline)) {
    say(c, TextSlot::writeOffline, outcomeMessageTicks);
    return false;
  }
  if (!queueRequest(c.requests, queue, payload))
    return false;
  c.confirmation = WriteConfirmation{queue, payload, false, 0, confirmationTicks};
  say(c, TextSlot::writeSent, sentMessageTicks);
  return true;
}

void runWriteConfirmationStep(const WriteConfirmationContext &c)
{
  WriteConfirmation &w = c.confirmation;
  if (w.queue == 0)
    return;
  if (!w.sent) {
    if (queueHolds(c.requests.requestQueue[w.queue - 1], w.payload)) {
      if (--w.ticksLeft <= 0 || c.link.hasStatus(DeviceStatusFlag::offline)) {
        c.requests.requestQueue[w.queue - 1] = QueuedRequest{}; // stale by the time it could go
        finish(c, TextSlot::writeOffline);
      }
      return;
    }
    if (!lastFrameCarried(c.tx, w.payload)) {
      // Dropped before it went out: the device was lost, or another write took its place.
      if (c.requests.requestQueue[w.queue - 1].length == 0)
        finish(c, TextSlot::writeOffline);
      else
        w = WriteConfirmation{};
      return;
    }
    w.sent = true;
    w.answersBefore = c.rx.validFrames;
    w.ticksLeft = answerTicks;
    return;
  }
  // One request is answered before the next goes out: a valid frame now is the answer to the write,
  // which reports the written fields back.
  if (c.rx.validFrames != w.answersBefore && c.link.identityConfirmed()) {
    finish(c, TextSlot::writeConfirmed);
    return;
  }
  if (--w.ticksLeft <= 0 || c.link.hasStatus(DeviceStatusFlag::offline) || !c.link.identityConfirmed())
    finish(c, TextSlot::writeUnconfirmed);
}
