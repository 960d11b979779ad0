#include "nutServer.h"

#include <QLoggingCategory>

#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>

namespace
{
Q_LOGGING_CATEGORY(lcNutServer, "talvane.nut")
constexpr qint64 readChunk = 16384; // read in pieces, so that one client cannot take a whole tick
} // namespace

NutServer::NutServer(QObject *parent) : QObject(parent)
{
  idleCheck.setInterval(1000);
  connect(&idleCheck, &QTimer::timeout, this, &NutServer::dropIdleClients);
}

NutServer::~NutServer()
{
  close();
}

bool NutServer::listen(const QHostAddress &address, quint16 port)
{
  close();
  server = new QTcpServer(this);
  connect(server, &QTcpServer::newConnection, this, &NutServer::acceptClients);
  if (!server->listen(address, port)) {
    qCWarning(lcNutServer) << "the UPS network server cannot listen on" << address.toString() << port << ":"
                           << server->errorString();
    delete server;
    server = nullptr;
    return false;
  }
  qCInfo(lcNutServer) << "the UPS network server listens on" << address.toString() << server->serverPort();
  idleCheck.start();
  return true;
}

void NutServer::close()
{
  idleCheck.stop();
  for (const std::unique_ptr<Client> &c : clients) {
    c->socket->disconnect(this);
    c->socket->abort();
    c->socket->deleteLater();
  }
  clients.clear();
  refreshSessionList();
  delete server;
  server = nullptr;
}

bool NutServer::isListening() const
{
  return server && server->isListening();
}

quint16 NutServer::port() const
{
  return server ? server->serverPort() : 0;
}

QHostAddress NutServer::address() const
{
  return server ? server->serverAddress() : QHostAddress();
}

void NutServer::setAccount(const QByteArray &user, const QByteArray &password)
{
  shared.accountUser = user;
  shared.accountPassword = password;
}

void NutServer::acceptClients()
{
  while (QTcpSocket *socket = server->nextPendingConnection()) {
    if (static_cast<int>(clients.size()) >= limits_.maxClients) {
      // Full: the connection ends at once, so that it holds nothing.
      socket->abort();
      socket->deleteLater();
      continue;
    }
    auto client = std::make_unique<Client>();
    client->socket = socket;
    client->session.peer = socket->peerAddress().toString().toUtf8();
    client->lastHeard.start();
    socket->setReadBufferSize(readChunk);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
      Client *c = clientOf(socket);
      if (c && c->session.closing && socket->bytesToWrite() == 0)
        drop(socket);
    });
    clients.push_back(std::move(client));
  }
  refreshSessionList();
}

NutServer::Client *NutServer::clientOf(QTcpSocket *socket)
{
  for (const std::unique_ptr<Client> &c : clients) {
    if (c->socket == socket)
      return c.get();
  }
  return nullptr;
}

void NutServer::readFrom(QTcpSocket *socket)
{
  Client *c = clientOf(socket);
  if (!c)
    return;
  c->lastHeard.restart();
  // One chunk per signal: the rest comes with the next readyRead, after other clients had theirs.
  const QByteArray bytes = socket->read(readChunk);
  const QByteArray answers = nutReceive(c->session, shared, bytes);
  if (!answers.isEmpty())
    socket->write(answers);
  if (socket->bytesToWrite() > limits_.maxQueuedAnswerBytes) {
    qCInfo(lcNutServer) << "UPS network client" << c->session.peer << "dropped: it does not read its answers";
    drop(socket);
    return;
  }
  if (c->session.closing) {
    if (socket->bytesToWrite() == 0)
      drop(socket);
    return;
  }
  if (socket->bytesAvailable() > 0)
    QMetaObject::invokeMethod(
        this, [this, socket] { readFrom(socket); }, Qt::QueuedConnection);
}

void NutServer::drop(QTcpSocket *socket)
{
  const auto it = std::find_if(clients.begin(), clients.end(),
                               [socket](const std::unique_ptr<Client> &c) { return c->socket == socket; });
  if (it == clients.end())
    return;
  clients.erase(it);
  refreshSessionList();
  socket->disconnect(this);
  socket->abort();
  socket->deleteLater();
}

void NutServer::dropIdleClients()
{
  std::vector<QTcpSocket *> idle;
  for (const std::unique_ptr<Client> &c : clients) {
    if (c->lastHeard.hasExpired(static_cast<qint64>(limits_.idleSeconds) * 1000))
      idle.push_back(c->socket);
  }
  for (QTcpSocket *socket : idle)
    drop(socket);
}

void NutServer::refreshSessionList()
{
  shared.sessions.clear();
  for (const std::unique_ptr<Client> &c : clients)
    shared.sessions.append(&c->session);
}
