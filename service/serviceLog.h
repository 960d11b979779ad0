// The service log shown on the production page: the firmware update, the adapter's EEPROM
// programming and the adapter listing append to it, from whichever thread runs them; the main
// loop reads it on the GUI thread.
#pragma once

#include "serviceReport.h"

#include <QMutex>
#include <QString>

#include <memory>

class ServiceLog
{
public:
  // Appends; an empty text clears the log.
  void append(const QString &text);
  void dropTail(int count);
  void setProgress(int permille);
  QString text() const;
  // 0..1000 of the running transfer; -1 when none has started.
  int progress() const;

private:
  mutable QMutex mutex;
  QString content;
  int permille = -1;
};

// A report into `log` that keeps the log alive as long as a tool still writes to it.
ServiceReport serviceReport(const std::shared_ptr<ServiceLog> &log);
