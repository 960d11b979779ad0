// A mail message: sender, recipients, subject and its parts, put together as a MIME document.
#pragma once

#include <algorithm>

#include "emailAddress.h"

#include <QByteArray>
#include <QList>
#include <QString>

class MimePart;

class MimeMessage
{
public:
  // A multipart message holds its parts as multipart/mixed; otherwise a message with a single
  // part carries it as its own body.
  explicit MimeMessage(bool multipart = true);

  void setSender(const EmailAddress &address) { m_sender = address; }
  void addTo(const EmailAddress &address) { m_to << address; }
  void addCc(const EmailAddress &address) { m_cc << address; }
  void setSubject(const QString &subject) { m_subject = subject; }
  // The message does not own the part; the part must live until the message has been sent.
  void addPart(MimePart *part) { m_parts << part; }
  // Puts `replacement` in the place of `part`.
  void replacePart(MimePart *part, MimePart *replacement)
  {
    std::replace(m_parts.begin(), m_parts.end(), part, replacement);
  }

  const EmailAddress &sender() const { return m_sender; }
  const QList<EmailAddress> &toRecipients() const { return m_to; }
  const QList<EmailAddress> &ccRecipients() const { return m_cc; }
  QString subject() const { return m_subject; }

  // The whole message with its header, lines ending in CRLF.
  QByteArray toMime() const;

private:
  bool m_multipart;
  EmailAddress m_sender;
  QList<EmailAddress> m_to;
  QList<EmailAddress> m_cc;
  QString m_subject;
  QList<MimePart *> m_parts;
};
