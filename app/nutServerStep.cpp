#include "nutServerStep.h"

#include "appState.h"

#include "actions/nutServer.h"
#include "devices/nutVariables.h"

#include <algorithm>

namespace
{
// As long as monitoring clients commonly wait for their secondaries.
constexpr int clientShutdownWaitSeconds = 15;

// The name clients use: lower case, and only characters that survive their command lines.
QString clientUpsName(const QString &text)
{
  QString name;
  for (const QChar c : text.toLower()) {
    const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                       (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
                       c == QLatin1Char('_');
    if (plain)
      name += c;
    else if (!name.endsWith(QLatin1Char('-')))
      name += QLatin1Char('-');
  }
  while (name.endsWith(QLatin1Char('-')))
    name.chop(1);
  while (name.startsWith(QLatin1Char('-')))
    name.remove(0, 1);
  return name;
}
// Follows the polling sequence while the device is live. The step goes back to 0 once the last
// request of a pass is sent; when it has moved on from there, that request's answer is in.
NutServing::Pass followPass(NutServing::Pass pass, bool live, uint32_t cycleStep)
{
  using Pass = NutServing::Pass;
  if (!live)
    return Pass::none;
  switch (pass) {
  case Pass::none:
    return cycleStep != 0 ? Pass::started : Pass::none;
  case Pass::started:
    return cycleStep != 0 ? Pass::started : Pass::wrapped;
  case Pass::wrapped:
    return cycleStep != 0 ? Pass::complete : Pass::wrapped;
  case Pass::complete:
    break;
  }
  return Pass::complete;
}
} // namespace

void applyNutServerSettings(AppState &s)
{
  NutServing &nut = s.nut;
  if (!nut.server)
    return;
  nut.settings = readNutServerSettings();
  const NutServerSettings &st = nut.settings;
  nut.server->setAccount(st.user.toUtf8(), st.password.toUtf8());
  const bool wanted = st.enabled || nut.commandLineOn;
  const QString address = nut.commandLineAddress.isEmpty() ? st.address : nut.commandLineAddress;
  const quint16 port = nut.commandLinePort != 0 ? nut.commandLinePort : st.port;
  if (!wanted) {
    nut.server->close();
    nut.running = false;
    return;
  }
  const QHostAddress host(address);
  if (nut.server->isListening() && nut.server->port() == port && nut.server->address() == host)
    return; // keep the clients
  nut.running = !host.isNull() && nut.server->listen(host, port);
}

void publishNutUpsTable(AppState &s)
{
  const bool linkLive = s.link.deviceLive() && !s.link.hasStatus(DeviceStatusFlag::offline);
  s.nut.pass = followPass(s.nut.pass, linkLive, s.requests.cycleStep);
  if (!s.nut.server || !s.nut.server->isListening())
    return;
  const DeviceCatalogueEntry &entry = currentCatalogueEntry(s);
  const bool live = s.nut.pass == NutServing::Pass::complete;
  const QString name = s.nut.settings.upsName.isEmpty() ? clientUpsName(entry.name) : s.nut.settings.upsName;
  NutSource source{s.process, s.fields, entry, live, s.vendor.companyShortName, name};
  s.nut.server->publish(nutUpsTable(source));
}

bool holdShutdownForClients(AppState &s, const PcShutdownInputs &in)
{
  NutServing &nut = s.nut;
  if (!nut.server || !nut.server->isListening() || in.dryRun || !in.enabled || !in.requested) {
    withdrawForcedShutdown(s);
    return false;
  }
  if (!pcShutdownDue(s.pcActions.shutdown, in.now))
    return false;
  if (!nut.forcedShutdownSince.isValid()) {
    nut.forcedShutdownSince = in.now;
    nut.server->setOwnForcedShutdown(true);
  }
  // The served machines get a bounded time, and at most half of the time the device leaves this
  // PC to shut down before it switches the output off.
  const int ipcShutdownSeconds = s.fields.rxField1304;
  const int wait = std::min(clientShutdownWaitSeconds, ipcShutdownSeconds / 2);
  return nut.server->loginCount() > 0 && in.now < nut.forcedShutdownSince.addSecs(wait);
}

void withdrawForcedShutdown(AppState &s)
{
  s.nut.forcedShutdownSince = QDateTime();
  if (s.nut.server)
    s.nut.server->setOwnForcedShutdown(false);
}
