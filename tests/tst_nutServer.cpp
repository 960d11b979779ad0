// The UPS network server: the protocol's answers for a table of requests, the status words of the
// device's states, and the whole chain against the device simulator with Debian's own clients as
// judges: upsc reads every variable and follows the device from mains to buffer operation and
// back; upsmon as a secondary shuts its machine down after the forced shutdown and before this
// PC's own (stub) shutdown command; bad clients neither stall the loop nor lock others out.
#include "actions/nutProtocol.h"
#include "actions/nutServer.h"
#include "app/appState.h"
#include "app/upsApp.h"
#include "devices/nutVariables.h"
#include "simulatorProcess.h"
#include "temporaryWorkingDirectory.h"

#include <QTcpServer>
#include <QtTest>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace
{
NutUpsTable liveTable()
{
  NutUpsTable t;
  t.upsName = "vt-40a";
  t.description = "Norvex VT-40A";
  t.stale = false;
  t.variables = {{"ups.status", "OL"}, {"input.voltage", "24.10"}, {"ups.model", "VT-40A \"x\""}};
  return t;
}

// Runs a client program without blocking the event loop that serves it; its output, or
// "exit N: output" when it failed.
QString runClient(const QString &program, const QStringList &arguments,
                  const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
  QProcess process;
  process.setProcessEnvironment(environment);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  QElapsedTimer waited;
  waited.start();
  while (process.state() != QProcess::NotRunning && waited.elapsed() < 20000)
    QTest::qWait(10);
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished();
    return QStringLiteral("timed out");
  }
  // upsc greets with a note about its certificate store; only the answer counts.
  QStringList lines = QString::fromUtf8(process.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  lines = lines.filter(QRegularExpression(QStringLiteral("^(?!Init SSL)")));
  const QString output = lines.join(QLatin1Char('\n'));
  return process.exitCode() == 0 ? output : QStringLiteral("exit %1: %2").arg(process.exitCode()).arg(output);
}

QVector<int> conditionList(std::initializer_list<Condition> conditions)
{
  QVector<int> list;
  for (Condition c : conditions)
    list << static_cast<int>(c);
  return list;
}

quint16 freePort()
{
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

// A plain socket that the test drives by hand, outside Qt's event loop.
struct RawClient {
  int fd = -1;
  explicit RawClient(quint16 port)
  {
    fd = ::socket(AF_INET, SOCK_STREAM, 0);
    ::fcntl(fd, F_SETFL, O_NONBLOCK);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(fd, reinterpret_cast<sockaddr *>(&to), sizeof to);
  }
  ~RawClient() { ::close(fd); }
  // Sends as much as the socket takes now; the number of bytes taken.
  qint64 send(const QByteArray &bytes) { return ::send(fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL); }
  QByteArray received = {};
  bool closedByServer = false;
  // Collects what has arrived; true once `text` is in it.
  bool has(const QByteArray &text)
  {
    char buffer[4096];
    for (;;) {
      const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
      if (n > 0) {
        received.append(buffer, static_cast<int>(n));
        continue;
      }
      closedByServer = closedByServer || n == 0 || (n < 0 && errno == ECONNRESET);
      break;
    }
    return received.contains(text);
  }
};
} // namespace

class NutServerTest : public QObject
{
  Q_OBJECT

  QTemporaryDir tools;
  QByteArray originalPath;

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
    // This PC's shutdown is a stub that notes when it ran; it must be the command found.
    writeStub(QStringLiteral("shutdown"), "own");
    writeStub(QStringLiteral("secondary-shutdown"), "secondary");
    originalPath = qgetenv("PATH");
    qputenv("PATH", tools.path().toLocal8Bit() + ':' + originalPath);
    QCOMPARE(QStandardPaths::findExecutable(QStringLiteral("shutdown")),
             tools.filePath(QStringLiteral("shutdown")));
  }

  void cleanupTestCase() { qputenv("PATH", originalPath); }

  void init() { QFile::remove(tools.filePath(QStringLiteral("stubs.log"))); }

  void protocolAnswers_data()
  {
    QTest::addColumn<QByteArrayList>("requests");
    QTest::addColumn<QByteArray>("answer"); // of the last request
    QTest::addColumn<bool>("stale");
    const QByteArrayList login{"USERNAME monuser", "PASSWORD secret", "LOGIN vt-40a"};
    auto row = [](const char *name, QByteArrayList requests, const QByteArray &answer, bool stale = false) {
      QTest::newRow(name) << requests << answer << stale;
    };
    row("version", {"NETVER"}, "1.3\n");
    row("protocol version", {"PROTVER"}, "1.3\n");
    row("list ups", {"LIST UPS"}, "BEGIN LIST UPS\nUPS vt-40a \"Norvex VT-40A\"\nEND LIST UPS\n");
    row("list var quotes values", {"LIST VAR vt-40a"},
        "BEGIN LIST VAR vt-40a\nVAR vt-40a ups.status \"OL\"\nVAR vt-40a input.voltage \"24.10\"\n"
        "VAR vt-40a ups.model \"VT-40A \\\"x\\\"\"\nEND LIST VAR vt-40a\n");
    row("get var", {"GET VAR vt-40a ups.status"}, "VAR vt-40a ups.status \"OL\"\n");
    row("quoted words", {"GET VAR \"vt-40a\" \"ups.status\""}, "VAR vt-40a ups.status \"OL\"\n");
    row("lower-case command", {"get var vt-40a input.voltage"}, "VAR vt-40a input.voltage \"24.10\"\n");
    row("unknown variable", {"GET VAR vt-40a ups.load"}, "ERR VAR-NOT-SUPPORTED\n");
    row("unknown ups", {"GET VAR other ups.status"}, "ERR UNKNOWN-UPS\n");
    row("missing argument", {"GET VAR vt-40a"}, "ERR INVALID-ARGUMENT\n");
    row("unknown sub-command", {"GET NOTHING vt-40a"}, "ERR INVALID-ARGUMENT\n");
    row("unknown command", {"FLY vt-40a"}, "ERR UNKNOWN-COMMAND\n");
    row("type of a number", {"GET TYPE vt-40a input.voltage"}, "TYPE vt-40a input.voltage NUMBER\n");
    row("description", {"GET DESC vt-40a ups.status"}, "DESC vt-40a ups.status \"UPS status\"\n");
    row("ups description", {"GET UPSDESC vt-40a"}, "UPSDESC vt-40a \"Norvex VT-40A\"\n");
    row("no commands", {"LIST CMD vt-40a"}, "BEGIN LIST CMD vt-40a\nEND LIST CMD vt-40a\n");
    row("nothing writable", {"LIST RW vt-40a"}, "BEGIN LIST RW vt-40a\nEND LIST RW vt-40a\n");
    row("set refused", {"SET VAR vt-40a ups.status \"OB\""}, "ERR ACCESS-DENIED\n");
    row("instant command refused", {"INSTCMD vt-40a load.off"}, "ERR ACCESS-DENIED\n");
    row("no tls", {"STARTTLS"}, "ERR FEATURE-NOT-SUPPORTED\n");
    row("stale list", {"LIST VAR vt-40a"}, "ERR DATA-STALE\n", true);
    row("stale variable", {"GET VAR vt-40a ups.status"}, "ERR DATA-STALE\n", true);
    row("login without user", {"LOGIN vt-40a"}, "ERR USERNAME-REQUIRED\n");
    row("login without password", {"USERNAME monuser", "LOGIN vt-40a"}, "ERR PASSWORD-REQUIRED\n");
    row("wrong password", {"USERNAME monuser", "PASSWORD nope", "LOGIN vt-40a"}, "ERR ACCESS-DENIED\n");
    row("user set twice", {"USERNAME a", "USERNAME b"}, "ERR ALREADY-SET-USERNAME\n");
    row("login", login, "OK\n");
    row("login twice", login + QByteArrayList{"LOGIN vt-40a"}, "ERR ALREADY-LOGGED-IN\n");
    row("counted", login + QByteArrayList{"GET NUMLOGINS vt-40a"}, "NUMLOGINS vt-40a 1\n");
    row("listed", login + QByteArrayList{"LIST CLIENT vt-40a"},
        "BEGIN LIST CLIENT vt-40a\nCLIENT vt-40a 127.0.0.1\nEND LIST CLIENT vt-40a\n");
    row("fsd needs a primary", login + QByteArrayList{"FSD vt-40a"}, "ERR ACCESS-DENIED\n");
    row("fsd of a stranger", {"PRIMARY vt-40a"}, "ERR USERNAME-REQUIRED\n");
    row("primary", login + QByteArrayList{"PRIMARY vt-40a"}, "OK PRIMARY-GRANTED\n");
    row("old name of primary", login + QByteArrayList{"MASTER vt-40a"}, "OK MASTER-GRANTED\n");
    row("fsd", login + QByteArrayList{"PRIMARY vt-40a", "FSD vt-40a"}, "OK FSD-SET\n");
    row("fsd shows", login + QByteArrayList{"PRIMARY vt-40a", "FSD vt-40a", "GET VAR vt-40a ups.status"},
        "VAR vt-40a ups.status \"FSD OL\"\n");
    row("fsd shows when stale",
        login + QByteArrayList{"PRIMARY vt-40a", "FSD vt-40a", "GET VAR vt-40a ups.status"},
        "VAR vt-40a ups.status \"FSD\"\n", true);
    row("logout", {"LOGOUT"}, "OK Goodbye\n");
  }

  void protocolAnswers()
  {
    QFETCH(QByteArrayList, requests);
    QFETCH(QByteArray, answer);
    QFETCH(bool, stale);
    NutShared shared;
    shared.table = liveTable();
    shared.table.stale = stale;
    shared.accountUser = "monuser";
    shared.accountPassword = "secret";
    NutSession session;
    session.peer = "127.0.0.1";
    shared.sessions = {&session};
    QByteArray last;
    for (const QByteArray &request : requests)
      last = nutReceive(session, shared, request + "\r\n");
    QCOMPARE(last, answer);
  }

  // Lines arrive in any pieces; a line too long is answered once and skipped, the next is served.
  void receivePath()
  {
    NutShared shared;
    shared.table = liveTable();
    NutSession session;
    QByteArray answers = nutReceive(session, shared, "GET VAR vt-40a ");
    answers += nutReceive(session, shared, "ups.status\nNETV");
    answers += nutReceive(session, shared, "ER\n");
    answers += nutReceive(session, shared, QByteArray(100 * 1024, 'x'));
    answers += nutReceive(session, shared, QByteArray(100 * 1024, 'y') + "\nNETVER\n");
    QCOMPARE(answers, QByteArray("VAR vt-40a ups.status \"OL\"\n1.3\nERR TOO-LONG\n1.3\n"));
    QVERIFY(session.pendingLine.isEmpty());
  }

  void statusWords_data()
  {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QVector<int>>("conditions");
    QTest::addColumn<QByteArray>("status");
    QTest::newRow("mains") << 2 << conditionList({Condition::MainsPresent}) << QByteArray("OL");
    QTest::newRow("charging") << 2 << conditionList({Condition::MainsPresent, Condition::ChargeBelow85})
                              << QByteArray("OL CHRG");
    QTest::newRow("buffer") << 3 << conditionList({Condition::BufferOperation}) << QByteArray("OB DISCHRG");
    QTest::newRow("buffer, storage low")
        << 3
        << conditionList({Condition::BufferOperation, Condition::StorageVeryLow, Condition::ChargeBelow85})
        << QByteArray("OB LB DISCHRG");
    QTest::newRow("ipc shutdown") << 5 << conditionList({Condition::IpcShutdown}) << QByteArray("OB DISCHRG");
    QTest::newRow("exchange storage")
        << 2 << conditionList({Condition::MainsPresent, Condition::ExchangeStorage}) << QByteArray("OL RB");
    QTest::newRow("overload") << 10 << conditionList({Condition::MainsPresent, Condition::Fuse})
                              << QByteArray("OL OVER ALARM");
    QTest::newRow("system error") << 2 << conditionList({Condition::MainsPresent, Condition::SystemError})
                                  << QByteArray("OL ALARM");
    QTest::newRow("output off") << 4 << conditionList({Condition::OutputOff, Condition::Shutdown})
                                << QByteArray("OFF");
  }

  void statusWords()
  {
    QFETCH(int, mode);
    QFETCH(QVector<int>, conditions);
    QFETCH(QByteArray, status);
    InterpretationState st;
    st.operatingMode = mode;
    for (int c : conditions)
      st.conditions[c] = true;
    QCOMPARE(nutStatus(st), status);
  }

  // upsc lists the UPS, reads every variable and sees it follow the device; before the device is
  // identified it gets no values.
  void upscFollowsTheDevice()
  {
    SimulatorProcess simulator({QStringLiteral("--model"), QStringLiteral("VT-40A"), QStringLiteral("--mode"),
                                QStringLiteral("mains")});
    QVERIFY(!simulator.ports.isEmpty());
    const quint16 port = freePort();
    Running running(simulator.ports, port);
    AppState &s = appState();
    const QString ups = QStringLiteral("vt-40a@127.0.0.1:%1").arg(port);

    QTRY_VERIFY(s.nut.running);
    QTRY_VERIFY_WITH_TIMEOUT(s.link.deviceLive(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(
        runClient(QStringLiteral("upsc"), {QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(port)}),
        QStringLiteral("vt-40a"), 10000);
    auto status = [&] { return runClient(QStringLiteral("upsc"), {ups, QStringLiteral("ups.status")}); };
    // Values come once the device has answered a whole pass of its polling sequence.
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("OL"), 10000);
    const QString all = runClient(QStringLiteral("upsc"), {ups});
    for (const char *name :
         {"device.type: ups", "device.mfr: Norvex", "device.model: VT-40A",
          "device.serial: ", "ups.mfr: Norvex", "ups.model: VT-40A", "ups.serial: ", "ups.firmware: 2.03",
          "ups.status: OL", "ups.temperature: 31.5", "input.voltage: 24.10", "output.voltage: 24.00",
          "output.current: ", "battery.voltage: ", "battery.current: "})
      QVERIFY2(all.contains(QLatin1String(name)),
               qPrintable(all + QStringLiteral("\nlacks ") + QLatin1String(name)));

    QElapsedTimer sinceFailure;
    simulator.command(QStringLiteral("mode buffer"));
    sinceFailure.start();
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("OB DISCHRG"), 10000);
    qInfo() << "mains failure to upsc showing OB:" << sinceFailure.elapsed() << "ms";
    // The remaining time comes with a later request of the device's cycle than the status word; the
    // battery model reports minutes, clients read seconds.
    QTRY_VERIFY_WITH_TIMEOUT(
        runClient(QStringLiteral("upsc"), {ups, QStringLiteral("battery.runtime")}).toInt() > 0, 10000);
    QCOMPARE(runClient(QStringLiteral("upsc"), {ups, QStringLiteral("battery.runtime")}).toUInt(),
             s.fields.rxField1312 * 60u);
    simulator.command(QStringLiteral("mode mains"));
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("OL"), 10000);

    // The link ends: no stale values.
    simulator.command(QStringLiteral("silent on"));
    QTRY_VERIFY_WITH_TIMEOUT(status().contains(QLatin1String("Data stale")), 20000);
  }

  // A secondary shuts its machine down after the forced shutdown, and this PC's own shutdown
  // follows once it has logged out.
  void secondaryShutsDownFirst()
  {
    SimulatorProcess simulator({QStringLiteral("--model"), QStringLiteral("VT-40A"), QStringLiteral("--mode"),
                                QStringLiteral("mains")});
    QVERIFY(!simulator.ports.isEmpty());
    const quint16 port = freePort();
    Running running(simulator.ports, port);
    AppState &s = appState();
    QTRY_VERIFY(s.nut.running);
    QTRY_VERIFY_WITH_TIMEOUT(s.link.deviceLive(), 20000);
    s.ui.shutdownWindow.pcShutdownEnable = true;

    QTemporaryDir config;
    QFile conf(config.filePath(QStringLiteral("upsmon.conf")));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(QStringLiteral("MONITOR vt-40a@127.0.0.1:%1 1 monuser secret secondary\n"
                              "MINSUPPLIES 1\nSHUTDOWNCMD \"%2\"\nPOLLFREQ 1\nPOLLFREQALERT 1\n"
                              "FINALDELAY 0\nDEADTIME 15\nRUN_AS_USER root\n")
                   .arg(port)
                   .arg(tools.filePath(QStringLiteral("secondary-shutdown")))
                   .toUtf8());
    conf.close();
    QFile::setPermissions(conf.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NUT_CONFPATH"), config.path());
    env.insert(QStringLiteral("NUT_STATEPATH"), config.path());
    env.insert(QStringLiteral("NUT_ALTPIDPATH"), config.path());
    QProcess upsmon;
    upsmon.setProcessEnvironment(env);
    upsmon.setProcessChannelMode(QProcess::MergedChannels);
    upsmon.start(QStringLiteral("/lib/nut/upsmon"), {QStringLiteral("-F"), QStringLiteral("-p")});
    QTRY_COMPARE_WITH_TIMEOUT(s.nut.server->loginCount(), 1, 20000);

    QElapsedTimer sinceFailure;
    simulator.command(QStringLiteral("mode buffer"));
    sinceFailure.start();
    QTRY_VERIFY_WITH_TIMEOUT(!stubLog().isEmpty(), 30000);
    qInfo() << "mains failure to the secondary's shutdown command:" << sinceFailure.elapsed() << "ms";
    QTRY_COMPARE_WITH_TIMEOUT(stubLog(), (QStringList{"secondary", "own -h +0"}), 30000);
    upsmon.kill();
    upsmon.waitForFinished();
    qInfo().noquote() << upsmon.readAll().right(2000);
  }

  // A client that stays logged in holds this PC's shutdown for at most 15 s, and for at most half
  // of the time the device leaves before it switches the output off.
  void ownShutdownWaitsForClientsAtMost_data()
  {
    QTest::addColumn<int>("ipcShutdownSeconds");
    QTest::addColumn<int>("waitSeconds");
    QTest::newRow("15 s") << 60 << 15;
    QTest::newRow("half the device's time") << 10 << 5;
  }
  void ownShutdownWaitsForClientsAtMost()
  {
    QFETCH(int, ipcShutdownSeconds);
    QFETCH(int, waitSeconds);
    OnTestClock running;
    AppState &s = appState();
    RawClient client(running.port);
    QVERIFY(running.logIn(client));
    running.requestShutdown(ipcShutdownSeconds);

    running.tickAt(10000); // the device's delay is over
    QVERIFY(s.nut.server->forcedShutdown());
    QVERIFY(!s.pcActions.shutdown.command);
    client.received.clear();
    client.send("GET VAR vt-40a ups.status\n");
    QTRY_VERIFY(client.has("VAR vt-40a ups.status \"FSD\"\n"));
    running.tickAt(10000 + waitSeconds * 1000 - 100);
    QVERIFY(!s.pcActions.shutdown.command);
    QCOMPARE(s.nut.server->loginCount(), 1);

    running.tickAt(10000 + waitSeconds * 1000); // the client is still there
    QVERIFY(s.pcActions.shutdown.command);
    QTRY_COMPARE(stubLog(), QStringList{"own -h +0"});
  }

  // The device takes its request back while the clients are told to shut down: they are told no
  // longer, and this PC stays up.
  void forcedShutdownWithdrawnWithTheRequest()
  {
    OnTestClock running;
    AppState &s = appState();
    RawClient client(running.port);
    QVERIFY(running.logIn(client));
    running.requestShutdown(60);
    running.tickAt(10000);
    QVERIFY(s.nut.server->forcedShutdown());

    s.process.pcShutdownRequest = false;
    running.tickAt(12000);
    QVERIFY(!s.nut.server->forcedShutdown());
    client.received.clear();
    client.send("GET VAR vt-40a ups.status\n");
    QTRY_VERIFY(client.has("\n"));
    QVERIFY2(!client.received.contains("FSD"), client.received.constData());
    running.tickAt(60000);
    QVERIFY(!s.pcActions.shutdown.command);
    QCOMPARE(stubLog(), QStringList());
  }

  // A line of 100 KB, binary noise, 1,000 connections at once and a client that never reads: the
  // device stays live, the loop keeps ticking, and an ordinary client is served.
  void badClients()
  {
    SimulatorProcess simulator({QStringLiteral("--model"), QStringLiteral("VT-40A"), QStringLiteral("--mode"),
                                QStringLiteral("mains")});
    QVERIFY(!simulator.ports.isEmpty());
    const quint16 port = freePort();
    Running running(simulator.ports, port);
    AppState &s = appState();
    QTRY_VERIFY(s.nut.running);
    QTRY_VERIFY_WITH_TIMEOUT(s.link.deviceLive(), 20000);
    NutServerLimits limits;
    limits.idleSeconds = 2;
    s.nut.server->setLimits(limits);
    const QString ups = QStringLiteral("vt-40a@127.0.0.1:%1").arg(port);
    QTRY_COMPARE_WITH_TIMEOUT(runClient(QStringLiteral("upsc"), {ups, QStringLiteral("ups.status")}),
                              QStringLiteral("OL"), 10000);

    RawClient longLine(port);
    RawClient noise(port);
    RawClient neverReads(port);
    ::setsockopt(neverReads.fd, SOL_SOCKET, SO_RCVBUF, "\x00\x10\x00\x00", 4);
    std::vector<std::unique_ptr<RawClient>> crowd;
    for (int i = 0; i < 1000; ++i)
      crowd.push_back(std::make_unique<RawClient>(port));
    QTest::qWait(0);

    QByteArray line(100 * 1024, 'A');
    line += "\nGET VAR vt-40a ups.status\n";
    QByteArray random;
    for (int i = 0; i < 64 * 1024; ++i)
      random += static_cast<char>(QRandomGenerator::global()->bounded(256));
    random += "\nNETVER\n";
    const QByteArray flood = QByteArray("LIST VAR vt-40a\n").repeated(4096);
    const uint64_t ticksBefore = s.loop.tickCount;
    int sentLong = 0, sentNoise = 0;
    auto pushAll = [&] {
      if (sentLong < line.size())
        sentLong += qMax<qint64>(0, longLine.send(line.mid(sentLong)));
      if (sentNoise < random.size())
        sentNoise += qMax<qint64>(0, noise.send(random.mid(sentNoise)));
      neverReads.send(flood);
    };
    QTRY_VERIFY2_WITH_TIMEOUT((pushAll(), longLine.has("ERR TOO-LONG\nVAR vt-40a ups.status \"OL\"\n")),
                              qPrintable(QStringLiteral("sent %1, closed %2, got %3")
                                             .arg(sentLong)
                                             .arg(longLine.closedByServer)
                                             .arg(QString::fromLatin1(longLine.received.left(200)))),
                              20000);
    QTRY_VERIFY_WITH_TIMEOUT((pushAll(), noise.has("1.3\n")), 20000);
    // The one that never reads is dropped, the crowd beyond the limit at once.
    QTRY_VERIFY_WITH_TIMEOUT((pushAll(), neverReads.has("") && neverReads.closedByServer), 20000);
    QVERIFY(s.nut.server->clientCount() <= limits.maxClients);
    QCOMPARE(runClient(QStringLiteral("upsc"), {ups, QStringLiteral("ups.status")}), QStringLiteral("OL"));
    QVERIFY(s.link.deviceLive());
    QVERIFY(s.loop.tickCount > ticksBefore);
    // Idle clients go after their time.
    QTRY_COMPARE_WITH_TIMEOUT(s.nut.server->clientCount(), 0, 20000);
    QVERIFY(s.link.deviceLive());
  }

private:
  // The back end with the server switched on for this run, as the command line does it.
  struct Running {
    TemporaryWorkingDirectory workDir;
    std::unique_ptr<upsApp> app;
    Running(const QStringList &ports, quint16 port)
    {
      resetAppState();
      AppState &s = appState();
      s.scan.extraPorts = ports;
      s.nut.commandLineOn = true;
      s.nut.commandLinePort = port;
      fillCompanyData(s.ui.companyData, s.vendor, QCoreApplication::applicationDirPath());
      app = std::make_unique<upsApp>();
      storeNutServerSetting(QStringLiteral("user"), QStringLiteral("monuser"));
      storeNutServerSetting(QStringLiteral("password"), QStringLiteral("secret"));
    }
  };

  // The back end with the server on, no device, and the loop ticked by the test on its own clock.
  struct OnTestClock {
    quint16 port = freePort();
    Running running{QStringList(), port};
    QDateTime clock = QDateTime(QDate(2024, 3, 1), QTime(8, 0));

    OnTestClock()
    {
      AppState &s = appState();
      s.pcActions.now = [this] { return clock; };
      running.app->mainTimer.start(3600 * 1000); // it runs, but only the test ticks
      storeNutServerSetting(QStringLiteral("upsName"), QStringLiteral("vt-40a"));
      tickAt(0);
      s.link.set(LinkFlag::autoDetect, false);
      s.link.set(LinkFlag::portSuspended, true);
    }
    void tickAt(qint64 milliseconds)
    {
      clock = QDateTime(QDate(2024, 3, 1), QTime(8, 0)).addMSecs(milliseconds);
      QMetaObject::invokeMethod(running.app.get(), "SystemLoop", Qt::DirectConnection);
    }
    bool logIn(RawClient &client)
    {
      client.send("USERNAME monuser\nPASSWORD secret\nLOGIN vt-40a\n");
      return QTest::qWaitFor([&client] { return client.has("OK\nOK\nOK\n"); }) &&
             appState().nut.server->loginCount() == 1;
    }
    // The device asks with a delay of 10 s and switches its output off `ipcShutdownSeconds` later.
    void requestShutdown(int ipcShutdownSeconds)
    {
      AppState &s = appState();
      s.ui.shutdownWindow.pcShutdownEnable = true;
      s.process.pcShutdownRequest = true;
      s.process.pcShutdownDelay = 10;
      s.fields.rxField1304 = static_cast<uint16_t>(ipcShutdownSeconds);
      tickAt(0);
    }
  };

  void writeStub(const QString &name, const char *word)
  {
    QFile stub(tools.filePath(name));
    QVERIFY(stub.open(QIODevice::WriteOnly));
    stub.write(QByteArray("#!/bin/sh\necho \"") + word + " $*\" | sed 's/ *$//' >> \"" +
               tools.filePath(QStringLiteral("stubs.log")).toLocal8Bit() + "\"\n");
    stub.close();
    QVERIFY(stub.setPermissions(stub.permissions() | QFileDevice::ExeOwner));
  }

  QStringList stubLog()
  {
    QFile file(tools.filePath(QStringLiteral("stubs.log")));
    if (!file.open(QIODevice::ReadOnly))
      return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
};

QTEST_MAIN(NutServerTest)

#include "tst_nutServer.moc"
