#include "quitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
// The signal handler may only write to a descriptor; the event loop reads the other end.
int signalPipe[2] = {-1, -1};

void writeToSignalPipe(int)
{
  const char byte = 1;
  [[maybe_unused]] ssize_t written = ::write(signalPipe[0], &byte, 1);
}
} // namespace
#endif

QuitOnSignal::QuitOnSignal(QObject *parent) : QObject(parent)
{
#ifdef Q_OS_UNIX
  if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
    return;
  notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, &QuitOnSignal::onSignalReceived);

  struct sigaction action = {};
  action.sa_handler = writeToSignalPipe;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP})
    ::sigaction(sig, &action, nullptr);
#endif
}

QuitOnSignal::~QuitOnSignal()
{
#ifdef Q_OS_UNIX
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  for (int sig : {SIGTERM, SIGINT, SIGHUP})
    ::sigaction(sig, &action, nullptr);
#endif
}

void QuitOnSignal::onSignalReceived()
{
#ifdef Q_OS_UNIX
  char byte = 0;
  [[maybe_unused]] ssize_t got = ::read(signalPipe[1], &byte, 1);
#endif
  QCoreApplication::quit();
}
