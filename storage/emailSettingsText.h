// The two stored strings of an e-mail configuration: emailN_config (server, user name, password,
// port, connection type) and emailN_message (sender, recipient, copy, subject, report flag). Each
// is a run of "id:value " tokens.
#pragma once

#include <QString>

struct EmailConfig;

QString emailConfigText(const EmailConfig &config);
QString emailMessageText(const EmailConfig &config);

// Read the strings back into `config`; fields whose token is missing keep their value.
void readEmailConfigText(const QString &text, EmailConfig &config);
void readEmailMessageText(const QString &text, EmailConfig &config);

// Values that the token format cannot hold with blanks lose them when typed (all but the password
// and the subject, which have encodings of their own).
QString withoutBlanks(const QString &value);
