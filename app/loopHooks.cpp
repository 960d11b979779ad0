#include "loopHooks.h"

#include "appState.h"

namespace LoopHooks
{

void setAutostart(bool) {}
void setIpcMode(bool) {}
void runFamilySettings(int) {}

void sendEventMail(int) {}
void programStartEvent(int, bool) {}

void readSpecialSettings(SpecialSettings &) {}
void loadUserConfig() {}
void loadGeneralSettings()
{
  // What a new settings database holds: automatic device detection on, so the link starts at once.
  LinkState &link = appState().link;
  link.set(LinkFlag::autoDetect, true);
  link.set(LinkFlag::portSuspended, false);
}
void runFtdiRefreshStep() {}
void runPcShutdownStep() {}
void fillProgramstartWindow() {}
void fillEmailWindow() {}
void fillDeviceParameterRecord() {}
void fillSignalOutputsRecord() {}
QStringList ftdiDescriptionList()
{
  return {};
}
QString serviceLogText()
{
  return {};
}
QString serviceLogTextGlobal()
{
  return {};
}
QString serviceLogTextGlobal2()
{
  return {};
}

} // namespace LoopHooks
