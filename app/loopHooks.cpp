#include "loopHooks.h"

namespace LoopHooks
{

void runFtdiRefreshStep() {}
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
