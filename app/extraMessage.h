// The timed one-line message of the main window and the communication-error hold time.
#pragma once

#include <QString>

#include <cstdint>

struct LoopState;

constexpr unsigned defaultMessageTicks = 50;      // 5 s
constexpr unsigned communicationErrorTicks = 150; // 15 s
inline const QString offlineMessage = QStringLiteral("Offline");

// Runs before the busy check of every tick: holds a raised communication-error flag for 15 s.
void runCommunicationErrorTimer(LoopState &loop);

// Shows a posted message in `extraMessage` for its number of ticks and clears it afterwards.
// `operatingModeCode` keeps an "Offline" message alive only while it is 1;
// `deviceParametersText` is posted while the communication-error flag is up.
void runExtraMessageStep(LoopState &loop, QString &extraMessage, int operatingModeCode,
                         const QString &deviceParametersText);

// Posts `text` for display; `ticks` == 0 shows it for the default 5 s.
void postMessage(LoopState &loop, const QString &text, uint8_t ticks = 0);
