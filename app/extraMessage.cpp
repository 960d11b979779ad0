#include "extraMessage.h"

#include "appState.h"

void runCommunicationErrorTimer(LoopState &loop)
{
  if (loop.communicationError && !loop.communicationErrorSeen) {
    loop.communicationErrorSeen = true;
    loop.communicationErrorCountdown.start(communicationErrorTicks);
  } else if (!loop.communicationError) {
    loop.communicationErrorCountdown.clear();
  }
  if (loop.communicationError && loop.communicationErrorSeen && loop.communicationErrorCountdown.tick()) {
    loop.communicationError = false;
    loop.communicationErrorSeen = false;
  }
}

void runExtraMessageStep(LoopState &loop, QString &extraMessage, int operatingModeCode,
                         const QString &deviceParametersText)
{
  if (loop.communicationError && loop.postedMessage.isEmpty()) {
    loop.extraMessageTicks = defaultMessageTicks;
    if (extraMessage.isEmpty())
      loop.postedMessage = deviceParametersText;
  }
  if (extraMessage == offlineMessage && operatingModeCode != 1)
    loop.extraMessageTicks = 0;
  if (!loop.postedMessage.isEmpty() && loop.postedMessage != loop.previousPostedMessage) {
    loop.extraMessageTicks = loop.postedMessageTicks ? loop.postedMessageTicks : defaultMessageTicks;
    extraMessage = loop.postedMessage;
  }
  if (loop.extraMessageTicks > 0) {
    --loop.extraMessageTicks;
  } else {
    extraMessage.clear();
    loop.postedMessage.clear();
  }
  loop.previousPostedMessage = loop.postedMessage;
  loop.postedMessage.clear();
}

void postMessage(LoopState &loop, const QString &text, uint8_t ticks)
{
  loop.postedMessage = text;
  loop.postedMessageTicks = ticks;
}
