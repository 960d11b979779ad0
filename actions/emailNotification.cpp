#include "emailNotification.h"

#include "actions/mail/mimeMessage.h"
#include "actions/mail/mimePart.h"
#include "actions/mailOutbox.h"
#include "common/logging.h"
#include "storage/eventLogExport.h"
#include "storage/ownerOnlyFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

namespace
{
// The mail will carry the event log as it is now: the rows up to the newest one, written on the
// mail thread before the mail goes out. The file goes to the user's application data folder: the
// program's own folder is not writable once the program is installed.
void planEventLog(const EventLogSource &log, AlarmMail &mail)
{
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (log.databaseFile.isEmpty() || folder.isEmpty()) {
    qCWarning(lcMail) << "e-mail" << mail.emailIndex + 1 << "goes without the event log: no folder for it";
    return;
  }
  mail.reportName = mailReportName(QDate::currentDate());
  mail.reportFile = folder + QLatin1Char('/') + mail.reportName;
  mail.log = log;
}
// Room for the message's header lines, the part boundaries and the note added to the body.
constexpr qint64 messageOverhead = 8192;

// The same mail with its text alone and a line saying why: 0 when the server took it.
int sendWithoutAttachments(SmtpClient &client, const MimeMessage &full, const MimeText &text,
                           const AlarmMail &mail)
{
  MimeMessage bare(true);
  bare.setSender(full.sender());
  for (const EmailAddress &to : full.toRecipients())
    bare.addTo(to);
  for (const EmailAddress &cc : full.ccRecipients())
    bare.addCc(cc);
  bare.setSubject(full.subject());
  MimeText bareText(text.text() + QStringLiteral("\n\n") + mail.notes.attachmentsLeftOut);
  bare.addPart(&bareText);
  return client.sendMail(bare) ? 0 : -3;
}
} // namespace

bool writeMailReport(AlarmMail &mail)
{
  if (mail.reportFile.isEmpty())
    return true;
  const QString folder = QFileInfo(mail.reportFile).absolutePath();
  // A failed export must not leave the log of an earlier mail behind. The file is made owner-only
  // before the export writes it: the export keeps the mode of the file it replaces.
  QFile::remove(mail.reportFile);
  if (QDir().mkpath(folder) && createOwnerOnlyFile(mail.reportFile) &&
      exportEventLog(mail.log.databaseFile, mail.reportFile, mail.log.lastId))
    return true;
  QFile::remove(mail.reportFile);
  qCWarning(lcMail) << "e-mail" << mail.emailIndex + 1 << "goes without the event log: cannot write"
                    << mail.reportFile;
  mail.reportFile.clear();
  mail.reportName.clear();
  return false;
}

QString mailReportName(const QDate &date)
{
  return QStringLiteral("upsEvents_") + date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".csv");
}

void sendEventMail(MailOutbox *outbox, const EmailConfig (&emails)[2], const MailEvent &event,
                   const EventLogSource &log)
{
  if (event.eventNumber < 1 || event.eventNumber > 31)
    return;
  const uint32_t need = (1u << event.eventNumber) | 1u;
  for (int n = 0; n < 2; ++n) {
    const EmailConfig &config = emails[n];
    if ((config.signalMask & need) != need)
      continue;
    if (!outbox) {
      qCWarning(lcMail) << "e-mail" << n + 1 << "not sent: no mail sender";
      continue;
    }
    AlarmMail mail;
    mail.emailIndex = n;
    mail.config = config;
    mail.deviceName = event.deviceName;
    mail.notes = event.notes;
    mail.eventLine = event.deviceName + QStringLiteral(" | ") + event.eventText + QStringLiteral(" | ") +
                     event.date + QStringLiteral(" | ") + event.time;
    if (config.attachReport)
      planEventLog(log, mail);
    outbox->post(std::move(mail));
  }
}

bool sendTestMail(MailOutbox *outbox, int emailIndex, const EmailConfig &config, const QString &deviceName,
                  const QString &line, const MailNotes &notes, const EventLogSource &log)
{
  if (!outbox)
    return false;
  AlarmMail mail;
  mail.emailIndex = emailIndex;
  mail.config = config;
  mail.deviceName = deviceName;
  mail.eventLine = line;
  mail.notes = notes;
  mail.test = true;
  if (config.attachReport)
    planEventLog(log, mail);
  outbox->post(std::move(mail));
  return true;
}

