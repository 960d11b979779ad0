// Starting the application with the user's session: an entry in the user's start-up folder.
#pragma once

#include <QString>
#include <QStringList>

// Places the entry (on) or removes it (off). The entry starts this program in the current folder
// with the serial ports `extraPorts` named on its command line. False when the file could not be
// written or removed.
bool setAutostart(bool on, const QStringList &extraPorts);

// The entry's file: talvane.desktop in the autostart folder of the user's configuration folder.
QString autostartFile();

// The Exec value that starts `program` with `arguments`, quoted for a desktop entry file.
QString desktopExecLine(const QString &program, const QStringList &arguments);
