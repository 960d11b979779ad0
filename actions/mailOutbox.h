// The worker thread that sends the event e-mails, one at a time in the order they were posted, so
// that the main loop never waits for a mail server. Owned by the application object.
#pragma once

#include "actions/emailNotification.h"

#include <QString>
#include <QVector>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

// How long the mails still waiting or on their way get to go out when the program ends.
constexpr std::chrono::milliseconds mailExitWait{5000};

// A mail that did not go out because the program ended first.
struct UnsentMail {
  int emailIndex = 0; // 0 or 1
  QString deviceName;
};

class MailOutbox
{
public:
  MailOutbox();
  // Finishes with `mailExitWait` unless `finish` already ran.
  ~MailOutbox();
  MailOutbox(const MailOutbox &) = delete;
  MailOutbox &operator=(const MailOutbox &) = delete;

  void post(AlarmMail mail);

  // Server certificates of the mails sent from now on are checked against the authorities in this
  // file instead of the system's (for a test server with its own certificate).
  void setCaFile(const QString &path);

  // True when no mail waits and none is being sent. Safe from any thread and never waits, so that
  // the main loop can ask on every tick.
  bool idle() const { return unfinished.load() == 0; }

  // What became of the mails done with since the last call, oldest first; for the main loop to
  // show and log on its tick. Never waits for a mail on its way. A mail cut short by `finish` is
  // not among them: `finish` returns it.
  QVector<MailOutcome> takeOutcomes();

  // Gives the mails still waiting or on their way up to `limit` to go out, then stops the one
  // being sent, drops the rest and ends the thread. Returns the mails that did not go out (each
  // also logged as a warning), oldest first. Later calls return nothing; later posts are dropped.
  QVector<UnsentMail> finish(std::chrono::milliseconds limit);

private:
  void run();

  std::mutex mutex;
  std::condition_variable wake;    // a mail was posted, or the outbox closes
  std::condition_variable drained; // a mail was done with
  std::deque<AlarmMail> queue;
  QVector<MailOutcome> outcomes;
  std::atomic_bool outcomesWaiting{false};
  QString caFile;
  bool closing = false;
  bool finished = false;
  std::optional<UnsentMail> sending;     // the mail on its way
  std::optional<UnsentMail> cutByFinish; // the mail that the stop cut short
  std::atomic_int unfinished{0};         // waiting or on their way
  std::atomic_bool stop{false};
  std::thread worker;
};
