// The link while the PC shuts down: let go of the device once the command succeeded, and take it
// up again as the user had it when the PC keeps running after all.
#include "upsApp.h"

#include "pcShutdownStep.h"
#include "stateParts.h"

#include "link/serialPort.h"

namespace
{
constexpr uint8_t userLinkFlags = LinkFlag::portSuspended | LinkFlag::autoDetect;
}

// The port closes and the loop stops; the event log and the window stay connected, since the
// program may have to carry on.
void upsApp::suspendForPcShutdown()
{
  LinkState &link = appState().link;
  linkFlagsBeforeShutdown = link.linkFlags & userLinkFlags;
  releaseDevice();
  pcShutdownResumeTimer.start();
  // The loop stops with the link: the pages and the log learn of it now.
  runConnectionEventStep();
  runInterpretationStep();
  runStatusWindowStep();
}

// The PC did not go down: the port opens again as the user had it, and the loop runs on.
void upsApp::resumeAfterPcShutdown()
{
  AppState &s = appState();
  refreshDateAndTime();
  noteShutdownNotHappened(s);
  s.link.set(LinkFlag::autoDetect, (linkFlagsBeforeShutdown & LinkFlag::autoDetect) != 0);
  s.link.set(LinkFlag::portSuspended, (linkFlagsBeforeShutdown & LinkFlag::portSuspended) != 0);
  if (s.sent.shutdownWindow.take(s.ui.shutdownWindow))
    emit sendToQml_ShutdownWindow(s.ui.shutdownWindow);
  mainTimer.start();
}

void upsApp::receiveFromQml_CancelPcShutdown()
{
  AppState &s = appState();
  refreshDateAndTime();
  if (cancelPcShutdownByUser(s) && s.sent.shutdownWindow.take(s.ui.shutdownWindow))
    emit sendToQml_ShutdownWindow(s.ui.shutdownWindow);
}
