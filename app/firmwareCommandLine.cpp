#include "firmwareCommandLine.h"

#include "service/firmwareUpdate.h"
#include "service/ftdiAdapter.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace
{
const QString listOption = QStringLiteral("list-adapters");
const QString updateOption = QStringLiteral("update-firmware");
const QString adapterOption = QStringLiteral("adapter");
const QString invertedOption = QStringLiteral("inverted-lines");
const QString socketOption = QStringLiteral("adapter-socket");

void print(FILE *stream, const QString &text)
{
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

// The service log goes to the terminal as it grows; a progress figure is rewritten in place.
ServiceReport terminalReport()
{
  ServiceReport report;
  report.log = [](const QString &text) { print(stdout, text); };
  report.dropTail = [](int count) { print(stdout, QString(count, QLatin1Char('\b'))); };
  return report;
}
} // namespace

void addFirmwareOptions(QCommandLineParser &options)
{
  options.addOption({listOption, QStringLiteral("Lists the attached USB adapters and exits.")});
  options.addOption(
      {updateOption,
       QStringLiteral("Writes the firmware image <file> through the adapter given by --adapter, "
                      "reads it back and exits: 0 when the device holds the image, 1 when not."),
       QStringLiteral("file")});
  options.addOption({adapterOption, QStringLiteral("The USB description of the device's adapter."),
                     QStringLiteral("description")});
  options.addOption(
      {invertedOption, QStringLiteral("The device's boot-select and reset lines are inverted.")});
  options.addOption({socketOption,
                     QStringLiteral("Uses the simulated adapter served on this Unix socket "
                                    "(tools/bootloader_simulator.py)."),
                     QStringLiteral("path")});
}

bool wantsFirmwareCommand(int argc, char *argv[])
{
  for (int i = 1; i < argc; ++i) {
    const QString argument = QString::fromLocal8Bit(argv[i]);
    if (argument == "--" + listOption || argument == "--" + updateOption ||
        argument.startsWith("--" + updateOption + "="))
      return true;
  }
  return false;
}

int runFirmwareCommand(int argc, char *argv[])
{
  QCoreApplication application(argc, argv);
  QCommandLineParser options;
  options.addHelpOption();
  options.addOption({QStringLiteral("serial-port"), QString(), QStringLiteral("path")});
  addFirmwareOptions(options);
  options.process(application);
  if (options.isSet(socketOption))
    setSimulatedAdapterSocket(options.value(socketOption));
  const std::unique_ptr<FtdiAdapter> adapter = makeFtdiAdapter();

  if (options.isSet(listOption)) {
    const QStringList descriptions = adapter->attachedDescriptions();
    for (const QString &description : descriptions)
      print(stdout, description + "\n");
    if (descriptions.isEmpty())
      print(stderr, QStringLiteral("No FT-Devices devices found\n"));
    return 0;
  }
  if (!options.isSet(adapterOption)) {
    print(stderr, QStringLiteral("--update-firmware needs --adapter <description>\n"));
    return 2;
  }
  const UpdateResult result =
      updateFirmware(*adapter, options.isSet(invertedOption), options.value(updateOption),
                     options.value(adapterOption), terminalReport());
  return result == UpdateResult::Written ? 0 : 1;
}
