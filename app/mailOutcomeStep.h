// What became of the mails the outbox sent: a failed alarm mail is shown in the message line and
// written to the event log with its reason; a test mail's outcome is shown on the e-mail page and
// in the message line.
#pragma once

struct AppState;
struct MailOutcome;
struct LanguageTable;
class QString;

// Runs every tick before the message line's step; takes the outcomes without waiting for a mail.
// Also run once when the program ends, for the mails done with during the wait at the end. True
// when the e-mail page's record changed.
bool runMailOutcomeStep(AppState &s);

// Why a mail did not go out, in the current language: the step that failed and the server's answer.
QString mailFailureReason(const MailOutcome &outcome, const LanguageTable &language);
