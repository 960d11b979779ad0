#include "linkCycle.h"

#include "portScanning.h"
#include "serialPort.h"

namespace
{
constexpr qint64 silenceLimitMs = 2000;
constexpr uint8_t maxRetryLevel = 4;

// Too many unanswered frames: show the device offline and restart the port.
void checkForLostLink(SerialPort &port)
{
  LinkState &link = port.context().link;
  if (link.txSinceRx > port.context().requests.lostThreshold) {
    link.setStatus(DeviceStatusFlag::offline, true);
    link.txSinceRx = 0;
    if (link.retryLevel < maxRetryLevel)
      ++link.retryLevel;
    link.set(LinkFlag::linkLostShown, true);
    if (link.has(LinkFlag::deviceIdentified))
      link.set(LinkFlag::identityCheck, true);
    port.SerialRestart();
  } else {
    link.set(LinkFlag::linkLostShown, false);
  }
}
} // namespace

void initialiseLinkState(LinkContext link)
{
  resetLink(link.rx, link.tx);
  link.rx.lastRxTime.start();
}

void runLinkCycle(SerialPort &port, int &portIndex, uint32_t modelLinkSpeed)
{
  LinkContext &s = port.context();
  LinkState &link = s.link;
  manualPortCycle(port, portIndex, modelLinkSpeed);
  autoScanCycle(port, portIndex);
  checkForLostLink(port);
  if (link.has(LinkFlag::portSuspended))
    return;

  // A device that stays silent is counted as missing a frame more per cycle.
  if (s.rx.lastRxTime.elapsed() > silenceLimitMs && link.txSinceRx < 255)
    ++link.txSinceRx;
  prepareNextRequest(s.requests, s.tx, s.fields, link.identityConfirmed());
  port.txFrame = buildTxFrame(s.tx, s.rx);
  s.requests.lostThreshold = 2;
  port.SerialTransmit();
}
