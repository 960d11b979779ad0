// The program's firmware commands for production lines, run as a separate process against the
// bootloader simulator: what they print and the exit code they end with.
#include "bootloaderSimulatorProcess.h"

#include "service/firmwareUpdate.h"
#include "service/simulatedAdapter.h"

class FirmwareCommandLineTest : public QObject
{
  Q_OBJECT

  static int run(const QStringList &arguments, QString *output)
  {
    QProcess program;
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QStringLiteral(TALVANE_EXE), arguments);
    if (!program.waitForFinished(120000))
      program.kill();
    *output = QString::fromLocal8Bit(program.readAll());
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  }

private slots:
  void listsTheAttachedAdapters()
  {
    BootloaderSimulatorProcess simulator({QStringLiteral("--description"), QStringLiteral("VK-10A-2U"),
                                          QStringLiteral("--other"), QStringLiteral("USB Serial")});
    QString output;
    QCOMPARE(run({QStringLiteral("--list-adapters"), QStringLiteral("--adapter-socket"), simulator.address},
                 &output),
             0);
    QCOMPARE(output, QStringLiteral("VK-10A-2U\nUSB Serial\n"));
  }

  void updateEndsWithWhetherTheImageIsThere_data()
  {
    QTest::addColumn<QStringList>("simulatorArguments");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("written and read back") << QStringList() << QStringList() << 0;
    QTest::newRow("inverted lines") << QStringList{QStringLiteral("--inverted")}
                                    << QStringList{QStringLiteral("--inverted-lines")} << 0;
    QTest::newRow("a chunk always refused")
        << QStringList{QStringLiteral("--fault"), QStringLiteral("nack:0x08000400")} << QStringList() << 1;
    QTest::newRow("no such adapter") << QStringList()
                                     << QStringList{QStringLiteral("--adapter"), QStringLiteral("VT-40A")}
                                     << 1;
  }

  void updateEndsWithWhetherTheImageIsThere()
  {
    QFETCH(QStringList, simulatorArguments);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    BootloaderSimulatorProcess simulator(simulatorArguments);
    QTemporaryDir folder;
    QByteArray image(2001, '\0');
    for (int i = 0; i < image.size(); ++i)
      image[i] = char(i ^ 0x5A);
    const QString path = folder.filePath(QStringLiteral("firmware.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();

    QString output;
    const QStringList command = QStringList{QStringLiteral("--update-firmware"), path,
                                            QStringLiteral("--adapter"),         QStringLiteral("VS-24-10"),
                                            QStringLiteral("--adapter-socket"),  simulator.address} +
                                arguments;
    QCOMPARE(run(command, &output), exitCode);
    QCOMPARE(output.contains(QLatin1String("Flash Load Finished!")), exitCode == 0);
    const QByteArray padded = paddedImage(image);
    QCOMPARE(SimulatedAdapter(simulator.address).flash(0x08000000, uint32_t(padded.size())) == padded,
             exitCode == 0);
  }
};

QTEST_GUILESS_MAIN(FirmwareCommandLineTest)
#include "tst_firmwareCommandLine.moc"
