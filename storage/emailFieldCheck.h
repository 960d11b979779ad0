// The mail addresses and the user name travel in SMTP command lines: a control character there
// (a line break above all) would end the command and let the value start commands of its own.
#pragma once

#include <QString>

struct EmailConfig;

// Whether `value` holds a character that has no place in a command line (C0 and C1 controls,
// DEL, Unicode line and paragraph separators).
bool hasControlCharacter(const QString &value);

// Whether e-mail field `field` of the page takes `value`: the user name (server settings field 2)
// and the addresses (message fields 1, 2 and 4) take no control characters.
bool acceptsEmailConfigValue(int field, const QString &value);
bool acceptsEmailMessageValue(int field, const QString &value);

// Empties the user name and the addresses that hold a control character (a file written elsewhere);
// true when it emptied one.
bool dropUnusableAddresses(EmailConfig &config);
