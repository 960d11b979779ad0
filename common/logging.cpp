#include "logging.h"

Q_LOGGING_CATEGORY(lcLoop, "talvane.loop", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStartup, "talvane.startup", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDatabase, "talvane.database", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMail, "talvane.mail", QtWarningMsg)
Q_LOGGING_CATEGORY(lcEvents, "talvane.events", QtWarningMsg)
