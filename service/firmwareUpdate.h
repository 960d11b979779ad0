// Writes a firmware image into the device's controller through its USB adapter and the STM32
// system bootloader: connect, lift the protections, erase, write, read back, restart.
#pragma once

#include "ftdiAdapter.h"
#include "serviceReport.h"

#include <QByteArray>
#include <QString>

enum class UpdateResult {
  Busy,    // another update runs; nothing was touched
  Written, // the image was written and read back equal; the controller runs it
  Failed,  // see the service log
};

// One update at a time in the whole program; runs for seconds, so never on the GUI thread.
// `inverted` is the model's polarity flag for the boot-select and reset lines.
UpdateResult updateFirmware(FtdiAdapter &adapter, bool inverted, const QString &filePath,
                            const QString &description, const ServiceReport &report);

// The image as the bootloader takes it: padded with 0xFF to whole 4-byte words.
QByteArray paddedImage(QByteArray image);
