// The communication-error hold time of the main loop.
#pragma once

struct LoopState;

constexpr unsigned communicationErrorTicks = 150; // 15 s

// Runs before the busy check of every tick: holds a raised communication-error flag for 15 s.
void runCommunicationErrorTimer(LoopState &loop);
