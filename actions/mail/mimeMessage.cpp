#include "mimeMessage.h"

#include "mimeEncoding.h"
#include "mimePart.h"

#include <QDateTime>
#include <QUuid>

namespace
{
QByteArray addressList(const QList<EmailAddress> &addresses)
{
  QList<QByteArray> items;
  for (const EmailAddress &a : addresses)
    items << a.toHeader();
  return items.join(QByteArrayLiteral(",\r\n "));
}

QByteArray dateHeader()
{
  // Day and month names in English, whatever the user's language.
  return QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1();
}
} // namespace

MimeMessage::MimeMessage(bool multipart) : m_multipart(multipart) {}

QByteArray MimeMessage::toMime() const
{
  const QByteArray id = QUuid::createUuid().toByteArray(QUuid::Id128);
  QByteArray domain = m_sender.address().section(QLatin1Char('@'), 1).toUtf8();
  if (domain.isEmpty())
    domain = QByteArrayLiteral("localhost");

  QByteArray mime;
  if (!m_sender.address().isEmpty())
    mime += "From: " + m_sender.toHeader() + "\r\n";
  if (!m_to.isEmpty())
    mime += "To: " + addressList(m_to) + "\r\n";
  if (!m_cc.isEmpty())
    mime += "Cc: " + addressList(m_cc) + "\r\n";
  mime += "Subject: " + MimeEncoding::headerText(m_subject) + "\r\n";
  mime += "Date: " + dateHeader() + "\r\n";
  mime += "Message-ID: <" + id + '@' + domain + ">\r\n";
  mime += "MIME-Version: 1.0\r\n";

  if (!m_multipart && m_parts.size() == 1)
    return mime + m_parts.first()->toMime();

  // Neither quoted-printable nor base64 output can contain "=_", so the boundary never occurs
  // inside a part.
  const QByteArray boundary = "=_" + id;
  mime += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
  for (const MimePart *part : m_parts)
    mime += "--" + boundary + "\r\n" + part->toMime();
  mime += "--" + boundary + "--\r\n";
  return mime;
}
