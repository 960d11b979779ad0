#include "simulatedAdapter.h"

#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
bool sendAll(int fd, const char *data, size_t size)
{
  while (size > 0) {
    const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool receiveAll(int fd, char *data, size_t size)
{
  while (size > 0) {
    const ssize_t n = ::recv(fd, data, size, 0);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

QByteArray bigEndian32(uint32_t value)
{
  QByteArray bytes(4, '\0');
  qToBigEndian(value, bytes.data());
  return bytes;
}

QString eepromText(const FtdiEeprom &e)
{
  return QStringLiteral("manufacturer=%1\nmanufacturer_id=%2\ndescription=%3\nserial=%4\n"
                        "cbus=%5,%6,%7,%8\ninvert_rxd=%9\ninvert_txd=%10\n")
      .arg(e.manufacturer, e.manufacturerId, e.description, e.serialNumber)
      .arg(e.cbusFunctions[0])
      .arg(e.cbusFunctions[1])
      .arg(e.cbusFunctions[2])
      .arg(e.cbusFunctions[3])
      .arg(int(e.invertRxd))
      .arg(int(e.invertTxd));
}
} // namespace

SimulatedAdapter::SimulatedAdapter(const QString &socketPath) : path(socketPath) {}

SimulatedAdapter::~SimulatedAdapter()
{
  if (fd >= 0)
    ::close(fd);
}

bool SimulatedAdapter::connectSocket()
{
  if (fd >= 0)
    return true;
  const QByteArray name = path.toLocal8Bit();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (name.size() >= int(sizeof address.sun_path)) {
    error = QStringLiteral("socket path too long");
    return false;
  }
  std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
  fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
    error =
        QStringLiteral("no adapter simulator at %1: %2").arg(path, QString::fromLocal8Bit(strerror(errno)));
    if (fd >= 0)
      ::close(fd);
    fd = -1;
    return false;
  }
  return true;
}

bool SimulatedAdapter::request(char op, const QByteArray &payload, QByteArray *answer)
{
  if (!connectSocket())
    return false;
  QByteArray message(1, op);
  message += bigEndian32(uint32_t(payload.size())) + payload;
  char head[5];
  if (!sendAll(fd, message.constData(), size_t(message.size())) || !receiveAll(fd, head, 5)) {
    error = QStringLiteral("the adapter simulator went away");
    ::close(fd);
    fd = -1;
    return false;
  }
  const uint32_t length = qFromBigEndian<uint32_t>(head + 1);
  QByteArray body(int(length), '\0');
  if (length > 0 && !receiveAll(fd, body.data(), length)) {
    error = QStringLiteral("the adapter simulator went away");
    ::close(fd);
    fd = -1;
    return false;
  }
  if (answer)
    *answer = body;
  if (head[0] != 0) {
    error = QStringLiteral("the simulated adapter refused '%1' (%2)").arg(QLatin1Char(op)).arg(int(head[0]));
    return false;
  }
  return true;
}

QStringList SimulatedAdapter::attachedDescriptions()
{
  QByteArray list;
  if (!request('L', {}, &list) || list.isEmpty())
    return {};
  return QString::fromUtf8(list).split(QLatin1Char('\n'));
}

bool SimulatedAdapter::open(const QString &description)
{
  return request('O', description.toUtf8());
}

void SimulatedAdapter::close()
{
  request('C', {});
}

bool SimulatedAdapter::configureUart()
{
  QByteArray settings = bigEndian32(115200);
  settings += char(8);
  settings += char(2); // even parity
  settings += char(1);
  return request('U', settings);
}

bool SimulatedAdapter::writeCbusPins(uint8_t pinByte)
{
  return request('P', QByteArray(1, char(pinByte)));
}

bool SimulatedAdapter::write(const QByteArray &bytes)
{
  return request('W', bytes);
}

QByteArray SimulatedAdapter::read(int count, int timeoutMs)
{
  QByteArray bytes;
  if (!request('R', bigEndian32(uint32_t(count)) + bigEndian32(uint32_t(timeoutMs)), &bytes))
    return {};
  return bytes;
}

bool SimulatedAdapter::readEeprom(FtdiEeprom &eeprom)
{
  QByteArray text;
  if (!request('E', {}, &text))
    return false;
  for (const QString &line : QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QString key = line.section(QLatin1Char('='), 0, 0);
    const QString value = line.section(QLatin1Char('='), 1);
    if (key == QLatin1String("manufacturer"))
      eeprom.manufacturer = value;
    else if (key == QLatin1String("manufacturer_id"))
      eeprom.manufacturerId = value;
    else if (key == QLatin1String("description"))
      eeprom.description = value;
    else if (key == QLatin1String("serial"))
      eeprom.serialNumber = value;
    else if (key == QLatin1String("invert_rxd"))
      eeprom.invertRxd = value == QLatin1String("1");
    else if (key == QLatin1String("invert_txd"))
      eeprom.invertTxd = value == QLatin1String("1");
    else if (key == QLatin1String("cbus")) {
      const QStringList pins = value.split(QLatin1Char(','));
      for (int i = 0; i < 4 && i < pins.size(); ++i)
        eeprom.cbusFunctions[size_t(i)] = uint8_t(pins.at(i).toUInt());
    }
  }
  return true;
}

bool SimulatedAdapter::programEeprom(const FtdiEeprom &eeprom)
{
  return request('F', eepromText(eeprom).toUtf8());
}

bool SimulatedAdapter::cyclePort()
{
  return request('Y', {});
}

QByteArray SimulatedAdapter::flash(uint32_t address, uint32_t length)
{
  QByteArray bytes;
  request('M', bigEndian32(address) + bigEndian32(length), &bytes);
  return bytes;
}

QByteArray SimulatedAdapter::pinHistory()
{
  QByteArray bytes;
  request('H', {}, &bytes);
  return bytes;
}
