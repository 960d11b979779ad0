// Ends the event loop on SIGTERM, SIGINT and SIGHUP, so that the application's stop sequence
// runs when a desktop session ends or the program is stopped from a terminal.
#pragma once

#include <QObject>

class QSocketNotifier;

class QuitOnSignal : public QObject
{
  Q_OBJECT

public:
  explicit QuitOnSignal(QObject *parent = nullptr);
  ~QuitOnSignal() override;

private:
  void onSignalReceived();

  QSocketNotifier *notifier = nullptr;
};
