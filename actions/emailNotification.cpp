#include "emailNotification.h"

#include "actions/mail/mimeMessage.h"
#include "actions/mail/mimePart.h"
#include "actions/mailOutbox.h"
#include "common/logging.h"
#include "storage/eventLogExport.h"

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
} // namespace

bool writeMailReport(AlarmMail &mail)
{
  if (mail.reportFile.isEmpty())
    return true;
  const QString folder = QFileInfo(mail.reportFile).absolutePath();
  // A failed export must not leave the log of an earlier mail behind.
  QFile::remove(mail.reportFile);
  if (QDir().mkpath(folder) && exportEventLog(mail.log.databaseFile, mail.reportFile, mail.log.lastId))
    return true;
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
    mail.eventLine = event.deviceName + QStringLiteral(" | ") + event.eventText + QStringLiteral(" | ") +
                     event.date + QStringLiteral(" | ") + event.time;
    if (config.attachReport)
      planEventLog(log, mail);
    outbox->post(std::move(mail));
  }
}

int sendAlarmMail(const AlarmMail &mail, const MailSendSettings &settings)
{
  const EmailConfig &c = mail.config;
  const int number = mail.emailIndex + 1;

  SmtpClient client(c.server, c.port.toInt(), c.coding.toInt());
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
  message.setSubject(mail.deviceName + QStringLiteral(": ") + c.subject);
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
    return -1;
  }
  if (!client.login()) {
    qCWarning(lcMail).noquote() << QStringLiteral("e-mail %1 not sent: login as %2 failed: %3")
                                       .arg(number)
                                       .arg(c.user, client.lastError());
    return -2;
  }
  if (!client.sendMail(message)) {
    qCWarning(lcMail).noquote()
        << QStringLiteral("e-mail %1 not sent: sending failed: %2").arg(number).arg(client.lastError());
    return -3;
  }
  client.quit();
  qCInfo(lcMail) << "e-mail" << number << "sent:" << message.subject();
  return 0;
}
