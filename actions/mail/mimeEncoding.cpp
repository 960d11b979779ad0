#include "mimeEncoding.h"

#include <QList>

namespace MimeEncoding
{
namespace
{
// UTF-8 bytes per encoded word: 52 base64 characters, so that a word with its markers stays
// well within a 76-character line.
constexpr int wordBytes = 39;
constexpr int lineLimit = 76;
const QByteArray crlf = QByteArrayLiteral("\r\n");

QString singleLine(const QString &text)
{
  QString line = text;
  line.replace(QLatin1String("\r\n"), QLatin1String(" "));
  line.replace(QLatin1Char('\r'), QLatin1Char(' '));
  line.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return line;
}

bool isPrintableAscii(const QString &text)
{
  for (const QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() > 0x7e)
      return false;
  }
  return true;
}

// The text cut into encoded words, each holding whole characters.
QList<QByteArray> encodedWords(const QString &text)
{
  const QByteArray utf8 = text.toUtf8();
  QList<QByteArray> words;
  int start = 0;
  while (start < utf8.size()) {
    int end = qMin(start + wordBytes, utf8.size());
    while (end < utf8.size() && end > start + 1 && (uchar(utf8.at(end)) & 0xC0) == 0x80)
      --end; // not inside a multi-byte character
    words << QByteArrayLiteral("=?UTF-8?B?") + utf8.mid(start, end - start).toBase64() +
                 QByteArrayLiteral("?=");
    start = end;
  }
  return words;
}
} // namespace

QByteArray headerText(const QString &text)
{
  const QString line = singleLine(text);
  // Short plain text is kept readable; the header name needs room on the first line too.
  if (isPrintableAscii(line) && line.size() <= 64 && !line.contains(QLatin1String("=?")))
    return line.toLatin1();
  return encodedWords(line).join(QByteArrayLiteral("\r\n "));
}

QByteArray quotedText(const QString &text)
{
  const QString line = singleLine(text);
  if (!isPrintableAscii(line) || line.contains(QLatin1String("=?")))
    return '"' + encodedWords(line).join(' ') + '"';
  QByteArray quoted = line.toLatin1();
  quoted.replace('\\', QByteArrayLiteral("\\\\"));
  quoted.replace('"', QByteArrayLiteral("\\\""));
  return '"' + quoted + '"';
}

QByteArray displayName(const QString &text)
{
  const QString line = singleLine(text);
  if (!isPrintableAscii(line) || line.contains(QLatin1String("=?")))
    return encodedWords(line).join(' ');
  return quotedText(line);
}

QByteArray quotedPrintable(const QString &text)
{
  QString normalised = text;
  normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  static const char hex[] = "0123456789ABCDEF";
  QByteArray out;
  const QList<QByteArray> lines = normalised.toUtf8().split('\n');
  for (const QByteArray &line : lines) {
    int used = 0;
    for (int i = 0; i < line.size(); ++i) {
      const uchar b = uchar(line.at(i));
      const bool last = i == line.size() - 1;
      QByteArray token;
      if ((b == ' ' || b == '\t') && !last)
        token = QByteArray(1, char(b)); // a blank that ends a line is encoded: it would be lost in transit
      else if (b > 32 && b < 127 && b != '=')
        token = QByteArray(1, char(b));
      else
        token = QByteArray(1, '=') + hex[b >> 4] + hex[b & 0xF];
      if (used + token.size() > lineLimit - 1) { // room for the soft break "="
        out += '=' + crlf;
        used = 0;
      }
      out += token;
      used += token.size();
    }
    out += crlf;
  }
  return out;
}

QByteArray base64Lines(const QByteArray &data)
{
  const QByteArray encoded = data.toBase64();
  QByteArray out;
  out.reserve(encoded.size() + encoded.size() / lineLimit * 2 + 2);
  for (int i = 0; i < encoded.size(); i += lineLimit)
    out += encoded.mid(i, lineLimit) + crlf;
  return out;
}

} // namespace MimeEncoding
