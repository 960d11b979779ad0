// The time to write and read back a 64 KiB image through the simulated adapter and bootloader,
// against the wire time (11 bits a byte at 115200 Bd, the image once each way), and stm32flash
// writing and verifying the same image through the same bootloader simulator. Prints figures;
// asserts nothing about them.
#include "bootloaderSimulatorProcess.h"

#include "service/firmwareUpdate.h"
#include "service/simulatedAdapter.h"

#include <QElapsedTimer>

class FirmwareUpdateBenchmark : public QObject
{
  Q_OBJECT

private:
  static constexpr int imageSize = 64 * 1024;
  const double wireSeconds = 2.0 * imageSize * 11 / 115200;
  QTemporaryDir folder;

  QString imageFile()
  {
    QByteArray image(imageSize, '\0');
    for (int i = 0; i < imageSize; ++i)
      image[i] = char((i * 31 + i / 97) & 0xFF);
    const QString path = folder.filePath(QStringLiteral("image.bin"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(image);
    return path;
  }

  void report(const char *what, qint64 ms)
  {
    qInfo("%s: %.2f s, wire time %.2f s, %.0f %% of the wire rate", what, ms / 1000.0, wireSeconds,
          100.0 * wireSeconds / (ms / 1000.0));
  }

private slots:
  void writeAndVerify64KiB()
  {
    BootloaderSimulatorProcess simulator({});
    SimulatedAdapter adapter(simulator.address);
    QElapsedTimer clock;
    qint64 loadingAt = 0, verifiedAt = 0;
    ServiceReport log;
    log.log = [&](const QString &text) {
      if (text.startsWith(QLatin1String("Loading")))
        loadingAt = clock.elapsed();
      if (text.startsWith(QLatin1String("Verified")))
        verifiedAt = clock.elapsed();
    };
    clock.start();
    QCOMPARE(updateFirmware(adapter, false, imageFile(), QStringLiteral("VS-24-10"), log),
             UpdateResult::Written);
    report("whole update (connect, unprotect, mass erase, write, read back, restart)", clock.elapsed());
    report("write and read back", verifiedAt - loadingAt);
  }

  void stm32flashThroughTheSameSimulator()
  {
    BootloaderSimulatorProcess simulator({QStringLiteral("--pty")});
    QProcess tool;
    QElapsedTimer clock;
    clock.start();
    tool.start(QStringLiteral("stm32flash"),
               {QStringLiteral("-b"), QStringLiteral("115200"), QStringLiteral("-m"), QStringLiteral("8n1"),
                QStringLiteral("-w"), imageFile(), QStringLiteral("-v"), simulator.address});
    QVERIFY(tool.waitForFinished(120000));
    QCOMPARE(tool.exitCode(), 0);
    report("stm32flash (connect, page erase, write and verify)", clock.elapsed());
  }
};

QTEST_GUILESS_MAIN(FirmwareUpdateBenchmark)
#include "bench_firmwareUpdate.moc"
