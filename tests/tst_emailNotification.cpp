// E-mails on device events against a local SMTP server: the message as a standard mail parser reads
// it, the reasons of failed mails, and the whole road from the device simulator's events through
// the settings commands to the mails, plain and with STARTTLS.
#include "actions/emailNotification.h"
#include "actions/mail/mimeMessage.h"
#include "actions/mail/mimePart.h"
#include "actions/mail/smtpClient.h"
#include "actions/mailOutbox.h"
#include "app/appState.h"
#include "app/stateParts.h"
#include "app/upsApp.h"
#include "simulatorProcess.h"
#include "storage/emailFieldCheck.h"
#include "storage/emailSettingsText.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QSerialPortInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTcpServer>
#include <QtTest>

#include <memory>

namespace
{
// The local SMTP server (tests/mailTestServer.py) in a child process.
class MailServer
{
public:
  explicit MailServer(const QStringList &options)
  {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{QStringLiteral(MAIL_SERVER_SCRIPT)};
    if (!options.contains(QStringLiteral("--hang")))
      arguments << QStringLiteral("--dir") << folder.path();
    process.start(QStringLiteral("/usr/bin/python3"), arguments + options);
    QElapsedTimer waited;
    waited.start();
    while (port == 0 && waited.elapsed() < 10000) {
      process.waitForReadyRead(100);
      for (const QString &line : lines()) {
        if (line.startsWith(QLatin1String("PORT ")))
          port = line.mid(5).toInt();
      }
    }
  }
  ~MailServer()
  {
    process.closeWriteChannel(); // the server ends when its input closes
    if (!process.waitForFinished(5000))
      process.kill();
  }

  const QStringList &lines()
  {
    output += process.readAllStandardOutput();
    int end;
    while ((end = output.indexOf('\n')) >= 0) {
      log << QString::fromUtf8(output.left(end));
      output.remove(0, end + 1);
    }
    return log;
  }

  void mark(const QString &text)
  {
    process.write((text + QLatin1Char('\n')).toUtf8());
    process.waitForBytesWritten(1000);
  }

  // The messages received so far, in order of arrival.
  QList<QJsonObject> mails() const
  {
    QList<QJsonObject> found;
    for (int n = 1;; ++n) {
      QFile file(folder.filePath(QStringLiteral("%1.json").arg(n)));
      if (!file.open(QIODevice::ReadOnly))
        return found;
      found << QJsonDocument::fromJson(file.readAll()).object();
    }
  }

  // The size of message `n` as it came.
  qint64 messageSize(int n) const
  {
    return QFileInfo(folder.filePath(QStringLiteral("%1.eml").arg(n))).size();
  }

  int port = 0;

private:
  QTemporaryDir folder;
  QProcess process;
  QByteArray output;
  QStringList log;
};

QStringList strings(const QJsonValue &array)
{
  QStringList list;
  for (const QJsonValue &v : array.toArray())
    list << v.toString();
  return list;
}

QMap<QString, QByteArray> attachments(const QJsonObject &mail)
{
  QMap<QString, QByteArray> files;
  for (const QJsonValue &v : mail.value(QStringLiteral("attachments")).toArray()) {
    const QJsonObject a = v.toObject();
    files.insert(a.value(QStringLiteral("filename")).toString(),
                 QByteArray::fromBase64(a.value(QStringLiteral("content")).toString().toLatin1()));
  }
  return files;
}

// Warnings of the mail category, from whatever thread they come.
QMutex warningsMutex;
QStringList mailWarnings;
QtMessageHandler previousHandler = nullptr;

void collectMailWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
  if (type == QtWarningMsg && context.category && qstrcmp(context.category, "talvane.mail") == 0) {
    QMutexLocker lock(&warningsMutex);
    mailWarnings << message;
  }
  previousHandler(type, context, message);
}

QStringList warnings()
{
  QMutexLocker lock(&warningsMutex);
  return mailWarnings;
}

// Rows of the event log, oldest first: "date|time|event".
QStringList loggedEvents()
{
  QStringList rows;
  QSqlQuery query(QSqlDatabase::database());
  query.exec(QStringLiteral("SELECT date, time, event FROM EventsTable ORDER BY id"));
  while (query.next())
    rows << query.value(0).toString() + QLatin1Char('|') + query.value(1).toString() + QLatin1Char('|') +
                query.value(2).toString();
  return rows;
}

QString lastEvent()
{
  const QStringList rows = loggedEvents();
  return rows.isEmpty() ? QString() : rows.last().section(QLatin1Char('|'), 2);
}

// Rows of the event log in the database file the application left behind: "device|event".
QStringList eventsInFile(const QString &file)
{
  QStringList rows;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("left behind"));
    db.setDatabaseName(file);
    if (db.open()) {
      QSqlQuery query(db);
      query.exec(QStringLiteral("SELECT device, event FROM EventsTable ORDER BY id"));
      while (query.next())
        rows << query.value(0).toString() + QLatin1Char('|') + query.value(1).toString();
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("left behind"));
  return rows;
}

