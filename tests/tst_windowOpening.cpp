// The real window and back end with the stored open-maximised option: the window follows the option
// that the first tick loads from the database (not the defaults the window is built with) and then
// fills no more than the screen's free area.
#include "realWindow.h"
#include "temporaryWorkingDirectory.h"

#include <QQuickWindow>
#include <QScreen>
#include <QtTest>

class WindowOpeningTest : public QObject
{
  Q_OBJECT

private slots:
  void initTestCase()
  {
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
  }

  void followsTheStoredOption_data()
  {
    QTest::addColumn<bool>("maximised");
    QTest::newRow("open maximised") << true;
    QTest::newRow("open normal") << false;
  }

  void followsTheStoredOption()
  {
    QFETCH(bool, maximised);
    TemporaryWorkingDirectory workDir;
    RealWindow real(QStringList{}, maximised);
    QVERIFY(real.window);
    QCOMPARE(real.window->visibility(), QWindow::Windowed); // the settings are not loaded yet

    // The first record carries the loaded settings; the window takes the option from it.
    QTRY_VERIFY(real.window->property("openingOptionApplied").toBool());
    QVERIFY(appState().loop.generalSettingsLoaded);
    QTRY_COMPARE(real.window->visibility(), maximised ? QWindow::Maximized : QWindow::Windowed);
    if (maximised) {
      const QRect free = real.window->screen()->availableGeometry();
      QTRY_VERIFY2(free.contains(real.window->geometry()), qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                                                          .arg(real.window->width())
                                                                          .arg(real.window->height())
                                                                          .arg(free.width())
                                                                          .arg(free.height())));
    } else {
      QCOMPARE(real.window->size(), QSize(1280, 800)); // the size the test set stays
    }
  }
};

QTEST_MAIN(WindowOpeningTest)

#include "tst_windowOpening.moc"
