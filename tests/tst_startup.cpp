// Starts the real program offscreen against the simulator, lets it find the device, and stops it
// the way a desktop session does.
#include "simulatorProcess.h"

#include <QtTest>

#include <csignal>

class StartupTest : public QObject
{
  Q_OBJECT

private slots:
  void runsAndStopsCleanlyOnSigterm()
  {
    SimulatorProcess simulator({QStringLiteral("--model"), QStringLiteral("VT-40A")});
    QVERIFY(!simulator.ports.isEmpty());
    QTemporaryDir workDir;
    QVERIFY(workDir.isValid());
    QProcess program;
    program.setWorkingDirectory(workDir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("talvane.*.info=true"));
    if (!env.contains(QStringLiteral("XDG_RUNTIME_DIR")))
      env.insert(QStringLiteral("XDG_RUNTIME_DIR"), workDir.path());
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);

    program.start(QStringLiteral(TALVANE_EXE), {QStringLiteral("--serial-port"), simulator.ports.first()});
    QVERIFY(program.waitForStarted());
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += program.readAll()).contains("first frame after"), 30000);
    QVERIFY2(output.contains("window loaded"), output.constData());

    // The loop has run and the port is open when the device is shown.
    QTRY_VERIFY2_WITH_TIMEOUT((output += program.readAll()).contains("Mains operation"), output.constData(),
                              30000);
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(10000));
    output += program.readAll();

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QRegularExpression ticks(QStringLiteral("main loop ran (\\d+) ticks"));
    const QRegularExpressionMatch match = ticks.match(QString::fromUtf8(output));
    QVERIFY2(match.hasMatch(), output.constData());
    QVERIFY2(match.captured(1).toInt() > 0, output.constData());
    qInfo().noquote() << match.captured(0);
    QVERIFY2(!output.contains("qrc:/qml/"), output.constData()); // no QML warning from any page
  }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
