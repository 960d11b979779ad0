// The parts of a mail message: the body text and file attachments.
#pragma once

#include <QByteArray>
#include <QString>

class QFile;

class MimePart
{
public:
  virtual ~MimePart() = default;
  // The part's header lines, a blank line and the encoded content, each line ending in CRLF.
  virtual QByteArray toMime() const = 0;
};

// Plain text, sent as UTF-8.
class MimeText : public MimePart
{
public:
  explicit MimeText(const QString &text = QString());
  void setText(const QString &text) { m_text = text; }
  QString text() const { return m_text; }
  QByteArray toMime() const override;

private:
  QString m_text;
};

// A file sent base64-encoded under its file name.
class MimeAttachment : public MimePart
{
public:
  // The file is read when the message is put together for sending; the part carries the file's
  // name without its folder. The file object must live until then.
  explicit MimeAttachment(QFile *file);
  // Content held in memory, sent under `fileName`.
  MimeAttachment(const QByteArray &content, const QString &fileName);

  QString fileName() const { return m_fileName; }
  QByteArray toMime() const override;

private:
  QFile *m_file = nullptr;
  QByteArray m_content;
  QString m_fileName;
};
