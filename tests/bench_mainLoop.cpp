// Cost of one main-loop tick of the back end with no device attached.
#include "appState.h"
#include "upsApp.h"

#include <QtTest>

class MainLoopBenchmark : public QObject
{
  Q_OBJECT

private slots:
  void tickWithoutDevice()
  {
    resetAppState();
    upsApp app;
    QMetaObject::invokeMethod(&app, "SystemLoop", Qt::DirectConnection); // first tick loads settings
    QBENCHMARK
    {
      QMetaObject::invokeMethod(&app, "SystemLoop", Qt::DirectConnection);
    }
  }
};

QTEST_GUILESS_MAIN(MainLoopBenchmark)
#include "bench_mainLoop.moc"
