#include "loopHooks.h"

#include "appState.h"

namespace LoopHooks
{

void openDatabase() {}
void readSpecialSettings(SpecialSettings &) {}
void disconnectStorageSignals() {}
void loadUserConfig() {}
void loadGeneralSettings()
{
  // What a new settings database holds: automatic device detection on, so the link starts at once.
  LinkState &link = appState().link;
  link.set(LinkFlag::autoDetect, true);
  link.set(LinkFlag::portSuspended, false);
}
void runFtdiRefreshStep() {}
void logConnectionEvent(const QString &, const QString &) {}
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
