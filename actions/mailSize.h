// Alarm mails keep within the size their server takes, so that a large event log never costs the
// alarm: the attached log is cut to its newest rows when the whole would not fit.
#pragma once

#include <QByteArray>

// The limit when the server names none: most servers take at least this much.
constexpr qint64 defaultMailSizeCap = 10 * 1000 * 1000;

// The size a mail has to keep: the server's announced limit (0: none), and never above `cap`.
qint64 mailSizeLimit(qint64 announced, qint64 cap);

// How many bytes of content fit into `encodedBytes` of base64 lines (76 characters and CRLF each).
qint64 rawBytesWithin(qint64 encodedBytes);

// The leading whole rows of `csv` within `bytes`: the newest ones, as the log is written newest first.
QByteArray newestRowsWithin(const QByteArray &csv, qint64 bytes);
