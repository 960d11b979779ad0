// The program's options for the window and the service (the firmware commands have their own).
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

struct CommandLine {
  QStringList extraPorts; // ports the system does not list
  QString startPage;      // the page the window opens on; empty: the start page
  QString dataFolder;     // where upsData.db lives; empty: the working directory
  QString importFile;     // a database to take over before the start; empty: none
  QString adapterSocket;  // the simulated USB adapter; empty: a real one
  bool nutServer = false; // serve the UPS over the network for this run
  QString nutAddress;     // empty: the stored or default address
  quint16 nutPort = 0;    // 0: the stored or default port
};

// Asked before any application object exists, since it decides which kind to make.
bool headlessRequested(int argc, char *argv[]);
// Parses the options of `application`; prints the help or an error and exits on --help or wrong use.
CommandLine parseCommandLine(const QCoreApplication &application);
