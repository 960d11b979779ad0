// The firmware update through the simulated adapter against the simulated bootloader: what
// reaches the controller's flash, and what the service log says about it.
#include "bootloaderSimulatorProcess.h"

#include "service/firmwareUpdate.h"
#include "service/simulatedAdapter.h"

#include <QtConcurrent>

namespace
{
const QString description = QStringLiteral("VS-24-10");

QByteArray testImage(int size)
{
  QByteArray image(size, '\0');
  for (int i = 0; i < size; ++i)
    image[i] = char((i * 7 + i / 256) & 0xFF);
  return image;
}
} // namespace

class FirmwareUpdateTest : public QObject
{
  Q_OBJECT

private:
  QTemporaryDir files;

  QString imageFile(const QByteArray &image)
  {
    const QString path = files.filePath(QStringLiteral("image%1.bin").arg(image.size()));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(image);
    return path;
  }

private slots:
  void loadsOrFailsTheWholeImage_data()
  {
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<QString>("simulatorLogged");

    QTest::newRow("257 bytes: a full chunk and one padded to a word")
        << 257 << QStringList() << true << QString() << QStringLiteral("WRITE 08000100 4 ok");
    QTest::newRow("erase refused") << 1024 << QStringList{QStringLiteral("erase-refused")} << false
                                   << QStringLiteral("ERASING MEMORY FAILED\n") << QString();
    QTest::newRow("a chunk refused once, then taken")
        << 1024 << QStringList{QStringLiteral("nack-once:0x08000100")} << true << QStringLiteral("NACK!\n")
        << QStringLiteral("WRITE 08000100 256 nack");
    QTest::newRow("a chunk always refused") << 1024 << QStringList{QStringLiteral("nack:0x08000200")} << false
                                            << QStringLiteral("Write failed at 0x08000200.\n") << QString();
    QTest::newRow("read-back differs") << 1024 << QStringList{QStringLiteral("corrupt:0x08000300")} << false
                                       << QStringLiteral("Verify failed at 0x08000300.\n") << QString();
    QTest::newRow("no answer in the middle of a chunk")
        << 1024 << QStringList{QStringLiteral("stall-once:0x08000100")} << true
        << QStringLiteral("No answer at 0x08000100\n") << QStringLiteral("WRITE 08000100 256 stall");
    QTest::newRow("silent device") << 64 << QStringList{QStringLiteral("silent")} << false
                                   << QStringLiteral("Cannot connect.\n") << QString();
  }

  void loadsOrFailsTheWholeImage()
  {
    QFETCH(int, size);
    QFETCH(QStringList, faults);
    QFETCH(bool, written);
    QFETCH(QString, logged);
    QFETCH(QString, simulatorLogged);

    QStringList arguments;
    for (const QString &fault : faults)
      arguments << QStringLiteral("--fault") << fault;
    BootloaderSimulatorProcess simulator(arguments);
    QVERIFY(!simulator.address.isEmpty());
    SimulatedAdapter adapter(simulator.address);
    CollectedServiceLog log;
    const QByteArray image = testImage(size);

    const UpdateResult result = updateFirmware(adapter, false, imageFile(image), description, log.report());

    const QByteArray padded = paddedImage(image);
    const bool flashHoldsImage = adapter.flash(0x08000000, uint32_t(padded.size())) == padded;
    QCOMPARE(result, written ? UpdateResult::Written : UpdateResult::Failed);
    QCOMPARE(flashHoldsImage, written);
    QCOMPARE(log.text().contains(QLatin1String("Flash Load Finished!\n")), written);
    QCOMPARE(log.text().contains(QLatin1String("Load Error.\n")), !written);
    if (!logged.isEmpty())
      QVERIFY2(log.text().contains(logged), qPrintable(log.text()));
    if (!simulatorLogged.isEmpty())
      QTRY_VERIFY(!simulator.matching(QRegularExpression::escape(simulatorLogged)).isEmpty());
    if (written) {
      QCOMPARE(log.progress(), 1000);
      QTRY_VERIFY(!simulator.matching(QStringLiteral("^START application$")).isEmpty());
    }
    if (faults.contains(QStringLiteral("silent"))) // two loads of three attempts each
      QTRY_COMPARE(simulator.matching(QStringLiteral("^START silent$")).size(), 6);
  }

