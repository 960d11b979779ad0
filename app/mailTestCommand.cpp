// The e-mail page's test button: a test mail goes through the configured server on the mail thread,
// so that the page stays responsive however long the server takes. The page shows that it is on
// its way; the main loop shows what became of it (see mailOutcomeStep).
#include "upsApp.h"

#include "appState.h"

#include "actions/emailNotification.h"
#include "storage/eventLogExport.h"
#include "storage/upsDataBase.h"

#include <QFileInfo>

void upsApp::receiveFromQml_SendTestEmail(int emailNr)
{
  AppState &s = appState();
  if (emailNr < 0 || emailNr > 1)
    return;
  EmailWindowStruct &page = s.ui.emailWindow;
  int &state = emailNr == 0 ? page.email1_TestState : page.email2_TestState;
  if (state == testMailSending)
    return; // one test at a time for each e-mail
  EventLogSource log;
  if (s.storage.database)
    log = {QFileInfo(s.storage.database->fileName()).absoluteFilePath(), newestEventId()};
  const MailNotes notes{languageText(s.language, TextSlot::mailReportShortened),
                        languageText(s.language, TextSlot::mailAttachmentLeftOut)};
  if (!sendTestMail(s.mailOutbox, emailNr, s.settings.email[emailNr], currentCatalogueEntry(s).name,
                    languageText(s.language, TextSlot::mailTestLine), notes, log))
    return;
  state = testMailSending;
  (emailNr == 0 ? page.email1_TestResult : page.email2_TestResult) =
      languageText(s.language, TextSlot::mailTestSending).arg(emailNr + 1);
  if (s.sent.emailWindow.take(page))
    emit sendToQml_EmailWindow(page);
}
