#include "qmlContext.h"

#include "recordMirror.h"
#include "stateParts.h"
#include "trendFeed.h"

#include <QCoreApplication>
#include <QIcon>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QSystemTrayIcon>
#include <QtQml>

namespace
{
template <typename Record>
void publishRecord(QQmlContext *context, const char *typeName, const QString &name, const Record &record)
{
  qRegisterMetaType<Record>(typeName);
  context->setContextProperty(name, QVariant::fromValue(record));
}
// The pages are drawn for Qt Quick Controls' plain style, Qt 5's default. Qt 6 calls it Basic and
// takes a platform style (Fusion on Linux) unless told; a style the user sets still wins.
void usePlainControlsStyle()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
  if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE"))
    QQuickStyle::setStyle(QStringLiteral("Basic"));
#endif
}
} // namespace

void publishQmlContext(QQmlEngine &engine, QObject *mainObject, QObject *eventLogModel)
{
  usePlainControlsStyle();
  QQmlContext *context = engine.rootContext();
  AppState &s = appState();
  context->setContextProperty(QStringLiteral("cppClass"), mainObject);
  context->setContextProperty(QStringLiteral("trendFeed"), new TrendFeed(&engine));
  publishRecord(context, "SignalOutputsStruct", QStringLiteral("signalOutputs"), s.ui.signalOutputs);
  publishRecord(context, "DeviceParameterStruct", QStringLiteral("parameterWindow"), s.ui.parameterWindow);
  publishRecord(context, "ProgramstartWindowStruct", QStringLiteral("programstartWindow"),
                s.ui.programstartWindow);
  publishRecord(context, "StartWindowStruct", QStringLiteral("startWindow"), s.ui.startWindow);
  publishRecord(context, "IpcSettingStruct", QStringLiteral("ipcWindow"), s.ui.ipcWindow);
  publishRecord(context, "MainWindowStruct", QStringLiteral("mainWindow"), s.ui.mainWindow);
  publishRecord(context, "ProcessData", QStringLiteral("processData"), s.ui.processData);
  publishRecord(context, "PcShutdownStruct", QStringLiteral("shutdownWindow"), s.ui.shutdownWindow);
  publishRecord(context, "StatusWindowStruct", QStringLiteral("statusWindow"), s.ui.statusWindow);
  publishRecord(context, "SystemWindowStruct", QStringLiteral("systemWindow"), s.ui.systemWindow);
  context->setContextProperty(QStringLiteral("applicationDirPath"), QCoreApplication::applicationDirPath());
  publishRecord(context, "CompanyDataStruct", QStringLiteral("companyData"), s.ui.companyData);
  publishRecord(context, "EmailWindowStruct", QStringLiteral("emailWindow"), s.ui.emailWindow);
  publishRecord(context, "ProductionWindowStruct", QStringLiteral("productionWindow"), s.ui.productionWindow);
  new RecordMirror(mainObject, context);

  if (s.catalogue.catalogueCount == 0) // the application object has built it already
    rebuildDeviceCatalogue(s);
  QStringList devices{languageText(s.language, 19)};
  devices << selectableModelNames(s.catalogue);
  context->setContextProperty(QStringLiteral("devList"), devices);
  context->setContextProperty(QStringLiteral("langList"), languageNames(s.language));
  context->setContextProperty(QStringLiteral("qmlDataBaseModel"), eventLogModel);

  qmlRegisterType<QSystemTrayIcon>("QSystemTrayIcon", 1, 0, "QSystemTrayIcon");
  qRegisterMetaType<QSystemTrayIcon::ActivationReason>("ActivationReason");
  context->setContextProperty(QStringLiteral("iconTray"), QIcon(s.ui.companyData.logo));
  // Without a tray a hidden window could not be brought back, so the pages ask first.
  context->setContextProperty(QStringLiteral("systemTrayAvailable"),
                              QSystemTrayIcon::isSystemTrayAvailable());
}