  // The polarity flag turns both lines round: a board wired inverted takes the update only with
  // the flag set, and every level written is the other one.
  void polarityFlagInvertsBothLines()
  {
    QByteArray histories[2];
    for (const bool inverted : {false, true}) {
      BootloaderSimulatorProcess simulator(inverted ? QStringList{QStringLiteral("--inverted")}
                                                    : QStringList());
      SimulatedAdapter adapter(simulator.address);
      CollectedServiceLog log;
      QCOMPARE(updateFirmware(adapter, inverted, imageFile(testImage(512)), description, log.report()),
               UpdateResult::Written);
      histories[inverted] = adapter.pinHistory();
    }
    QCOMPARE(histories[0].size(), histories[1].size());
    for (int i = 0; i < histories[0].size(); ++i) {
      const auto normal = uint8_t(histories[0].at(i));
      const auto inverted = uint8_t(histories[1].at(i));
      QCOMPARE(normal & 0xF0, inverted & 0xF0);
      QCOMPARE((normal ^ inverted) & 0x0C, (normal >> 4) & 0x0C); // each enabled line the other way
    }

    BootloaderSimulatorProcess wronglyWired({QStringLiteral("--inverted")});
    SimulatedAdapter adapter(wronglyWired.address);
    CollectedServiceLog log;
    QCOMPARE(updateFirmware(adapter, false, imageFile(testImage(64)), description, log.report()),
             UpdateResult::Failed);
    QVERIFY(log.text().contains(QLatin1String("Cannot connect.\n")));
  }

  void secondRequestWhileOneRunsTouchesNothing()
  {
    BootloaderSimulatorProcess simulator({});
    SimulatedAdapter adapter(simulator.address);
    CollectedServiceLog log;
    const QString path = imageFile(testImage(16 * 1024));
    QFuture<UpdateResult> first =
        QtConcurrent::run([&] { return updateFirmware(adapter, false, path, description, log.report()); });
    QTRY_VERIFY_WITH_TIMEOUT(log.text().contains(QLatin1String("Loading: ")), 20000);
    QTRY_COMPARE(simulator.matching(QStringLiteral("^OPEN ")).size(), 1);

    SimulatedAdapter secondAdapter(simulator.address);
    CollectedServiceLog secondLog;
    QCOMPARE(updateFirmware(secondAdapter, false, path, description, secondLog.report()), UpdateResult::Busy);
    QVERIFY(secondLog.text().isEmpty());

    first.waitForFinished();
    QCOMPARE(first.result(), UpdateResult::Written);
    QTRY_VERIFY(!simulator.matching(QStringLiteral("^CLOSE$")).isEmpty());
    QCOMPARE(simulator.matching(QStringLiteral("^OPEN ")).size(), 1);
  }

  void missingImageFile_data()
  {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("logged");
    QTest::newRow("no file chosen") << QString() << QStringLiteral("No File selected.\n");
    QTest::newRow("file missing") << QStringLiteral("/nonexistent/image.bin")
                                  << QStringLiteral("Cannot open the file.\n");
  }

  void missingImageFile()
  {
    QFETCH(QString, path);
    QFETCH(QString, logged);
    BootloaderSimulatorProcess simulator({});
    SimulatedAdapter adapter(simulator.address);
    CollectedServiceLog log;
    QCOMPARE(updateFirmware(adapter, false, path, description, log.report()), UpdateResult::Failed);
    QVERIFY(log.text().contains(logged));
    QTRY_VERIFY(!simulator.matching(QStringLiteral("^CLOSE$")).isEmpty());
    QVERIFY(simulator.matching(QStringLiteral("^(WRITE|ERASE)")).isEmpty());
  }

  void unknownAdapterDescription()
  {
    BootloaderSimulatorProcess simulator({});
    SimulatedAdapter adapter(simulator.address);
    CollectedServiceLog log;
    QCOMPARE(
        updateFirmware(adapter, false, imageFile(testImage(64)), QStringLiteral("VK-10A-2U"), log.report()),
        UpdateResult::Failed);
    QVERIFY(log.text().contains(QLatin1String("FT_OpenEx Failed.\n")));
  }
};

QTEST_GUILESS_MAIN(FirmwareUpdateTest)
#include "tst_firmwareUpdate.moc"
