#include "journalLog.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace
{
// Under systemd the journal reads a "<n>" prefix as the syslog priority of the line.
bool standardErrorIsTheJournal()
{
  return !qEnvironmentVariableIsEmpty("JOURNAL_STREAM");
}

int syslogPriority(QtMsgType type)
{
  switch (type) {
  case QtFatalMsg:
    return 2;
  case QtCriticalMsg:
    return 3;
  case QtWarningMsg:
    return 4;
  case QtInfoMsg:
    return 6;
  case QtDebugMsg:
    break;
  }
  return 7;
}

const char *typeName(QtMsgType type)
{
  switch (type) {
  case QtFatalMsg:
    return "fatal";
  case QtCriticalMsg:
    return "critical";
  case QtWarningMsg:
    return "warning";
  case QtInfoMsg:
    return "info";
  case QtDebugMsg:
    break;
  }
  return "debug";
}

void writeLine(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
  const char *category = context.category ? context.category : "default";
  // One line per message: a line break inside it would split it into two journal entries.
  QByteArray text = message.toUtf8();
  text.replace('\n', ' ');
  if (standardErrorIsTheJournal())
    std::fprintf(stderr, "<%d>%s: %s\n", syslogPriority(type), category, text.constData());
  else
    std::fprintf(stderr, "%s: %s: %s\n", typeName(type), category, text.constData());
  std::fflush(stderr);
  if (type == QtFatalMsg)
    std::abort();
}
} // namespace

void logToStandardError()
{
  qInstallMessageHandler(writeLine);
  // Rules in QT_LOGGING_RULES still come after these and may change them.
  QLoggingCategory::setFilterRules(QStringLiteral("talvane.events.info=true"));
}