// The command lines the server received, with the variable parts cut off: the greeting's host name
// and the message size.
QStringList commandLines(MailServer &server)
{
  QStringList commands;
  for (const QString &line : server.lines()) {
    if (!line.startsWith(QLatin1String("COMMAND ")))
      continue;
    QString command = line.mid(8);
    if (command.startsWith(QLatin1String("EHLO ")))
      command = QStringLiteral("EHLO");
    commands << command.section(QStringLiteral(" SIZE="), 0, 0);
  }
  return commands;
}

const QString user = QStringLiteral("alarm@example.org");
const QString password = QStringLiteral("s3cret!");
} // namespace

class EmailNotificationTest : public QObject
{
  Q_OBJECT

  QTemporaryDir dataHome;
  QTemporaryDir tools; // the stub shutdown command
  QByteArray originalPath;
  QTemporaryDir certificateDir;
  QString certificate;
  QString key;
  std::unique_ptr<TemporaryWorkingDirectory> workDir;

  // The back end on the simulator's port with the VT-40A chosen on the start page.
  std::unique_ptr<upsApp> startWithDevice(const SimulatorProcess &simulator)
  {
    resetAppState();
    AppState &s = appState();
    s.scan.extraPorts = simulator.ports;
    auto app = std::make_unique<upsApp>();
    QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); // loads the settings
    s.link.set(LinkFlag::autoDetect, false);
    s.link.set(LinkFlag::portSuspended, false);
    s.ui.processData.comPortList_currentNumber = QSerialPortInfo::availablePorts().size();
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    return app;
  }

  // E-mail `n` as the e-mail page sets it, sent on the events `events` (bit 0 as given).
  static void configure(upsApp &app, int n, int port, int coding, bool active, const QList<int> &events,
                        const QStringList &message)
  {
    app.receiveFromQml_SetEmailConfig(n, 1, QStringLiteral("127.0.0.1"));
    app.receiveFromQml_SetEmailConfig(n, 2, user);
    app.receiveFromQml_SetEmailConfig(n, 3, coding == 2 ? password : QString());
    app.receiveFromQml_SetEmailConfig(n, 4, QString::number(port));
    app.receiveFromQml_SetEmailConfig(n, 5, QString::number(coding));
    for (int field = 1; field <= 7; ++field)
      app.receiveFromQml_SetEmailMessage(n, field, message.value(field - 1));
    app.receiveFromQml_SetEmailEvent_CheckBox(n, 0, active);
    for (int k : events)
      app.receiveFromQml_SetEmailEvent_CheckBox(n, uint(k), true);
  }

  static AlarmMail plainMail(int port)
  {
    AlarmMail mail;
    mail.config.server = QStringLiteral("127.0.0.1");
    mail.config.port = QString::number(port);
    mail.config.coding = QStringLiteral("0");
    mail.config.user = user;
    mail.config.to = QStringLiteral("ops@example.org");
    mail.config.subject = QStringLiteral("Alarm");
    mail.deviceName = QStringLiteral("VT-40A");
    mail.eventLine = QStringLiteral("VT-40A | Buffer operation | 31.01.2024 | 12:00:00");
    return mail;
  }

