#include "commandLine.h"

#include "dataFolder.h"
#include "firmwareCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

namespace
{
const char headlessFlag[] = "--headless";

QCommandLineOption valueOption(const char *name, const char *description, const char *valueName)
{
  return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                            QString::fromLatin1(valueName));
}
} // namespace

bool headlessRequested(int argc, char *argv[])
{
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], headlessFlag) == 0)
      return true;
  }
  return false;
}

CommandLine parseCommandLine(const QCoreApplication &application)
{
  QCommandLineParser options;
  options.setApplicationDescription(QStringLiteral("Configures and monitors Norvex DC UPS devices."));
  options.addHelpOption();
  const QCommandLineOption serialPort = valueOption(
      "serial-port", "Adds a serial port that the system does not list (e.g. a pseudo-terminal); repeatable.",
      "path");
  const QCommandLineOption page = valueOption(
      "page", "Opens the window on a page: start (default), status, event, trend, email, system or info.",
      "name");
  const QCommandLineOption headless(
      QString::fromLatin1(headlessFlag + 2),
      QStringLiteral("Runs without window as a service: monitoring, event log, e-mails, program starts and "
                     "PC shutdown with the stored settings; events and failures go to the standard error."));
  const QCommandLineOption dataFolder = valueOption(
      "data-folder", "Keeps the database in <folder> (created, owner-only, when missing) and works there.",
      "folder");
  const QCommandLineOption userData(
      QStringLiteral("user-data"),
      QStringLiteral("Uses the user's application data folder as the data folder."));
  const QCommandLineOption import = valueOption(
      "import-database",
      "Replaces the database of the data folder by a copy of <file> (one set up with the window elsewhere) "
      "before starting.",
      "file");
  const QCommandLineOption nutServer(
      QStringLiteral("nut-server"),
      QStringLiteral("Serves the UPS to other machines over the network UPS protocol for this run."));
  const QCommandLineOption nutAddress = valueOption(
      "nut-address", "The address the UPS network server listens on (default 127.0.0.1).", "address");
  const QCommandLineOption nutPort =
      valueOption("nut-port", "The port of the UPS network server (default 3493).", "port");
  options.addOptions(
      {serialPort, page, headless, dataFolder, userData, import, nutServer, nutAddress, nutPort});
  addFirmwareOptions(options);
  options.process(application);

  CommandLine line;
  line.extraPorts = options.values(serialPort);
  line.startPage = options.value(page);
  line.dataFolder = options.isSet(dataFolder) ? options.value(dataFolder)
                    : options.isSet(userData) ? userDataFolder()
                                              : QString();
  line.importFile = options.value(import);
  line.adapterSocket = options.value(QStringLiteral("adapter-socket"));
  line.nutServer = options.isSet(nutServer);
  line.nutAddress = options.value(nutAddress);
  line.nutPort = static_cast<quint16>(options.value(nutPort).toUInt());
  return line;
}
