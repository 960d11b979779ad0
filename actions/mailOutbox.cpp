#include "mailOutbox.h"

#include <curl/curl.h>

MailOutbox::MailOutbox()
{
  // libcurl's global set-up, before the thread uses it.
  curl_global_init(CURL_GLOBAL_DEFAULT);
  worker = std::thread(&MailOutbox::run, this);
}

MailOutbox::~MailOutbox()
{
  {
    std::lock_guard<std::mutex> lock(mutex);
    closing = true;
    queue.clear();
  }
  stop = true;
  wake.notify_all();
  worker.join();
  curl_global_cleanup();
}

void MailOutbox::post(AlarmMail mail)
{
  {
    std::lock_guard<std::mutex> lock(mutex);
    queue.push_back(std::move(mail));
  }
  wake.notify_one();
}

void MailOutbox::setCaFile(const QString &path)
{
  std::lock_guard<std::mutex> lock(mutex);
  caFile = path;
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
      settings.caFile = caFile;
    }
    settings.stop = &stop;
    sendAlarmMail(mail, settings);
  }
}
