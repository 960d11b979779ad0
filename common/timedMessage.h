// The timed one-line message of the main window: any part of the program may post a short text,
// which the main loop shows in `extraMessage` of ProcessData for a number of ticks.
#pragma once

#include <QString>

#include <cstdint>

constexpr unsigned defaultMessageTicks = 50; // 5 s
inline const QString offlineMessage = QStringLiteral("Offline");

struct TimedMessage {
  QString postedMessage;
  uint8_t postedMessageTicks = 0; // 0 means the default
  uint8_t extraMessageTicks = 0;
  QString previousPostedMessage;
};

// Posts `text` for display; `ticks` == 0 shows it for the default 5 s.
void postMessage(TimedMessage &message, const QString &text, uint8_t ticks = 0);

// One tick of the message line: shows a newly posted text in `extraMessage` for its number of
// ticks and clears it afterwards. `communicationError` posts `deviceParametersText` while no other
// text waits; an "Offline" text stays only while `operatingModeCode` is 1.
void runExtraMessageStep(TimedMessage &message, QString &extraMessage, bool communicationError,
                         int operatingModeCode, const QString &deviceParametersText);
