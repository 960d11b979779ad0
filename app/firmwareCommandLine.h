// The production line's firmware commands: list the attached USB adapters, or write a firmware
// image through the adapter of a given description, without the window.
#pragma once

class QCommandLineParser;

// Adds the firmware commands' options to the program's options.
void addFirmwareOptions(QCommandLineParser &options);
// The command line asks for a firmware command (looked at before any application object exists).
bool wantsFirmwareCommand(int argc, char *argv[]);
// Runs it; the exit code: 0 written and read back equal (or adapters listed), 1 failed, 2 wrong use.
int runFirmwareCommand(int argc, char *argv[]);
