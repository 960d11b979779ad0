// The local SMTP server (tests/mailTestServer.py) as a child process of a test.
#pragma once

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class MailServerProcess
{
public:
  // `options` as tests/mailTestServer.py takes them, such as {"--auth", "user:password"}.
  explicit MailServerProcess(const QStringList &options = {})
  {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/usr/bin/python3"),
                  QStringList{QStringLiteral(MAIL_SERVER_SCRIPT), QStringLiteral("--dir"), folder.path()} +
                      options);
    QElapsedTimer waited;
    waited.start();
    while (port == 0 && waited.elapsed() < 10000) {
      process.waitForReadyRead(100);
      output += process.readAllStandardOutput();
      const int at = output.indexOf("PORT ");
      const int end = output.indexOf('\n', at);
      if (at >= 0 && end > at)
        port = output.mid(at + 5, end - at - 5).toInt();
    }
  }
  ~MailServerProcess()
  {
    process.closeWriteChannel(); // the server ends when its input closes
    if (!process.waitForFinished(5000))
      process.kill();
  }

  // The messages received so far, in order of arrival.
  QList<QJsonObject> mails() const
  {
    QList<QJsonObject> found;
    for (int n = 1;; ++n) {
      QFile file(folder.filePath(QStringLiteral("%1.json").arg(n)));
      if (!file.open(QIODevice::ReadOnly))
        return found;
      found << QJsonDocument::fromJson(file.readAll()).object();
    }
  }

  int port = 0;

private:
  QTemporaryDir folder;
  QProcess process;
  QByteArray output;
};
