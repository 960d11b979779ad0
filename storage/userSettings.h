// The user's per-device settings for the event actions, as held in memory: the two program starts
// with their delays and the two e-mails. The database is the master copy (see settingsStore.h).
#pragma once

#include <QString>

#include <cstdint>

struct EmailConfig {
  QString user; // login name, also the mail's sender address
  QString password;
  QString coding; // connection type: 0 plain, 1 SSL/TLS, 2 STARTTLS
  QString server;
  QString port;
  QString subject;
  QString cc;
  QString from; // the sender when no login user is set
  QString to;
  QString text;
  bool attachReport = false;
  QString path;            // a file attached to every mail
  uint32_t signalMask = 0; // bit 0: active; bit k: send on device event k
};

struct ProgramStartConfig {
  QString path;
  uint32_t signalMask = 0; // bit 0: active; bit k: start on device event k
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  int delaySeconds() const { return (hours * 60 + minutes) * 60 + seconds; }
};

struct UserSettingsState {
  ProgramStartConfig program[2];
  EmailConfig email[2];
  // Set by every write and by a full refresh: the next tick reads the group from the database.
  bool programReload = false;
  bool delayReload = false;
  bool emailReload = false;
};
