#include "mailOutbox.h"

#include "common/logging.h"

#include <curl/curl.h>

namespace
{
UnsentMail summaryOf(const AlarmMail &mail)
{
  return {mail.emailIndex, mail.deviceName};
}
} // namespace

MailOutbox::MailOutbox()
{
  // libcurl's global set-up, before the thread uses it.
  curl_global_init(CURL_GLOBAL_DEFAULT);
  worker = std::thread(&MailOutbox::run, this);
}

MailOutbox::~MailOutbox()
{
  finish(mailExitWait);
  curl_global_cleanup();
}

void MailOutbox::post(AlarmMail mail)
{
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (closing) {
      qCWarning(lcMail) << "e-mail" << mail.emailIndex + 1 << "not sent: the program is ending";
      return;
    }
    ++unfinished;
    queue.push_back(std::move(mail));
  }
  wake.notify_one();
}

void MailOutbox::setCaFile(const QString &path)
{
  std::lock_guard<std::mutex> lock(mutex);
  caFile = path;
}

QVector<MailOutcome> MailOutbox::takeOutcomes()
{
  QVector<MailOutcome> taken;
  if (!outcomesWaiting)
    return taken;
  std::lock_guard<std::mutex> lock(mutex);
  taken.swap(outcomes);
  outcomesWaiting = false;
  return taken;
}

QVector<UnsentMail> MailOutbox::finish(std::chrono::milliseconds limit)
{
  QVector<UnsentMail> unsent;
  {
    std::unique_lock<std::mutex> lock(mutex);
    if (finished)
      return unsent;
    finished = true;
    drained.wait_for(lock, limit, [this] { return queue.empty() && !sending; });
    closing = true;
    for (const AlarmMail &mail : queue)
      unsent << summaryOf(mail);
    queue.clear();
  }
  stop = true; // cuts the mail on its way short
  wake.notify_all();
  worker.join();
  if (cutByFinish)
    unsent.prepend(*cutByFinish); // it was posted before those still waiting
  unfinished = 0;
  for (const UnsentMail &mail : unsent)
    qCWarning(lcMail) << "e-mail" << mail.emailIndex + 1 << "of" << mail.deviceName
                      << "not sent before the program ended";
  return unsent;
}

void MailOutbox::run()
{
  for (;;) {
    AlarmMail mail;
    MailSendSettings settings;
    {
      std::unique_lock<std::mutex> lock(mutex);
      wake.wait(lock, [this] { return closing || !queue.empty(); });
      if (closing)
        return;
      mail = std::move(queue.front());
      queue.pop_front();
      sending = summaryOf(mail);
      settings.caFile = caFile;
    }
    settings.stop = &stop;
    writeMailReport(mail);
    MailOutcome outcome;
    const int result = sendAlarmMail(mail, settings, &outcome);
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (result != 0 && stop) {
        cutByFinish = sending;
      } else {
        outcomes << outcome;
        outcomesWaiting = true;
      }
      sending.reset();
      --unfinished;
    }
    drained.notify_all();
  }
}
