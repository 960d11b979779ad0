#include "serviceLog.h"

void ServiceLog::append(const QString &text)
{
  QMutexLocker lock(&mutex);
  if (text.isEmpty()) {
    content.clear();
    permille = -1;
  }
  content += text;
}

void ServiceLog::dropTail(int count)
{
  QMutexLocker lock(&mutex);
  content.chop(count);
}

void ServiceLog::setProgress(int value)
{
  QMutexLocker lock(&mutex);
  permille = value;
}

QString ServiceLog::text() const
{
  QMutexLocker lock(&mutex);
  return content;
}

int ServiceLog::progress() const
{
  QMutexLocker lock(&mutex);
  return permille;
}

ServiceReport serviceReport(const std::shared_ptr<ServiceLog> &log)
{
  ServiceReport r;
  r.log = [log](const QString &text) { log->append(text); };
  r.dropTail = [log](int count) { log->dropTail(count); };
  r.progress = [log](int value) { log->setProgress(value); };
  return r;
}
