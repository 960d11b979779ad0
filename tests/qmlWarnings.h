// Collects the warnings that name a page file (binding errors, deprecated QML) while it lives, for
// tests that want the pages to run without one. Messages still reach the test log.
#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

class QmlWarnings
{
public:
  QmlWarnings()
  {
    current() = this;
    previous = qInstallMessageHandler(handle);
  }
  ~QmlWarnings()
  {
    qInstallMessageHandler(previous);
    current() = nullptr;
  }
  QmlWarnings(const QmlWarnings &) = delete;
  QmlWarnings &operator=(const QmlWarnings &) = delete;

  QStringList seen() const
  {
    QMutexLocker lock(&mutex);
    return messages;
  }

private:
  static QmlWarnings *&current()
  {
    static QmlWarnings *instance = nullptr;
    return instance;
  }

  static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
  {
    QmlWarnings *self = current();
    if (!self)
      return;
    if (type != QtDebugMsg && type != QtInfoMsg && message.contains(QLatin1String("qrc:/qml/"))) {
      QMutexLocker lock(&self->mutex);
      self->messages << message;
    }
    if (self->previous)
      self->previous(type, context, message);
  }

  mutable QMutex mutex;
  QStringList messages;
  QtMessageHandler previous = nullptr;
};
