// The serial port the user chose by hand, kept by its name in a table of its own beside the
// settings (the stored number is an index into a list whose order changes between boots).
#pragma once

#include <QString>

// The stored name; empty when none is stored.
QString readChosenPortName();
void storeChosenPortName(const QString &name);
