// The worker thread that sends the event e-mails, one at a time in the order they were posted, so
// that the main loop never waits for a mail server. Owned by the application object.
#pragma once

#include "actions/emailNotification.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class MailOutbox
{
public:
  MailOutbox();
  // Drops the mails still waiting, stops the one being sent and waits for the thread to end.
  ~MailOutbox();
  MailOutbox(const MailOutbox &) = delete;
  MailOutbox &operator=(const MailOutbox &) = delete;

  void post(AlarmMail mail);

  // Server certificates of the mails sent from now on are checked against the authorities in this
  // file instead of the system's (for a test server with its own certificate).
  void setCaFile(const QString &path);

private:
  void run();

  std::mutex mutex;
  std::condition_variable wake;
  std::deque<AlarmMail> queue;
  QString caFile;
  bool closing = false;
  std::atomic_bool stop{false};
  std::thread worker;
};
