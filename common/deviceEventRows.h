// The fourteen event rows of a device. Event number k (1-14) is also bit k of the e-mail and
// program-start signal masks, whose bit 0 means the configuration is active.
#pragma once

constexpr int deviceEventRows = 14;
