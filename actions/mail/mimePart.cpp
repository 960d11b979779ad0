#include "mimePart.h"

#include "emailAddress.h"
#include "mimeEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

EmailAddress::EmailAddress(const QString &address, const QString &name)
    : m_address(address.trimmed()), m_name(name)
{
}

QByteArray EmailAddress::toHeader() const
{
  QString address = m_address;
  address.remove(QLatin1Char('\r'));
  address.remove(QLatin1Char('\n'));
  if (m_name.isEmpty())
    return address.toUtf8();
  return MimeEncoding::displayName(m_name) + " <" + address.toUtf8() + '>';
}

MimeText::MimeText(const QString &text) : m_text(text) {}

QByteArray MimeText::toMime() const
{
  return QByteArrayLiteral("Content-Type: text/plain; charset=utf-8\r\n"
                           "Content-Transfer-Encoding: quoted-printable\r\n\r\n") +
         MimeEncoding::quotedPrintable(m_text);
}

MimeAttachment::MimeAttachment(QFile *file) : m_file(file), m_fileName(QFileInfo(*file).fileName()) {}

MimeAttachment::MimeAttachment(const QByteArray &content, const QString &fileName)
    : m_content(content), m_fileName(fileName)
{
}

QByteArray MimeAttachment::toMime() const
{
  QByteArray content = m_content;
  if (m_file) {
    if (m_file->isOpen() || m_file->open(QIODevice::ReadOnly)) {
      m_file->seek(0);
      content = m_file->readAll();
    }
  }
  const QString type = QMimeDatabase().mimeTypeForFile(m_fileName, QMimeDatabase::MatchExtension).name();
  const QByteArray name = MimeEncoding::quotedText(m_fileName);
  return "Content-Type: " + type.toLatin1() + "; name=" + name +
         "\r\n"
         "Content-Transfer-Encoding: base64\r\n"
         "Content-Disposition: attachment; filename=" +
         name + "\r\n\r\n" + MimeEncoding::base64Lines(content);
}
