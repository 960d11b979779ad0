// Runs tools/bootloader_simulator.py (the device's USB adapter with the controller's bootloader
// behind it) as a child process for a test, and collects what it logs.
#pragma once

#include <QDir>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "service/serviceReport.h"

class BootloaderSimulatorProcess
{
public:
  // With no "--pty" among the arguments the simulator serves the adapter on a socket in a
  // temporary folder.
  explicit BootloaderSimulatorProcess(QStringList arguments)
  {
    const bool pty = arguments.contains(QStringLiteral("--pty"));
    if (!pty)
      arguments << QStringLiteral("--socket") << folder.filePath(QStringLiteral("adapter"));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/usr/bin/python3"),
                  QStringList{QStringLiteral(BOOTLOADER_SIMULATOR_SCRIPT)} + arguments);
    const QString ready = pty ? QStringLiteral("PTY ") : QStringLiteral("SOCKET ");
    QElapsedTimer waited;
    waited.start();
    while (address.isEmpty() && waited.elapsed() < 10000 && process.state() != QProcess::NotRunning) {
      process.waitForReadyRead(100);
      for (const QString &line : collect())
        if (line.startsWith(ready))
          address = line.mid(ready.size());
    }
  }

  ~BootloaderSimulatorProcess()
  {
    process.write("quit\n");
    if (!process.waitForFinished(3000))
      process.kill();
  }

  const QStringList &collect()
  {
    pending += process.readAllStandardOutput();
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
      log << QString::fromUtf8(pending.left(end));
      pending.remove(0, end + 1);
    }
    return log;
  }

  QStringList matching(const QString &pattern)
  {
    collect();
    return log.filter(QRegularExpression(pattern));
  }

  QTemporaryDir folder;
  QProcess process;
  QString address; // the socket's or the pseudo-terminal's path
  QStringList log;

private:
  QByteArray pending;
};

// The service log as a test sees it; the update writes it from its own thread.
class CollectedServiceLog
{
public:
  ServiceReport report()
  {
    ServiceReport r;
    r.log = [this](const QString &t) {
      QMutexLocker lock(&mutex);
      if (t.isEmpty())
        content.clear();
      content += t;
    };
    r.dropTail = [this](int count) {
      QMutexLocker lock(&mutex);
      content.chop(count);
    };
    r.progress = [this](int permille) {
      QMutexLocker lock(&mutex);
      lastProgress = permille;
    };
    return r;
  }

  QString text()
  {
    QMutexLocker lock(&mutex);
    return content;
  }

  int progress()
  {
    QMutexLocker lock(&mutex);
    return lastProgress;
  }

private:
  QMutex mutex;
  QString content;
  int lastProgress = -1;
};