int sendAlarmMail(const AlarmMail &mail, const MailSendSettings &settings, MailOutcome *outcome)
{
  const EmailConfig &c = mail.config;
  const int number = mail.emailIndex + 1;
  MailOutcome unused;
  MailOutcome &out = outcome ? *outcome : unused;
  out = {mail.emailIndex, mail.deviceName, mail.test, 0, c.server, c.port, c.user, QString()};

  SmtpClient client(c.server, c.port.toInt(), c.coding.toInt());
  auto failed = [&out, &client](int result) {
    out.result = result;
    out.answer = client.lastError();
    return result;
  };
  client.setCaFile(settings.caFile);
  client.setTimeouts(settings.timeouts);
  client.setStopFlag(settings.stop);
  MimeMessage message(true);
  // A server without login has no user to send as: the sender entered on the page stands in, so
  // that the mail still carries the From header every mail needs.
  const EmailAddress sender(c.user.trimmed().isEmpty() ? c.from.trimmed() : c.user);
  const EmailAddress to(c.to);
  const EmailAddress cc(c.cc);
  MimeText text;

  client.setUser(c.user);
  client.setPassword(c.password);
  message.setSender(sender);
  // Shorter entries cannot be addresses; a mail without To goes to the copy recipient alone.
  if (c.to.size() > 3)
    message.addTo(to);
  if (c.cc.size() > 3)
    message.addCc(cc);
  // A test mail sent while no device is known has the subject alone.
  message.setSubject(mail.deviceName.isEmpty() && mail.test
                         ? c.subject
                         : mail.deviceName + QStringLiteral(": ") + c.subject);
  text.setText(mail.eventLine.isEmpty() ? c.text : mail.eventLine + QStringLiteral("\n\n") + c.text);
  message.addPart(&text);

  QFile file(c.path);
  std::unique_ptr<MimeAttachment> fileAttachment;
  if (c.path.size() > 3) {
    // A missing file must not cost the alarm: the mail goes without it.
    if (QFileInfo(c.path).isFile() && file.open(QIODevice::ReadOnly)) {
      fileAttachment = std::make_unique<MimeAttachment>(&file);
      message.addPart(fileAttachment.get());
    } else {
      qCWarning(lcMail) << "e-mail" << number << "goes without its attachment: cannot read" << c.path;
    }
  }
  std::unique_ptr<MimeAttachment> report;
  QFile reportFile(mail.reportFile);
  if (c.attachReport && mail.reportName.size() > 3) {
    if (!mail.reportFile.isEmpty() && reportFile.open(QIODevice::ReadOnly))
      report = std::make_unique<MimeAttachment>(&reportFile);
    else if (mail.reportFile.isEmpty())
      report = std::make_unique<MimeAttachment>(mail.report, mail.reportName);
    if (report)
      message.addPart(report.get());
    else
      qCWarning(lcMail) << "e-mail" << number << "goes without the event log: cannot read" << mail.reportFile;
  }

  if (!client.connectToHost()) {
    qCWarning(lcMail).noquote() << QStringLiteral("e-mail %1 not sent: connection to %2 port %3 failed: %4")
                                       .arg(number)
                                       .arg(c.server, c.port, client.lastError());
    return failed(-1);
  }
  if (!client.login()) {
    qCWarning(lcMail).noquote() << QStringLiteral("e-mail %1 not sent: login as %2 failed: %3")
                                       .arg(number)
                                       .arg(c.user, client.lastError());
    return failed(-2);
  }
  // A log too large for the server is cut to its newest rows.
  QByteArray shortenedReport;
  if (report && !mail.reportFile.isEmpty()) {
    const qint64 limit = mailSizeLimit(client.announcedSizeLimit(), settings.sizeCap);
    const qint64 others = text.toMime().size() + (fileAttachment ? fileAttachment->toMime().size() : 0);
    const qint64 room = rawBytesWithin(limit - others - messageOverhead);
    if (reportFile.size() > room) {
      reportFile.seek(0);
      const QByteArray whole = reportFile.readAll();
      shortenedReport = newestRowsWithin(whole, room);
      auto shortened = std::make_unique<MimeAttachment>(shortenedReport, mail.reportName);
      message.replacePart(report.get(), shortened.get());
      report = std::move(shortened);
      text.setText(text.text() + QStringLiteral("\n\n") +
                   mail.notes.reportShortened.arg(shortenedReport.count('\n')).arg(whole.count('\n')));
      qCWarning(lcMail) << "e-mail" << number << "carries the newest" << shortenedReport.size() << "of"
                        << whole.size() << "bytes of the event log: the mail may not exceed" << limit
                        << "bytes";
    }
  }
  if (!client.sendMail(message)) {
    const bool attachments = fileAttachment || report;
    if (!attachments || !client.messageRefused() ||
        sendWithoutAttachments(client, message, text, mail) != 0) {
      qCWarning(lcMail).noquote()
          << QStringLiteral("e-mail %1 not sent: sending failed: %2").arg(number).arg(client.lastError());
      return failed(-3);
    }
    qCWarning(lcMail) << "e-mail" << number
                      << "sent without its attachments: the server refused it with them";
  }
  client.quit();
  qCInfo(lcMail) << "e-mail" << number << "sent:" << message.subject();
  return 0;
}
