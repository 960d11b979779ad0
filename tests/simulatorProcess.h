// Runs the project's device simulator (tools/ups_simulator.py) as a child process for a test and
// collects what it logs.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

class SimulatorProcess
{
public:
  explicit SimulatorProcess(const QStringList &arguments)
  {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/usr/bin/python3"),
                  QStringList{QStringLiteral(SIMULATOR_SCRIPT)} + arguments);
    if (!process.waitForStarted(5000))
      return;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
      collect();
      if (!ports.isEmpty() && log.size() > ports.size()) // the DEVICE line follows the PTY lines
        break;
      process.waitForReadyRead(100);
    }
  }

  ~SimulatorProcess()
  {
    command(QStringLiteral("quit"));
    if (!process.waitForFinished(3000))
      process.kill();
  }

  void command(const QString &text)
  {
    process.write((text + QLatin1Char('\n')).toUtf8());
    process.waitForBytesWritten(1000);
  }

  // Reads what the simulator logged since the last call; returns all lines so far.
  const QStringList &collect()
  {
    pending += process.readAllStandardOutput();
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
      const QString line = QString::fromUtf8(pending.left(end));
      pending.remove(0, end + 1);
      log << line;
      if (line.startsWith(QLatin1String("PTY ")))
        ports << line.mid(4);
    }
    return log;
  }

  // Log lines matching `pattern`, from line `from` on.
  QStringList matching(const QString &pattern, int from = 0)
  {
    collect();
    const QRegularExpression re(pattern);
    QStringList found;
    for (int i = from; i < log.size(); ++i) {
      if (re.match(log.at(i)).hasMatch())
        found << log.at(i);
    }
    return found;
  }

  QProcess process;
  QStringList ports;
  QStringList log;

private:
  QByteArray pending;
};