private slots:
  void initTestCase()
  {
    // The event log written for mails goes to the application data folder of a scratch home.
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    // The simulator's buffer operation asks for the PC shutdown: only ever the stub may run.
    QFile stub(tools.filePath(QStringLiteral("shutdown")));
    QVERIFY(stub.open(QIODevice::WriteOnly));
    stub.write("#!/bin/sh\necho \"$*\" >> \"$0.log\"\n");
    stub.close();
    QVERIFY(stub.setPermissions(stub.permissions() | QFileDevice::ExeOwner));
    originalPath = qgetenv("PATH");
    qputenv("PATH", tools.path().toLocal8Bit() + ':' + originalPath);
    QCOMPARE(QStandardPaths::findExecutable(QStringLiteral("shutdown")), stub.fileName());
    previousHandler = qInstallMessageHandler(collectMailWarnings);
    certificate = certificateDir.filePath(QStringLiteral("cert.pem"));
    key = certificateDir.filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj", "/CN=localhost",
                   "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1", "-keyout", key, "-out",
                   certificate});
    QVERIFY(openssl.waitForFinished(30000));
    QCOMPARE(openssl.exitCode(), 0);
  }

  void cleanupTestCase() { qputenv("PATH", originalPath); }

  void init()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    QMutexLocker lock(&warningsMutex);
    mailWarnings.clear();
  }

  void cleanup() { workDir.reset(); }

  // Non-ASCII subject, names and text, long lines, blanks at line ends and binary content arrive
  // unchanged through a standard mail parser.
  void messageSurvivesAStandardParser()
  {
    MailServer server({});
    QVERIFY(server.port);
    const QString subject =
        QString::fromUtf8("Störung – Pufferbetrieb in Halle 3, Gerät „Nord“ meldet ").repeated(3).trimmed();
    const QString text = QString::fromUtf8("Grüße aus der Anlage = 100 %\n.einzelner Punkt\nLeerzeichen am "
                                           "Ende \n\n") +
                         QString(QLatin1Char('x')).repeated(200) + QString::fromUtf8("\nEnde ü");
    QByteArray binary;
    for (int i = 0; i < 600; ++i)
      binary.append(char(i * 7));
    QTemporaryDir folder;
    QFile onDisk(folder.filePath(QStringLiteral("notes; \"v2\".txt")));
    QVERIFY(onDisk.open(QIODevice::WriteOnly));
    onDisk.write("line 1\r\nline 2\n");
    onDisk.close();

    SmtpClient client(QStringLiteral("127.0.0.1"), server.port, SmtpClient::TcpConnection);
    MimeMessage message(true);
    message.setSender(EmailAddress(user, QString::fromUtf8("Überwachung")));
    message.addTo(EmailAddress(QStringLiteral("ops@example.org")));
    message.addCc(EmailAddress(QStringLiteral("boss@example.org"), QStringLiteral("The \"Boss\"")));
    message.setSubject(subject);
    MimeText body(text);
    MimeAttachment inMemory(binary, QString::fromUtf8("Störungsbericht äöü.bin"));
    MimeAttachment fromFile(&onDisk);
    message.addPart(&body);
    message.addPart(&inMemory);
    message.addPart(&fromFile);
    QVERIFY(client.connectToHost());
    QVERIFY(client.login());
    QVERIFY2(client.sendMail(message), qPrintable(client.lastError()));
    client.quit();

    QTRY_COMPARE(server.mails().size(), 1);
    const QJsonObject mail = server.mails().first();
    QCOMPARE(mail.value("subject").toString(), subject);
    QCOMPARE(mail.value("from").toString(), QString::fromUtf8("Überwachung <alarm@example.org>"));
    QCOMPARE(mail.value("cc").toString(), QStringLiteral("\"The \\\"Boss\\\"\" <boss@example.org>"));
    QCOMPARE(mail.value("content_type").toString(), QStringLiteral("multipart/mixed"));
    QCOMPARE(mail.value("text").toString(), text);
    QCOMPARE(strings(mail.value("rcpt_tos")), (QStringList{"ops@example.org", "boss@example.org"}));
    QCOMPARE(mail.value("mail_from").toString(), user);
    const QMap<QString, QByteArray> files = attachments(mail);
    QCOMPARE(files.keys(), (QStringList{QString::fromUtf8("Störungsbericht äöü.bin"),
                                        QStringLiteral("notes; \"v2\".txt")}));
    QCOMPARE(files.value(QString::fromUtf8("Störungsbericht äöü.bin")), binary);
    QCOMPARE(files.value(QStringLiteral("notes; \"v2\".txt")), QByteArray("line 1\r\nline 2\n"));
  }

  // Every mail names its sender: the login user, or without login the sender from the page.
  void mailCarriesFromHeader_data()
  {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("expected");
    QTest::newRow("login user") << QString(user) << QString(user);
    QTest::newRow("no login") << QString() << QStringLiteral("me@example.org");
  }
  void mailCarriesFromHeader()
  {
    QFETCH(QString, login);
    QFETCH(QString, expected);
    MailServer server({});
    QVERIFY(server.port);
    AlarmMail mail = plainMail(server.port);
    mail.config.user = login;
    mail.config.from = QStringLiteral("me@example.org");
    QCOMPARE(sendAlarmMail(mail, {}), 0);
    QTRY_COMPARE(server.mails().size(), 1);
    QCOMPARE(server.mails().first().value("from").toString(), expected);
    QCOMPARE(server.mails().first().value("mail_from").toString(), expected);
  }

  // A mail that fails says why in the log; a missing attachment costs only the attachment.
  void failuresAreLoggedWithTheirReason_data()
  {
    QTest::addColumn<QStringList>("serverOptions"); // empty first item: no server
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("warning");

    QTest::newRow("nothing listening")
        << QStringList{""} << "" << -1 << "connection to 127.0.0.1 port \\d+ failed";
    QTest::newRow("certificate not trusted")
        << QStringList{"--starttls"} << "no CA" << -1 << "connection .* failed: .*certificate";
    QTest::newRow("login rejected") << QStringList{"--auth", "alarm@example.org:other"} << "" << -2
                                    << "login as alarm@example.org failed: .*535";
    QTest::newRow("recipient refused") << QStringList{} << "reject" << -3 << "sending failed: .*550";
    QTest::newRow("no recipient") << QStringList{} << "no recipient" << -3 << "sending failed: no recipient";
    QTest::newRow("missing attachment")
        << QStringList{} << "missing file" << 0 << "goes without its attachment: cannot read";
  }
  void failuresAreLoggedWithTheirReason()
  {
    QFETCH(QStringList, serverOptions);
    QFETCH(QString, change);
    QFETCH(int, result);
    QFETCH(QString, warning);
    if (serverOptions.value(0) == QLatin1String("--starttls"))
      serverOptions << certificate << key;
    std::unique_ptr<MailServer> server;
    int port = 0;
    if (serverOptions.value(0).isEmpty() && !serverOptions.isEmpty()) {
      QTcpServer probe; // a port that nothing listens on
      QVERIFY(probe.listen(QHostAddress::LocalHost));
      port = probe.serverPort();
    } else {
      server = std::make_unique<MailServer>(serverOptions);
      QVERIFY(server->port);
      port = server->port;
    }
    AlarmMail mail = plainMail(port);
    MailSendSettings settings;
    if (serverOptions.contains(QStringLiteral("--auth")))
      mail.config.password = password;
    if (serverOptions.contains(QStringLiteral("--starttls")))
      mail.config.coding = QStringLiteral("2");
    else
      settings.caFile = certificate;
    if (change == QLatin1String("reject"))
      mail.config.cc = QStringLiteral("reject@example.org");
    if (change == QLatin1String("no recipient"))
      mail.config.to = QStringLiteral("a@b");
    if (change == QLatin1String("missing file"))
      mail.config.path = workDir->path() + QStringLiteral("/gone.txt");

    QCOMPARE(sendAlarmMail(mail, settings), result);
    const QRegularExpression expected(warning);
    QVERIFY2(warnings().size() == 1 && expected.match(warnings().first()).hasMatch(),
             qPrintable(warnings().join(QLatin1Char('\n'))));
    if (result == 0) {
      QTRY_COMPARE(server->mails().size(), 1);
      QVERIFY(attachments(server->mails().first()).isEmpty());
    }
  }

  // A user name or address with a control character is refused where it is typed, dropped when a
  // stored one is loaded, and refused by the client when it comes any other way: the server receives
  // exactly the commands of the one good mail and of the refused one's empty session. The sender
  // address of the page goes into no command at all.
  void controlCharactersNeverReachTheServer_data()
  {
    QTest::addColumn<bool>("serverSettings"); // the user name; else a message field
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("inEnvelope");
    QTest::newRow("user name") << true << 2 << "alarm@example.org\r\nRSET" << true;
    QTest::newRow("sender") << false << 1 << "me@example.org\r\nBcc: victim@example.org" << false;
    QTest::newRow("recipient") << false << 2 << "a@b.example\r\nRSET\r\nMAIL FROM:<x@evil.example>" << true;
    QTest::newRow("copy") << false << 4 << QString::fromUtf8("c@d.example\nNOOP\u2028\x7f") << true;
  }
  void controlCharactersNeverReachTheServer()
  {
    QFETCH(bool, serverSettings);
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(bool, inEnvelope);
    MailServer server({"--commands"});
    QVERIFY(server.port);
    resetAppState();
    auto app = std::make_unique<upsApp>();
    app->mainTimer.start(3600 * 1000); // only the test ticks
    AppState &s = appState();
    auto tick = [&app] { QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); };
    tick();
    app->receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A"));
    configure(*app, 0, server.port, 0, true, {1},
              {"me@example.org", "ops@example.org", "", "boss@example.org", "Alarm", "", "0"});
    tick();
    const EmailConfig good = s.settings.email[0];

    // Typed: refused with a message, the stored value stays.
    if (serverSettings)
      app->receiveFromQml_SetEmailConfig(0, field, value);
    else
      app->receiveFromQml_SetEmailMessage(0, field, value);
    QCOMPARE(s.loop.message.postedMessage, languageText(s.language, TextSlot::mailFieldRefused));
    tick();
    QCOMPARE(emailConfigText(s.settings.email[0]), emailConfigText(good));
    QCOMPARE(emailMessageText(s.settings.email[0]), emailMessageText(good));
    AlarmMail mail = plainMail(server.port);
    mail.config = good;
    QCOMPARE(sendAlarmMail(mail, {}), 0);

    // Sent as it is: the client refuses it before any envelope command.
    EmailConfig hostile = good;
    QString *const fields[] = {&hostile.from, &hostile.to, nullptr, &hostile.cc};
    *(serverSettings ? &hostile.user : fields[field - 1]) = value;
    mail.config = hostile;
    QCOMPARE(sendAlarmMail(mail, {}), inEnvelope ? -3 : 0);
    const QStringList oneMail{"EHLO",
                              "NOOP",
                              "MAIL FROM:<alarm@example.org>",
                              "RCPT TO:<ops@example.org>",
                              "RCPT TO:<boss@example.org>",
                              "DATA",
                              "QUIT"};
    const QStringList expected = oneMail + (inEnvelope ? QStringList{"EHLO", "NOOP", "QUIT"} : oneMail);
    QTRY_COMPARE(commandLines(server).size(), expected.size());
    QCOMPARE(commandLines(server), expected);

    // Stored by another hand: dropped when loaded.
    const DeviceRows rows = deviceRows(s);
    const uint16_t row = rows.database->deviceRow(QStringLiteral("Email"), rows.deviceName);
    rows.database->UpdateRow_inDatabase(QStringLiteral("Email"), QStringLiteral("email1_config"),
                                        emailConfigText(hostile), row);
    rows.database->UpdateRow_inDatabase(QStringLiteral("Email"), QStringLiteral("email1_message"),
                                        emailMessageText(hostile), row);
    s.settings.emailReload = true;
    tick();
    const EmailConfig &loaded = s.settings.email[0];
    for (const QString &address : {loaded.user, loaded.from, loaded.to, loaded.cc})
      QVERIFY(!hasControlCharacter(address));
    QCOMPARE(loaded.server, good.server);
  }

  // A large event log never costs the alarm: the attachment is cut to the newest rows within the size
  // the server announces (or the cap when it names none), and a mail the server refuses all the same
  // goes once more without attachments. The body says what happened.
  void largeLogStillLetsTheAlarmOut_data()
  {
    QTest::addColumn<QStringList>("serverOptions");
    QTest::addColumn<int>("rows");
    QTest::addColumn<qint64>("cap");
    QTest::addColumn<QString>("outcome"); // whole, shortened, left out
    QTest::newRow("announced limit") << QStringList{"--size-limit", "200000"} << 20000 << defaultMailSizeCap
                                     << "shortened";
    QTest::newRow("no limit announced, the cap applies")
        << QStringList{"--size-limit", "0"} << 20000 << qint64(150000) << "shortened";
    QTest::newRow("refused all the same") << QStringList{"--size-limit", "0", "--refuse-over", "50000"}
                                          << 20000 << defaultMailSizeCap << "left out";
    QTest::newRow("log that fits") << QStringList{"--size-limit", "200000"} << 100 << defaultMailSizeCap
                                   << "whole";
  }
  void largeLogStillLetsTheAlarmOut()
  {
    QFETCH(QStringList, serverOptions);
    QFETCH(int, rows);
    QFETCH(qint64, cap);
    QFETCH(QString, outcome);
    MailServer server(serverOptions);
    QVERIFY(server.port);
    {
      Ups_DataBase db;
      QSqlDatabase::database().transaction();
      for (int i = 0; i < rows; ++i)
        db.PrepareInserIntoTable_EVENTS_TABLE("VT-40A", "31.01.2024", "12:00:00",
                                              QStringLiteral("Buffer operation number %1").arg(i));
      QSqlDatabase::database().commit();
    }
    AlarmMail mail = plainMail(server.port);
    mail.config.attachReport = true;
    mail.reportName = QStringLiteral("upsEvents.csv");
    mail.reportFile = workDir->path() + QStringLiteral("/mail/upsEvents.csv");
    mail.log.databaseFile = workDir->path() + QStringLiteral("/upsData.db");
    QVERIFY(writeMailReport(mail));
    QFile written(mail.reportFile);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray whole = written.readAll();
    MailSendSettings settings;
    settings.sizeCap = cap;

    QCOMPARE(sendAlarmMail(mail, settings), 0);
    QTRY_COMPARE(server.mails().size(), 1);
    const QJsonObject received = server.mails().first();
    const QString text = received.value("text").toString();
    const QByteArray attached = attachments(received).value(mail.reportName);
    const QString shortenedNote = mail.notes.reportShortened.section(QLatin1Char('%'), 0, 0);
    if (outcome == QLatin1String("whole")) {
      QCOMPARE(attached, whole);
      QVERIFY(!text.contains(shortenedNote));
    } else if (outcome == QLatin1String("shortened")) {
      QVERIFY(attached.size() < whole.size());
      QVERIFY(attached.size() > whole.size() / 20); // not needlessly short
      QVERIFY(whole.startsWith(attached));          // the newest rows, whole ones
      QVERIFY(attached.endsWith('\n'));
      QVERIFY(attached.startsWith(
          QStringLiteral("VT-40A;31.01.2024;12:00:00;Buffer operation number %1\n").arg(rows - 1).toUtf8()));
      QVERIFY2(text.endsWith(mail.notes.reportShortened.arg(attached.count('\n')).arg(rows)),
               qPrintable(text));
      const qint64 announced = serverOptions.at(1).toLongLong();
      QVERIFY(server.messageSize(1) <= (announced > 0 ? announced : cap));
    } else {
      QVERIFY(attachments(received).isEmpty());
      QVERIFY2(text.endsWith(mail.notes.attachmentsLeftOut), qPrintable(text));
      QTRY_VERIFY(server.lines().contains(QStringLiteral("REFUSED")));
    }
  }

  // The whole road: events of the device, e-mails configured through the page commands, mails
  // on the server. Conditions present at start send nothing, an inactive e-mail sends nothing,
  // and both e-mails of one event arrive in order.
  void deviceEventsSendTheSelectedMails_data()
  {
    QTest::addColumn<int>("coding");
    QTest::newRow("plain") << 0;
    QTest::newRow("STARTTLS with login") << 2;
  }
  void deviceEventsSendTheSelectedMails()
  {
    QFETCH(int, coding);
    MailServer server(coding == 2
                          ? QStringList{"--starttls", certificate, key, "--auth", user + ':' + password}
                          : QStringList{});
    QVERIFY(server.port);
    SimulatorProcess simulator({"--model", "VT-40A", "--mode", "mains"});
    QVERIFY(!simulator.ports.isEmpty());
    auto app = startWithDevice(simulator);
    appState().mailOutbox->setCaFile(certificate);
    QTemporaryDir files;
    const QString notes = files.filePath(QStringLiteral("site-notes.txt"));
    QFile file(notes);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Cabinet 4, left door\n");
    file.close();
    // E-mail 1 on mains and buffer operation with both attachments; e-mail 2 on the same events
    // but not active.
    configure(*app, 0, server.port, coding, true, {1, 2},
              {"me@example.org", "ops@example.org", QUrl::fromLocalFile(notes).toString(), "boss@example.org",
               "Alarm Halle 3", "Please check the UPS.\nSecond line.", "1"});
    configure(*app, 1, server.port, coding, false, {1, 2},
              {"", "night@example.org", "", "", "second", "From e-mail 2.", "0"});

    QTRY_COMPARE_WITH_TIMEOUT(lastEvent(), QStringLiteral("Mains operation"), 20000);
    simulator.command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(server.mails().size(), 1, 20000);
    const QString buffer = loggedEvents().last();
    QVERIFY(buffer.endsWith(QLatin1String("|Buffer operation")));
    const QString date = buffer.section(QLatin1Char('|'), 0, 0);
    const QString time = buffer.section(QLatin1Char('|'), 1, 1);

    QJsonObject mail = server.mails().first();
    QCOMPARE(mail.value("subject").toString(), QStringLiteral("VT-40A: Alarm Halle 3"));
    QCOMPARE(mail.value("text").toString(),
             QStringLiteral("VT-40A | Buffer operation | %1 | %2\n\nPlease check the UPS.\nSecond line.")
                 .arg(date, time));
    QCOMPARE(mail.value("from").toString(), user);
    QCOMPARE(mail.value("to").toString(), QStringLiteral("ops@example.org"));
    QCOMPARE(mail.value("cc").toString(), QStringLiteral("boss@example.org"));
    QCOMPARE(strings(mail.value("rcpt_tos")), (QStringList{"ops@example.org", "boss@example.org"}));
    const QString reportName = mailReportName(QDate::currentDate());
    const QMap<QString, QByteArray> files1 = attachments(mail);
    QCOMPARE(files1.keys(), (QStringList{"site-notes.txt", reportName}));
    QCOMPARE(files1.value("site-notes.txt"), QByteArray("Cabinet 4, left door\n"));
    const QByteArray report = files1.value(reportName);
    QVERIFY2(report.startsWith(QStringLiteral("VT-40A;%1;%2;Buffer operation\n").arg(date, time).toUtf8()),
             report.constData());
    QVERIFY(report.contains(";Mains operation\n"));
    // The log was written to the user's application data folder for this mail.
    QFile written(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/' + reportName);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), report);

    // E-mail 2 becomes active: the next event sends e-mail 1, then e-mail 2. Three mails in all
    // also show that the inactive e-mail 2 sent nothing before.
    app->receiveFromQml_SetEmailEvent_CheckBox(1, 0, true);
    simulator.command(QStringLiteral("mode mains"));
    QTRY_COMPARE_WITH_TIMEOUT(server.mails().size(), 3, 20000);
    const QList<QJsonObject> mails = server.mails();
    QCOMPARE(mails.at(1).value("subject").toString(), QStringLiteral("VT-40A: Alarm Halle 3"));
    QVERIFY(mails.at(1).value("text").toString().startsWith(QLatin1String("VT-40A | Mains operation | ")));
    QVERIFY(attachments(mails.at(1)).value(reportName).startsWith("VT-40A;"));
    QVERIFY(attachments(mails.at(1)).value(reportName).contains(";Mains operation\n"));
    QCOMPARE(mails.at(2).value("subject").toString(), QStringLiteral("VT-40A: second"));
    QVERIFY(mails.at(2).value("text").toString().endsWith(QLatin1String("\n\nFrom e-mail 2.")));
    QCOMPARE(strings(mails.at(2).value("rcpt_tos")), QStringList{"night@example.org"});
    QVERIFY(attachments(mails.at(2)).isEmpty());
    QVERIFY2(warnings().isEmpty(), qPrintable(warnings().join(QLatin1Char('\n'))));
  }

  // An alarm mail that fails is shown in the message line and written to the event log after its
  // event, with the step and the server's answer; a mail that goes out leaves no such row.
  void failedAlarmMailIsShownAndLogged_data()
  {
    QTest::addColumn<QString>("serverKind");
    QTest::addColumn<QString>("reason"); // empty: the mail goes out
    QTest::newRow("login refused") << "login"
                                   << "login as alarm@example.org failed: .*535";
    QTest::newRow("no server") << "none"
                               << "connection to 127.0.0.1 port \\d+ failed: .+";
    QTest::newRow("sent") << "plain"
                          << "";
  }
  void failedAlarmMailIsShownAndLogged()
  {
    QFETCH(QString, serverKind);
    QFETCH(QString, reason);
    std::unique_ptr<MailServer> server;
    int port = 0;
    if (serverKind == QLatin1String("none")) {
      QTcpServer probe; // a port that nothing listens on once the probe is gone
      QVERIFY(probe.listen(QHostAddress::LocalHost));
      port = probe.serverPort();
    } else {
      server = std::make_unique<MailServer>(serverKind == QLatin1String("login")
                                                ? QStringList{"--auth", user + ':' + password}
                                                : QStringList{});
      QVERIFY(server->port);
      port = server->port;
    }
    SimulatorProcess simulator({"--model", "VT-40A", "--mode", "mains"});
    QVERIFY(!simulator.ports.isEmpty());
    auto app = startWithDevice(simulator);
    configure(*app, 0, port, 0, true, {1, 2}, {"", "ops@example.org", "", "", "Alarm", "", "0"});
    app->receiveFromQml_SetEmailConfig(0, 3, QStringLiteral("wrong"));
    QTRY_COMPARE_WITH_TIMEOUT(lastEvent(), QStringLiteral("Mains operation"), 20000);

    simulator.command(QStringLiteral("mode buffer"));
    // The failure may be logged within the same tick as its event: the event need not be the last row.
    QTRY_VERIFY_WITH_TIMEOUT(
        !loggedEvents().filter(QRegularExpression(QStringLiteral("\\|Buffer operation$"))).isEmpty(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(appState().mailOutbox->idle(), 30000);
    if (reason.isEmpty()) {
      QTRY_COMPARE(server->mails().size(), 1);
      const auto tick = appState().loop.tickCount; // the loop has had the outcome
      QTRY_VERIFY(appState().loop.tickCount > tick + 1);
      QVERIFY(loggedEvents().filter(QStringLiteral("not sent")).isEmpty());
      QVERIFY(!appState().ui.processData.extraMessage.contains(QLatin1String("not sent")));
      return;
    }
    const QRegularExpression expected(QStringLiteral("^E-mail 1 not sent: ") + reason);
    QTRY_VERIFY2_WITH_TIMEOUT(expected.match(lastEvent()).hasMatch(),
                              qPrintable(loggedEvents().join(QLatin1Char('\n'))), 10000);
    const QStringList rows = loggedEvents();
    QVERIFY(rows.at(rows.size() - 2).endsWith(QLatin1String("|Buffer operation")));
    QCOMPARE(eventsInFile(workDir->path() + QStringLiteral("/upsData.db")).last(),
             QStringLiteral("VT-40A|") + lastEvent());
    QTRY_COMPARE(appState().ui.processData.extraMessage, lastEvent());
    if (server)
      QVERIFY(server->mails().isEmpty());
  }

  // A server that takes the connection and never answers holds up only its mail: the device's
  // next events are logged while the mail still waits for the server, and closing the application
  // stops the mail once the wait at the end is over.
  void unansweringServerDoesNotHoldUpTheLoop()
  {
    MailServer server({"--hang"});
    QVERIFY(server.port);
    SimulatorProcess simulator({"--model", "VT-40A", "--mode", "mains"});
    QVERIFY(!simulator.ports.isEmpty());
    auto app = startWithDevice(simulator);
    configure(*app, 0, server.port, 0, true, {1, 2}, {"", "ops@example.org", "", "", "Alarm", "", "1"});
    QTRY_COMPARE_WITH_TIMEOUT(lastEvent(), QStringLiteral("Mains operation"), 20000);

    simulator.command(QStringLiteral("mode buffer"));
    QTRY_VERIFY_WITH_TIMEOUT(server.lines().contains(QStringLiteral("CONNECT")), 10000);
    simulator.command(QStringLiteral("mode mains"));
    QTRY_COMPARE_WITH_TIMEOUT(lastEvent(), QStringLiteral("Mains operation"), 10000);
    simulator.command(QStringLiteral("mode buffer"));
    QTRY_COMPARE_WITH_TIMEOUT(lastEvent(), QStringLiteral("Buffer operation"), 10000);
    QCOMPARE(loggedEvents().size(), 5); // connected, mains, buffer, mains, buffer
    server.mark(QStringLiteral("events logged"));
    app.reset();
    QTRY_VERIFY_WITH_TIMEOUT(server.lines().contains(QStringLiteral("CLOSED")), 10000);
    QCOMPARE(server.lines().filter(QRegularExpression(QStringLiteral("^(CONNECT|CLOSED|MARK)"))),
             (QStringList{"CONNECT", "MARK events logged", "CLOSED"}));
  }

  // The device's delay is also its deadline: a mail still on its way to a slow server does not
  // hold the PC shutdown past it (the loop goes on meanwhile and says so in the mail log), and a
  // mail done within the delay has arrived before the command runs.
  void shutdownGoesAheadAtTheDevicesDeadline_data()
  {
    QTest::addColumn<int>("delaySeconds");
    QTest::addColumn<bool>("mailDoneFirst");
    QTest::newRow("mail slower than the delay") << 1 << false;
    QTest::newRow("mail within the delay") << 30 << true;
  }
  void shutdownGoesAheadAtTheDevicesDeadline()
  {
    QFETCH(int, delaySeconds);
    QFETCH(bool, mailDoneFirst);
    QFile::remove(tools.filePath(QStringLiteral("shutdown.log")));
    MailServer server({"--delay", "5"});
    QVERIFY(server.port);
    resetAppState();
    auto app = std::make_unique<upsApp>();
    AppState &s = appState();
    QDateTime clock = QDateTime(QDate(2024, 3, 1), QTime(8, 0));
    s.pcActions.now = [&clock] { return clock; };
    app->mainTimer.start(3600 * 1000); // only the test ticks
    auto tick = [&app] { QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); };
    tick();
    s.link.set(LinkFlag::autoDetect, true); // no device answers, no interpreter replaces the request
    s.link.set(LinkFlag::portSuspended, true);

    s.mailOutbox->post(plainMail(server.port));
    QTRY_VERIFY(server.lines().contains(QStringLiteral("DATA"))); // on its way
    QVERIFY(!s.mailOutbox->idle());
    s.ui.shutdownWindow.pcShutdownEnable = true;
    s.process.pcShutdownRequest = true;
    s.process.pcShutdownDelay = delaySeconds;
    tick();
    QCOMPARE(s.ui.shutdownWindow.pcShutdownCountdown_Text,
             QStringLiteral("PC shutdown in %1 s").arg(delaySeconds));
    if (mailDoneFirst) {
      QTRY_COMPARE_WITH_TIMEOUT(server.mails().size(), 1, 10000);
      QTRY_VERIFY(s.mailOutbox->idle());
    }
    clock = clock.addSecs(delaySeconds);
    tick();
    QVERIFY(s.pcActions.shutdown.command); // at the deadline, whatever the mail does
    QCOMPARE(server.mails().size(), mailDoneFirst ? 1 : 0);
    QTRY_VERIFY(s.pcActions.shutdown.outcome == PcShutdownState::Outcome::succeeded);
    clock = clock.addMSecs(100);
    tick();
    QVERIFY(!app->mainTimer.isActive());
    QCOMPARE(s.ui.shutdownWindow.pcShutdownCountdown_Text, QStringLiteral("PC shutdown command issued"));
    const QStringList stillOnItsWay = warnings().filter(QStringLiteral("e-mails still on their way"));
    QCOMPARE(stillOnItsWay.size(), mailDoneFirst ? 0 : 1);
    // This PC does not go down here: the mail finishes all the same.
    QTRY_COMPARE_WITH_TIMEOUT(server.mails().size(), 1, 10000);
  }

  // At the end of the program the mails still waiting or on their way get a few seconds: a slow
  // server still gets its mail, and no row says otherwise.
  void slowMailStillGoesOutAtExit()
  {
    MailServer server({"--delay", "1"});
    QVERIFY(server.port);
    resetAppState();
    auto app = std::make_unique<upsApp>();
    AlarmMail second = plainMail(server.port);
    second.emailIndex = 1;
    appState().mailOutbox->post(plainMail(server.port));
    appState().mailOutbox->post(second);
    app.reset();
    QCOMPARE(server.mails().size(), 2);
    QVERIFY2(warnings().isEmpty(), qPrintable(warnings().join(QLatin1Char('\n'))));
    QVERIFY(eventsInFile(workDir->path() + QStringLiteral("/upsData.db"))
                .filter(QStringLiteral("not sent"))
                .isEmpty());
  }

  // A server that never answers holds the end of the program for the wait and no longer; the mails
  // left over are named in the mail log and in the event log, oldest first.
  void unsentMailsAreLoggedAtExit()
  {
    MailServer server({"--hang"});
    QVERIFY(server.port);
    resetAppState();
    auto app = std::make_unique<upsApp>();
    AlarmMail second = plainMail(server.port);
    second.emailIndex = 1;
    second.deviceName = QStringLiteral("VS-1700-0");
    appState().mailOutbox->post(plainMail(server.port));
    appState().mailOutbox->post(second);
    QTRY_VERIFY(server.lines().contains(QStringLiteral("CONNECT")));
    QElapsedTimer closing;
    closing.start();
    app.reset();
    // The mails had their time, and the end did not wait for the mail client, which alone would
    // wait for the server's greeting until its own time-out.
    qInfo() << "the end of the program waited" << closing.elapsed() << "ms";
    QVERIFY(closing.elapsed() >= mailExitWait.count() - 100);
    QVERIFY2(closing.elapsed() < SmtpTimeouts().responseSeconds * 1000,
             qPrintable(QString::number(closing.elapsed())));
    QTRY_VERIFY(server.lines().contains(QStringLiteral("CLOSED")));
    const QStringList left = warnings().filter(QStringLiteral("not sent before the program ended"));
    QCOMPARE(left, (QStringList{"e-mail 1 of \"VT-40A\" not sent before the program ended",
                                "e-mail 2 of \"VS-1700-0\" not sent before the program ended"}));
    const QStringList rows = eventsInFile(workDir->path() + QStringLiteral("/upsData.db"));
    QCOMPARE(rows.filter(QStringLiteral("not sent")),
             (QStringList{"VT-40A|E-mail 1 was not sent before the program ended",
                          "VS-1700-0|E-mail 2 was not sent before the program ended"}));
  }
};

QTEST_MAIN(EmailNotificationTest)

#include "tst_emailNotification.moc"
