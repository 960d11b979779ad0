// Sends mail messages to an SMTP server, on libcurl. One client serves one session: connect,
// log in, send, quit. Every step blocks until it is done, failed or stopped.
#pragma once

#include <QString>

#include <atomic>
#include <memory>

class MimeMessage;

// Time limits of a session. A step fails when the server cannot be reached within `connect`,
// leaves a command unanswered for `response`, sends or takes no data for `stall`, or when the
// step as a whole takes longer than `step` seconds.
struct SmtpTimeouts {
  int connectSeconds = 15;
  int responseSeconds = 30;
  int stallSeconds = 30;
  int stepSeconds = 60;
};

class SmtpClient
{
public:
  enum ConnectionType {
    TcpConnection = 0, // plain
    SslConnection = 1, // TLS from the first byte
    TlsConnection = 2  // plain, then STARTTLS before anything else is sent
  };

  // Another connection type number is taken as a plain connection. Port 0 means the usual port
  // of the connection type.
  SmtpClient(const QString &host, int port = 0, int connectionType = TcpConnection);
  ~SmtpClient();
  SmtpClient(const SmtpClient &) = delete;
  SmtpClient &operator=(const SmtpClient &) = delete;

  // With no user the session does without login.
  void setUser(const QString &user);
  void setPassword(const QString &password);
  // Server certificates are checked against the authorities in this file instead of the
  // system's trusted ones.
  void setCaFile(const QString &path);
  void setTimeouts(const SmtpTimeouts &timeouts);
  // A running step gives up soon after the flag is set (used when the application closes).
  void setStopFlag(const std::atomic_bool *stop);

  // Opens the session: the server has greeted, TLS is up where asked for, and the login has been
  // tried when a user is set. False when the server could not be reached.
  bool connectToHost();
  // The outcome of the login; true when there is no user.
  bool login();
  // Hands the message to the server for its To and Cc recipients, with the sender as the
  // envelope sender. True when the server accepted it.
  bool sendMail(const MimeMessage &message);
  // Ends the session.
  void quit();

  // Why the last step failed: libcurl's error text and the server's last answer.
  QString lastError() const;
  // The largest message the server takes, as its greeting announced (SMTP SIZE); 0 when it named no
  // limit. Known once connected.
  qint64 announcedSizeLimit() const;
  // Whether the last failed sendMail was refused for the message itself (its size or content, 552
  // or 554) rather than for a recipient or the connection.
  bool messageRefused() const;

private:
  struct Session;
  std::unique_ptr<Session> d;
};
