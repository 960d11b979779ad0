#include "loopHooks.h"

#include "appState.h"

namespace LoopHooks
{

QStringList ftdiDescriptionList()
{
  return appState().production.ftdiDescriptions;
}
QString serviceLogText()
{
  return appState().serviceLog->text();
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
