// The bootloader simulator against an independent peer: Debian's stm32flash writes an image
// through it, verifies it and reads it back, over a pseudo-terminal in 8N1.
#include "bootloaderSimulatorProcess.h"

class BootloaderSimulatorTest : public QObject
{
  Q_OBJECT

private:
  static int stm32flash(const QStringList &arguments, QString *output)
  {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral("stm32flash"), arguments);
    if (!tool.waitForFinished(120000))
      tool.kill();
    *output = QString::fromLocal8Bit(tool.readAll());
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
  }

private slots:
  void stm32flashWritesVerifiesAndReadsBack_data()
  {
    QTest::addColumn<int>("size");
    QTest::newRow("one chunk and a word") << 260;
    QTest::newRow("pages over a page boundary") << 5000;
  }

  void stm32flashWritesVerifiesAndReadsBack()
  {
    QFETCH(int, size);
    QTemporaryDir folder;
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
      image[i] = char((i * 13 + 5) & 0xFF);
    const QString imagePath = folder.filePath(QStringLiteral("image.bin"));
    const QString readPath = folder.filePath(QStringLiteral("read.bin"));
    QFile file(imagePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();

    BootloaderSimulatorProcess simulator({QStringLiteral("--pty")});
    QVERIFY(!simulator.address.isEmpty());
    const QStringList line{QStringLiteral("-b"), QStringLiteral("115200"), QStringLiteral("-m"),
                           QStringLiteral("8n1")};
    QString output;
    QCOMPARE(
        stm32flash(line + QStringList{QStringLiteral("-w"), imagePath, QStringLiteral("-v"),
                                      QStringLiteral("-S"), QStringLiteral("0x08000000"), simulator.address},
                   &output),
        0);
    QVERIFY2(output.contains(QLatin1String("Wrote and verified")), qPrintable(output));
    // stm32flash carries on after the first command without a new synchronisation.
    QCOMPARE(stm32flash(line + QStringList{QStringLiteral("-c"), QStringLiteral("-r"), readPath,
                                           QStringLiteral("-S"), QStringLiteral("0x08000000:%1").arg(size),
                                           simulator.address},
                        &output),
             0);
    QFile read(readPath);
    QVERIFY(read.open(QIODevice::ReadOnly));
    QCOMPARE(read.readAll(), image);
  }
};

QTEST_GUILESS_MAIN(BootloaderSimulatorTest)
#include "tst_bootloaderSimulator.moc"
