// Serves the UPS to other machines over TCP in the protocol of network UPS monitoring clients.
// Everything runs in the event loop of the main thread without waiting: sockets are read when
// they have data, answers are queued, and a client that floods, stalls or idles is dropped
// without holding up anyone else.
#pragma once

#include "nutProtocol.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class QTcpServer;
class QTcpSocket;

struct NutServerLimits {
  int maxClients = 64;
  int idleSeconds = 60;                  // a client that sends nothing for this long is dropped
  qint64 maxQueuedAnswerBytes = 1 << 18; // a client that does not read its answers is dropped
};

class NutServer : public QObject
{
  Q_OBJECT

public:
  explicit NutServer(QObject *parent = nullptr);
  ~NutServer() override;

  // Starts listening; false (and the reason in the log) when the address cannot be used.
  bool listen(const QHostAddress &address, quint16 port);
  void close();
  bool isListening() const;
  quint16 port() const;
  QHostAddress address() const;

  void setLimits(const NutServerLimits &limits) { limits_ = limits; }
  void setAccount(const QByteArray &user, const QByteArray &password);
  // The UPS as it is now; called every main-loop tick.
  void publish(const NutUpsTable &table) { shared.table = table; }
  // This PC is about to shut down: every client is told to shut down first.
  void setOwnForcedShutdown(bool on) { shared.ownForcedShutdown = on; }
  bool forcedShutdown() const { return shared.forcedShutdown(); }
  // Clients logged in to the UPS (machines drawing power from it).
  int loginCount() const { return shared.loginCount(); }
  int clientCount() const { return static_cast<int>(clients.size()); }

private:
  struct Client {
    QTcpSocket *socket = nullptr;
    NutSession session;
    QElapsedTimer lastHeard;
  };

  void acceptClients();
  void readFrom(QTcpSocket *socket);
  void drop(QTcpSocket *socket);
  void dropIdleClients();
  Client *clientOf(QTcpSocket *socket);
  void refreshSessionList();

  QTcpServer *server = nullptr;
  std::vector<std::unique_ptr<Client>> clients;
  NutShared shared;
  NutServerLimits limits_;
  QTimer idleCheck;
};
