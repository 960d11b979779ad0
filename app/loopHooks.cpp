#include "loopHooks.h"

#include "appState.h"

namespace LoopHooks
{

QStringList ftdiDescriptionList()
{
  return {};
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
