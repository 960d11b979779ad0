// View logic of the pages, run by Qt Quick Test with the files under tests/qml. The pages talk to
// a command recorder in place of the application object.
#include "qml/commandRecorder.h"

#include "app/appState.h"
#include "app/qmlContext.h"
#include "common/languageTable.h"
#include "common/vendorData.h"

#include <QCoreApplication>
#include <QQmlEngine>
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

QUICK_TEST_MAIN_WITH_SETUP(qmlViews, ViewTestSetup)

#include "tst_qmlViews.moc"
