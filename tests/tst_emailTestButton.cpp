// The e-mail page's test button on the real window against the local SMTP server: the test mail
// goes through the server as configured, and the page and the message line say what became of it.
#include "mailServerProcess.h"
#include "realWindow.h"
#include "temporaryWorkingDirectory.h"

#include <QColor>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QtTest>

#include <memory>

namespace
{
const QString user = QStringLiteral("alarm@example.org");
const QString password = QStringLiteral("s3cret!");

// Events of the log that mention a mail.
QStringList mailRows()
{
  QStringList rows;
  QSqlQuery query(QSqlDatabase::database());
  query.exec(QStringLiteral("SELECT event FROM EventsTable ORDER BY id"));
  while (query.next())
    if (query.value(0).toString().contains(QLatin1String("mail"), Qt::CaseInsensitive))
      rows << query.value(0).toString();
  return rows;
}
} // namespace

class EmailTestButtonTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<RealWindow> real;

  QString textOf(const QString &name) { return real->item(name)->property("text").toString(); }

  // Scrolls the e-mail page so that `item` is in view, then clicks it.
  void clickInView(QQuickItem *item)
  {
    QQuickItem *flick = real->item(QStringLiteral("emailFlickable"));
    const qreal top = item->mapToItem(flick, QPointF(0, 0)).y() + flick->property("contentY").toReal();
    const qreal most = flick->property("contentHeight").toReal() - flick->height();
    flick->setProperty("contentY", qBound<qreal>(0, top - flick->height() / 2, qMax<qreal>(0, most)));
    QTRY_VERIFY(item->mapToItem(flick, QPointF(0, item->height())).y() <= flick->height());
    // The swipe view may still be moving the page in.
    QTRY_VERIFY(real->window->contentItem()->contains(
        item->mapToScene(QPointF(item->width() / 2, item->height() / 2))));
    clickItem(real->window, item);
  }

  void saveScreenshot(const QString &name)
  {
    QVERIFY(real->saveScreenshot(QStringLiteral(SCREENSHOT_DIR), QStringLiteral("email_") + name));
  }

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
  }

  void cleanup()
  {
    real.reset();
    workDir.reset();
  }

  void testMailShowsItsOutcome_data()
  {
    QTest::addColumn<QString>("server"); // "login": a server that wants another password; "none": none
    QTest::addColumn<QString>("result"); // a pattern of the page's text
    QTest::newRow("sent") << "plain"
                          << "^Test e-mail 1 sent$";
    QTest::newRow("login refused") << "login"
                                   << "^E-mail 1 not sent: login as alarm@example\\.org failed: .*535";
    QTest::newRow("no server") << "none"
                               << "^E-mail 1 not sent: connection to 127\\.0\\.0\\.1 port \\d+ failed: .+";
  }
  void testMailShowsItsOutcome()
  {
    QFETCH(QString, server);
    QFETCH(QString, result);
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    std::unique_ptr<MailServerProcess> mailServer;
    int port = 0;
    if (server == QLatin1String("none")) {
      QTcpServer probe; // a port that nothing listens on once the probe is gone
      QVERIFY(probe.listen(QHostAddress::LocalHost));
      port = probe.serverPort();
    } else {
      mailServer = std::make_unique<MailServerProcess>(
          server == QLatin1String("login") ? QStringList{"--auth", user + ":other"} : QStringList{});
      QVERIFY(mailServer->port);
      port = mailServer->port;
    }
    real = std::make_unique<RealWindow>(QStringList{});
    QVERIFY(real->window);
    upsApp &app = *real->app;
    QTRY_VERIFY(appState().loop.tickCount > 1);                   // the stored settings are loaded
    app.receiveFromQml_GetDevicesImage(QStringLiteral("VT-40A")); // the model the settings belong to
    app.receiveFromQml_SetEmailConfig(0, 1, QStringLiteral("127.0.0.1"));
    app.receiveFromQml_SetEmailConfig(0, 2, user);
    app.receiveFromQml_SetEmailConfig(0, 3, password);
    app.receiveFromQml_SetEmailConfig(0, 4, QString::number(port));
    app.receiveFromQml_SetEmailMessage(0, 2, QStringLiteral("ops@example.org"));
    app.receiveFromQml_SetEmailMessage(0, 6, QStringLiteral("Cabinet 4"));
    // The e-mail is not active: a test goes all the same.
    QVERIFY(real->showPage(8));
    QTRY_VERIFY(real->item(QStringLiteral("emailTest_1")));
    QQuickItem *button = real->item(QStringLiteral("emailTest_1"));
    QTRY_VERIFY(button->isEnabled() && button->isVisible());

    // The subject is still being typed when the button is pressed: the mail takes it all the same.
    QQuickItem *subject = real->item(QStringLiteral("emailSubject_1"));
    clickInView(subject);
    QTRY_VERIFY(subject->hasActiveFocus());
    for (const QChar c : QStringLiteral("Line check"))
      QTest::keyClick(real->window, c.toLatin1());
    QCOMPARE(subject->property("text").toString(), QStringLiteral("Line check"));
    clickInView(button);
    const QRegularExpression expected(result);
    QTRY_VERIFY2_WITH_TIMEOUT(expected.match(textOf(QStringLiteral("emailTestResult_1"))).hasMatch(),
                              qPrintable(textOf(QStringLiteral("emailTestResult_1"))), 30000);
    const QString shown = textOf(QStringLiteral("emailTestResult_1"));
    QTRY_COMPARE(textOf(QStringLiteral("extraMessageLabel")), shown);
    QVERIFY(button->isEnabled()); // ready for the next test
    const bool sent = server == QLatin1String("plain");
    const QColor colour = real->item(QStringLiteral("emailTestResult_1"))->property("color").value<QColor>();
    QCOMPARE(colour == QColor(QStringLiteral("#c62828")), !sent);
    QVERIFY2(mailRows().isEmpty(), qPrintable(mailRows().join(QLatin1Char('\n')))); // a test is no event
    if (sent) {
      QTRY_COMPARE(mailServer->mails().size(), 1);
      const QJsonObject mail = mailServer->mails().first();
      QCOMPARE(mail.value("subject").toString(), QStringLiteral("VT-40A: Line check"));
      QCOMPARE(mail.value("from").toString(), user);
      QCOMPARE(mail.value("text").toString(),
               QStringLiteral("This is a test e-mail. The alarm e-mails of this device take the same way.\n\n"
                              "Cabinet 4"));
    } else if (mailServer) {
      QVERIFY(mailServer->mails().isEmpty());
    }
    if (server == QLatin1String("login"))
      saveScreenshot(QStringLiteral("testFailed_en"));
  }
};

QTEST_MAIN(EmailTestButtonTest)

#include "tst_emailTestButton.moc"
