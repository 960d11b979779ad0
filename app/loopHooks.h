// Calls from the application core into the subsystems that are not built yet. Each hook does
// nothing (or reports "nothing there") until its subsystem replaces it with the real call.
#pragma once

#include <QString>
#include <QStringList>

namespace LoopHooks
{

// Production window.
QStringList ftdiDescriptionList();
QString serviceLogText();
QString serviceLogTextGlobal();
QString serviceLogTextGlobal2();

} // namespace LoopHooks
