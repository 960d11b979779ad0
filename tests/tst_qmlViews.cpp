// View logic of the pages, run by Qt Quick Test with the files under tests/qml. The pages talk to
// a command recorder in place of the application object.
#include "qml/commandRecorder.h"

#include "app/appState.h"
#include "app/qmlContext.h"
#include "common/languageTable.h"
#include "common/vendorData.h"

#include <QApplication>
#include <QDir>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>

class ViewTestSetup : public QObject
{
  Q_OBJECT
public slots:
  void qmlEngineAvailable(QQmlEngine *engine)
  {
    // The file dialogs keep their settings under the application's names.
    QCoreApplication::setOrganizationName(QStringLiteral("Norvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Talvane tests"));
    resetAppState();
    AppState &s = appState();
    fillLanguageTable(s.language);
    fillCompanyData(s.ui.companyData, s.vendor, QCoreApplication::applicationDirPath());
    publishQmlContext(*engine, &recorder, nullptr);
  }

private:
  CommandRecorder recorder;
};

// The program runs on a QApplication (the tray icon, the widget fallback of the file dialogs), and
// so do the pages here; Qt Quick Test uses the application it finds. The pages get a home folder of
// their own, with the documents folder the export choosers start in.
int main(int argc, char **argv)
{
  QTemporaryDir home;
  QDir(home.path()).mkpath(QStringLiteral("Documents"));
  qputenv("HOME", QFile::encodeName(home.path()));
  qunsetenv("XDG_CONFIG_HOME");
  QApplication application(argc, argv);
  QTEST_SET_MAIN_SOURCE_PATH
  ViewTestSetup setup;
  return quick_test_main_with_setup(argc, argv, "qmlViews", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "tst_qmlViews.moc"
