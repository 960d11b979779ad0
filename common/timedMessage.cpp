#include "timedMessage.h"

void postMessage(TimedMessage &message, const QString &text, uint8_t ticks)
{
  message.postedMessage = text;
  message.postedMessageTicks = ticks;
}

void runExtraMessageStep(TimedMessage &m, QString &extraMessage, bool communicationError,
                         int operatingModeCode, const QString &deviceParametersText)
{
  if (communicationError && m.postedMessage.isEmpty()) {
    m.extraMessageTicks = defaultMessageTicks;
    if (extraMessage.isEmpty())
      m.postedMessage = deviceParametersText;
  }
  if (extraMessage == offlineMessage && operatingModeCode != 1)
    m.extraMessageTicks = 0;
  if (!m.postedMessage.isEmpty() && m.postedMessage != m.previousPostedMessage) {
    m.extraMessageTicks = m.postedMessageTicks ? m.postedMessageTicks : defaultMessageTicks;
    extraMessage = m.postedMessage;
  }
  if (m.extraMessageTicks > 0) {
    --m.extraMessageTicks;
  } else {
    extraMessage.clear();
    m.postedMessage.clear();
  }
  m.previousPostedMessage = m.postedMessage;
  m.postedMessage.clear();
}
