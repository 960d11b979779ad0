#include "mailOutcomeStep.h"

#include "appState.h"

#include "actions/mailOutbox.h"
#include "storage/eventControlModel.h"
#include "storage/upsDataBase.h"

namespace
{
constexpr uint8_t mailFailureTicks = 100; // 10 s: a lost alarm mail must not slip by

void reportFailedAlarmMail(AppState &s, const MailOutcome &outcome)
{
  const QString line =
      languageText(s.language, TextSlot::mailNotSent)
          .arg(QString::number(outcome.emailIndex + 1), mailFailureReason(outcome, s.language));
  postMessage(s.loop.message, line, mailFailureTicks);
  if (s.storage.database)
    s.storage.database->PrepareInserIntoTable_EVENTS_TABLE(outcome.deviceName, s.loop.currentDate,
                                                           s.loop.currentTime, line);
  if (s.storage.eventModel)
    s.storage.eventModel->updateModel_EVENTS_TABLE();
}

void showTestMailOutcome(AppState &s, const MailOutcome &outcome)
{
  EmailWindowStruct &page = s.ui.emailWindow;
  const bool first = outcome.emailIndex == 0;
  const QString number = QString::number(outcome.emailIndex + 1);
  const QString line = outcome.result == 0 ? languageText(s.language, TextSlot::mailTestSent).arg(number)
                                           : languageText(s.language, TextSlot::mailNotSent)
                                                 .arg(number, mailFailureReason(outcome, s.language));
  (first ? page.email1_TestState : page.email2_TestState) =
      outcome.result == 0 ? testMailSent : testMailFailed;
  (first ? page.email1_TestResult : page.email2_TestResult) = line;
  postMessage(s.loop.message, line, outcome.result == 0 ? 0 : mailFailureTicks);
}
} // namespace

QString mailFailureReason(const MailOutcome &outcome, const LanguageTable &language)
{
  switch (outcome.result) {
  case -1:
    return languageText(language, TextSlot::mailConnectFailed)
        .arg(outcome.server, outcome.port, outcome.answer);
  case -2:
    return languageText(language, TextSlot::mailLoginFailed).arg(outcome.user, outcome.answer);
  default:
    return languageText(language, TextSlot::mailSendFailed).arg(outcome.answer);
  }
}

bool runMailOutcomeStep(AppState &s)
{
  if (!s.mailOutbox)
    return false;
  bool pageChanged = false;
  for (const MailOutcome &outcome : s.mailOutbox->takeOutcomes()) {
    if (outcome.test) {
      showTestMailOutcome(s, outcome);
      pageChanged = true;
    } else if (outcome.result != 0)
      reportFailedAlarmMail(s, outcome);
  }
  return pageChanged;
}
