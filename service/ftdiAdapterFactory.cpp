#include "ftdiAdapter.h"

#include "simulatedAdapter.h"

#if defined(Q_OS_WIN)
#include "d2xxAdapter.h"
#else
#include "libftdiAdapter.h"
#endif

namespace
{
QString &socketPath()
{
  static QString path = qEnvironmentVariable("TALVANE_ADAPTER_SOCKET");
  return path;
}
} // namespace

void setSimulatedAdapterSocket(const QString &path)
{
  socketPath() = path;
}

QString simulatedAdapterSocket()
{
  return socketPath();
}

std::unique_ptr<FtdiAdapter> makeFtdiAdapter()
{
#if !defined(Q_OS_WIN)
  if (!socketPath().isEmpty())
    return std::make_unique<SimulatedAdapter>(socketPath());
  return std::make_unique<LibftdiAdapter>();
#else
  return std::make_unique<D2xxAdapter>();
#endif
}
