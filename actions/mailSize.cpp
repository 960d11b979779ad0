#include "mailSize.h"

#include <algorithm>

qint64 mailSizeLimit(qint64 announced, qint64 cap)
{
  return announced > 0 ? std::min(announced, cap) : cap;
}

qint64 rawBytesWithin(qint64 encodedBytes)
{
  // 57 bytes of content make one full line of 76 characters and CRLF.
  return encodedBytes <= 0 ? 0 : encodedBytes / 78 * 57;
}

QByteArray newestRowsWithin(const QByteArray &csv, qint64 bytes)
{
  if (bytes >= csv.size())
    return csv;
  if (bytes <= 0)
    return QByteArray();
  const int end = csv.lastIndexOf('\n', int(bytes) - 1);
  return end < 0 ? QByteArray() : csv.left(end + 1);
}
