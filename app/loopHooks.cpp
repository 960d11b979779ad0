#include "loopHooks.h"

namespace LoopHooks
{

void createDeviceLink() {}
void openDatabase() {}
void initialiseLinkState() {}
void readSpecialSettings(SpecialSettings &) {}
void buildDeviceCatalogue() {}
void closeSerialPort() {}
bool serialPortClosed()
{
  return true;
}
void disconnectStorageSignals() {}

QStringList selectableDeviceNames()
{
  return {};
}
QString currentDeviceName()
{
  return {};
}

void loadGeneralSettings() {}
void identifyDevice() {}
QStringList availablePorts()
{
  return {};
}
void runLinkCycle() {}
bool familyInterpreterAvailable()
{
  return false;
}
void interpretProcessData() {}
void resetRequestCycle() {}
int operatingModeCode()
{
  return 0;
}
void buildCommunicationStatusText() {}
void runFtdiRefreshStep() {}
void logConnectionEvent(const QString &, const QString &) {}
void runPcShutdownStep() {}
void fillProgramstartWindow() {}
void fillEmailWindow() {}
bool takeParameterChanged()
{
  return false;
}
void fillDeviceParameterRecord() {}
bool takeSignalOutputsChanged()
{
  return false;
}
void fillSignalOutputsRecord() {}

quint32 reportedSerialNumber(int)
{
  return 0;
}
quint32 reportedBatchNumber(int)
{
  return 0;
}
bool calibrationAnswered()
{
  return false;
}
QStringList calibrationCommandNames()
{
  return {};
}
QStringList ftdiDescriptionList()
{
  return {};
}
QStringList ftdiUpdateDeviceNames()
{
  return {};
}
bool currentDeviceOffersFtdiUpdate()
{
  return false;
}
bool deviceStatusBit7()
{
  return false;
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
