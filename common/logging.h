// Logging categories of the application core. Info messages are off unless enabled with
// QT_LOGGING_RULES, e.g. "talvane.*.info=true".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcLoop)
Q_DECLARE_LOGGING_CATEGORY(lcStartup)
Q_DECLARE_LOGGING_CATEGORY(lcDatabase)
Q_DECLARE_LOGGING_CATEGORY(lcMail)
// One line per row of the event log, for a program without window (see app/journalLog.h).
Q_DECLARE_LOGGING_CATEGORY(lcEvents)
