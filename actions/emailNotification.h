// E-mails on device events: for each new event, every active e-mail configuration that selects
// it sends a mail naming the device, the event and the time, with the event log attached on
// request. The mails go out on the mail outbox's thread.
#pragma once

#include "actions/mail/smtpClient.h"
#include "actions/mailSize.h"
#include "storage/userSettings.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <atomic>

class MailOutbox;

// Where a mail's event log comes from: the database file, up to the newest row when the event
// occurred.
struct EventLogSource {
  QString databaseFile;
  qint64 lastId = -1;
};

// Lines the body gets when the mail has to be sent without all of its attachments, in the language
// of the moment of the event.
struct MailNotes {
  QString reportShortened = QStringLiteral(
      "The attached event log is shortened to the newest %1 of %2 entries to keep the mail within its size "
      "limit."); // %1: rows attached, %2: rows in the log
  QString attachmentsLeftOut =
      QStringLiteral("The mail server refused this mail with its attachments, so it was sent without them.");
};

// One mail as it was when its event occurred: the configuration, the texts and the event log.
struct AlarmMail {
  int emailIndex = 0; // 0 or 1
  EmailConfig config;
  QString deviceName;
  QString eventLine;  // "<device> | <event> | <date> | <time>"
  QByteArray report;  // the event log as CSV, for a mail put together by hand
  QString reportName; // empty when no log is attached
  QString reportFile; // the event log written for the mail, read when it is sent
  EventLogSource log; // what goes into reportFile
  MailNotes notes;
  bool test = false; // sent by the e-mail page's test button, not by an event
};

// What became of a mail, for the window and the event log: the step that failed and the server's
// answer.
struct MailOutcome {
  int emailIndex = 0; // 0 or 1
  QString deviceName;
  bool test = false;
  int result = 0; // as sendAlarmMail returns it
  QString server;
  QString port;
  QString user;
  QString answer; // the client's error text with the server's last answer
};

struct MailSendSettings {
  QString caFile; // empty: the system's trusted authorities
  SmtpTimeouts timeouts;
  const std::atomic_bool *stop = nullptr;
  qint64 sizeCap = defaultMailSizeCap; // the largest mail sent when the server names no smaller limit
};

// A device event as the mails report it.
struct MailEvent {
  int eventNumber = 0; // 1..14
  QString deviceName;
  QString eventText;
  QString date;
  QString time;
  MailNotes notes;
};

// Called for every newly occurring device event: queues in `outbox` a mail for each of `emails` whose
// mask has bit 0 (active) and the event's bit set, e-mail 1 first. When the event log is to be
// attached, it is written from `log` to the application data folder on the mail thread (see
// writeMailReport) and read from there when the mail goes out.
void sendEventMail(MailOutbox *outbox, const EmailConfig (&emails)[2], const MailEvent &event,
                   const EventLogSource &log);

// Queues in `outbox` a test mail of e-mail `emailIndex` (0 or 1) as it is configured, active or not:
// an alarm mail's subject, text and attachments, with `line` in place of the event line. False when
// there is no outbox.
bool sendTestMail(MailOutbox *outbox, int emailIndex, const EmailConfig &config, const QString &deviceName,
                  const QString &line, const MailNotes &notes, const EventLogSource &log);

// Writes the event log a mail carries, on the thread that sends it; without a log the mail goes
// without it (false).
bool writeMailReport(AlarmMail &mail);

// Sends one mail and waits for the outcome: 0 sent, -1 connection failed, -2 login failed,
// -3 sending failed. A failure is logged with its reason. The event log attachment is cut to the
// newest rows that keep the mail within the server's size limit; a mail the server still refuses
// for itself goes once more without attachments. The body says so in either case. `outcome`, when
// given, gets the result and, for a failure, its reason.
int sendAlarmMail(const AlarmMail &mail, const MailSendSettings &settings, MailOutcome *outcome = nullptr);

// The file name of the event log written for mails on `date`: upsEvents_yyyyMMdd.csv.
QString mailReportName(const QDate &date);
