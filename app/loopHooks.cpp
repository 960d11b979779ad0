#include "loopHooks.h"

namespace LoopHooks
{

void setAutostart(bool) {}

void sendEventMail(int) {}
void programStartEvent(int, bool) {}

void runFtdiRefreshStep() {}
void runPcShutdownStep() {}
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
