// Cost of one main-loop tick of the back end with no device attached.
#include "app/appState.h"
#include "app/upsApp.h"
#include "temporaryWorkingDirectory.h"

#include <QtTest>

class MainLoopBenchmark : public QObject
{
  Q_OBJECT

  TemporaryWorkingDirectory workDir;

  static void tick(upsApp &app) { QMetaObject::invokeMethod(&app, "SystemLoop", Qt::DirectConnection); }

private slots:
  // Port closed by the user: the loop only refreshes the records.
  void tickWithPortClosed()
  {
    resetAppState();
    upsApp app;
    tick(app); // the first tick loads the settings
    appState().link.set(LinkFlag::autoDetect, false);
    appState().link.set(LinkFlag::portSuspended, true);
    QBENCHMARK
    {
      tick(app);
    }
  }

  // Automatic detection with nothing answering: the scan opens, writes to and restarts the ports.
  void tickWhileScanning()
  {
    resetAppState();
    upsApp app;
    tick(app);
    QBENCHMARK
    {
      tick(app);
    }
  }

  // The longest of the ticks over a few seconds of scanning at the loop's pace, so the 2-second
  // refresh of the system's port list falls into it; printed, not judged.
  void longestTickWhileScanning()
  {
    resetAppState();
    upsApp app;
    tick(app);
    qint64 longest = 0;
    QElapsedTimer run;
    run.start();
    while (run.elapsed() < 4500) {
      QTest::qWait(100);
      QElapsedTimer one;
      one.start();
      tick(app);
      longest = qMax(longest, one.nsecsElapsed());
    }
    qInfo("longest tick while scanning: %.2f ms", longest / 1e6);
  }
};

QTEST_GUILESS_MAIN(MainLoopBenchmark)
#include "bench_mainLoop.moc"
