// Encodings used in mail messages: header texts and names as UTF-8 encoded words, body text as
// quoted-printable, binary content as base64. Every line produced ends in CRLF.
#pragma once

#include <QByteArray>
#include <QString>

namespace MimeEncoding
{

// A header value: short printable ASCII as it stands, anything else as UTF-8 encoded words, one
// per folded line. Line breaks in the text become blanks.
QByteArray headerText(const QString &text);

// A parameter value (e.g. a file name) in double quotes; non-ASCII text as UTF-8 encoded words
// within the quotes, the form mail programs read in file names.
QByteArray quotedText(const QString &text);

// The display name of an address: ASCII in double quotes, anything else as encoded words.
QByteArray displayName(const QString &text);

// Text as quoted-printable UTF-8: "\n" (or "\r\n") become line breaks, no line is longer than
// 76 characters, and the result ends with a line break.
QByteArray quotedPrintable(const QString &text);

// Bytes as base64 in lines of 76 characters.
QByteArray base64Lines(const QByteArray &data);

} // namespace MimeEncoding
