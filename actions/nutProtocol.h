// The text protocol of network UPS monitoring clients (upsc, upsmon and the like) for one UPS:
// assembling request lines from the received bytes and answering each line. Knows nothing of
// sockets, so that any bytes can be fed to it in a test or a fuzzer.
#pragma once

#include "common/nutUpsTable.h"

#include <QByteArray>
#include <QVector>

constexpr int nutMaxLineLength = 512; // longer lines get ERR TOO-LONG and are dropped

// One connected client.
struct NutSession {
  QByteArray peer; // the client's address, as LIST CLIENT shows it
  QByteArray username;
  QByteArray password;
  bool usernameSet = false;
  bool passwordSet = false;
  bool loggedIn = false;
  bool primary = false;
  bool closing = false; // LOGOUT: the answer is the last thing sent

  QByteArray pendingLine;    // bytes of a line not yet complete
  bool droppingLine = false; // the current line was too long: skip to its end
};

// What every session shares: the UPS, the one account and the forced-shutdown flags.
struct NutShared {
  NutUpsTable table;
  QByteArray accountUser; // empty: nobody can log in
  QByteArray accountPassword;
  bool clientForcedShutdown = false; // set by a primary's FSD; stays, as clients expect
  bool ownForcedShutdown = false;    // set while this PC is about to shut down
  QVector<const NutSession *> sessions;

  bool forcedShutdown() const { return clientForcedShutdown || ownForcedShutdown; }
  int loginCount() const;
};

// Feeds received bytes into the session; returns the answers to the lines they complete.
QByteArray nutReceive(NutSession &session, NutShared &shared, const QByteArray &bytes);

// The answer to one request line (without its line end), ending in a line end.
QByteArray nutAnswer(NutSession &session, NutShared &shared, const QByteArray &line);

// Splits a request line into words: blanks separate them, double quotes group them, and a
// backslash takes the next character as it is.
QVector<QByteArray> nutWords(const QByteArray &line);
