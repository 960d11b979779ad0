#include "communicationError.h"

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
