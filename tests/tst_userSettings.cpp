// The event-action settings of a device: the stored e-mail strings, the page commands that write
// them, and factory settings, save and restore through the backup columns, on a real database file.
#include "app/appState.h"
#include "app/stateParts.h"
#include "app/upsApp.h"
#include "storage/emailSettingsText.h"
#include "storage/settingsStore.h"
#include "storage/upsDataBase.h"
#include "temporaryWorkingDirectory.h"

#include <QtTest>

#include <memory>

class EmailTextTest : public QObject
{
  Q_OBJECT

private slots:
  void plainValuesAreStoredAsTokens()
  {
    EmailConfig e;
    e.server = "smtp.example.org";
    e.user = "ups@example.org";
    e.password = "s3cret";
    e.port = "587";
    e.coding = "2";
    e.from = "ups@example.org";
    e.to = "plant@example.org";
    e.cc = "service@example.org";
    e.subject = "UPS alarm";
    e.attachReport = true;
    QCOMPARE(emailConfigText(e), QStringLiteral("1:smtp.example.org 2:ups@example.org 3:s3cret 4:587 5:2 "));
    QCOMPARE(emailMessageText(e),
             QStringLiteral("1:ups@example.org 2:plant@example.org 4:service@example.org "
                            "5:UPS$#*@€alarm 7:1 "));
  }

  void valuesComeBackWhole_data()
  {
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("password");
    QTest::newRow("plain") << "Alarm"
                           << "secret";
    QTest::newRow("blanks") << "UPS  on battery "
                            << "my pass word";
    QTest::newRow("colons") << "Hall 3: UPS"
                            << "a:b:c";
    QTest::newRow("both") << "Time: 10:00 now"
                          << ": x :";
    QTest::newRow("percent and marker") << "100% ok"
                                        << "50% $#*@€";
    QTest::newRow("empty") << ""
                           << "";
  }
  void valuesComeBackWhole()
  {
    QFETCH(QString, subject);
    QFETCH(QString, password);
    EmailConfig written;
    written.server = "mail.example.org";
    written.subject = subject;
    written.password = password;
    EmailConfig read;
    readEmailConfigText(emailConfigText(written), read);
    readEmailMessageText(emailMessageText(written), read);
    QCOMPARE(read.subject, subject);
    QCOMPARE(read.password, password);
    QCOMPARE(read.server, written.server);
  }

  void unknownAndBrokenTokensAreSkipped()
  {
    EmailConfig e;
    readEmailConfigText(QStringLiteral("  9:x 1:host  zz:1 4 2:me "), e);
    QCOMPARE(e.server, QStringLiteral("host"));
    QCOMPARE(e.user, QStringLiteral("me"));
    QCOMPARE(e.port, QString()); // a token without a value gives an empty value
  }
};

class SettingsStoreTest : public QObject
{
  Q_OBJECT

  std::unique_ptr<TemporaryWorkingDirectory> workDir;
  std::unique_ptr<upsApp> app;

  void tick() { QMetaObject::invokeMethod(app.get(), "SystemLoop", Qt::DirectConnection); }

  QString stored(const QString &table, const QString &column)
  {
    Ups_DataBase &db = *appState().storage.database;
    const QStringList values = db.ReadRow_fromDatabase(table, column, db.deviceRow(table, "VT-40A"));
    return values.value(0);
  }

  void editEverything(const QString &subject)
  {
    app->receiveFromQml_SetEmailEvent_CheckBox(0, 0, true);
    app->receiveFromQml_SetEmailEvent_CheckBox(0, 4, true);
    app->receiveFromQml_SetEmailConfig(0, 1, "smtp.example.org");
    app->receiveFromQml_SetEmailConfig(0, 3, "pass word");
    app->receiveFromQml_SetEmailConfig(0, 5, "2");
    app->receiveFromQml_SetEmailMessage(0, 2, " plant @example.org ");
    app->receiveFromQml_SetEmailMessage(0, 5, subject);
    app->receiveFromQml_SetEmailMessage(0, 6, "Look at the UPS.\nNow.");
    app->receiveFromQml_SetEmailMessage(1, 7, "1");
    app->receiveFromQml_SetProgramStartEvent_CheckBox(1, 0, true);
    app->receiveFromQml_SetProgramStartEvent_CheckBox(1, 15, true);
    app->receiveFromQml_SetProgramStartPath_FileDialog(
        QUrl::fromLocalFile("/opt/my tools/alarm.sh").toString(), 1);
    app->receiveFromQml_SetProgramstartTimeConfig(1, 2, 30);
    app->receiveFromQml_IpcPage_CheckBox(3, true);
    tick();
  }

private slots:
  void init()
  {
    workDir = std::make_unique<TemporaryWorkingDirectory>();
    resetAppState();
    app = std::make_unique<upsApp>();
    tick();
    appState().link.set(LinkFlag::autoDetect, false);
    appState().link.set(LinkFlag::portSuspended, true);
    app->receiveFromQml_GetDevicesImage("VT-40A");
    tick();
  }
  void cleanup()
  {
    app.reset();
    workDir.reset();
  }

  void editsAreStoredAndShown()
  {
    editEverything("UPS  alarm in hall 3");
    const EmailWindowStruct &e = appState().ui.emailWindow;
    QVERIFY(e.e1_activ && e.e1_signal4 && !e.e1_signal3);
    QCOMPARE(e.email1_ServerValue, QStringLiteral("smtp.example.org"));
    QCOMPARE(e.email1_PasswordValue, QStringLiteral("pass word"));
    QCOMPARE(e.email1_CodingValue, 2);
    QCOMPARE(e.email1_ToValue, QStringLiteral("plant@example.org")); // blanks removed
    QCOMPARE(e.email1_SubjectValue, QStringLiteral("UPS  alarm in hall 3"));
    QCOMPARE(e.email1_TextValue, QStringLiteral("Look at the UPS.\nNow."));
    QVERIFY(e.eventReport_Attachment_active_2 && !e.eventReport_Attachment_active_1);
    QVERIFY(stored("Email", "email1_message")
                .contains(QStringLiteral("5:UPS$#*@€$#*@€alarm$#*@€in$#*@€hall$#*@€3 ")));

    const ProgramstartWindowStruct &p = appState().ui.programstartWindow;
    QVERIFY(p.p2_activ && p.p2_signal15 && !p.p1_activ);
    QCOMPARE(p.p2_path, QStringLiteral("/opt/my tools/alarm.sh"));
    QCOMPARE(p.Minutes2_CurrentIndex, 30);
    QCOMPARE(appState().settings.program[1].delaySeconds(), 30 * 60);
    QCOMPARE(stored("Programstart", "program2_value"), QString::number((1u << 15) | 1u));
  }

  void settingsSurviveARestart()
  {
    editEverything("Subject with blanks");
    app.reset();
    resetAppState();
    app = std::make_unique<upsApp>();
    tick();
    app->receiveFromQml_GetDevicesImage("VT-40A");
    tick();
    QCOMPARE(appState().ui.emailWindow.email1_SubjectValue, QStringLiteral("Subject with blanks"));
    QCOMPARE(appState().ui.emailWindow.email1_PasswordValue, QStringLiteral("pass word"));
    QCOMPARE(appState().ui.programstartWindow.p2_path, QStringLiteral("/opt/my tools/alarm.sh"));
  }

  void factorySaveEditRestore()
  {
    QVERIFY(setFactoryUserSettings(appState().settings, deviceRows(appState())));
    tick();
    QCOMPARE(stored("Programstart", "program1_path"), QStringLiteral(" "));
    QCOMPARE(stored("Programstart", "program2_value"), QStringLiteral("0"));

    editEverything("Saved subject  here");
    saveUserSettings(deviceRows(appState()), shutdownChoice(appState()));
    editEverything("Changed");
    app->receiveFromQml_SetEmailConfig(0, 1, "other.example.org");
    app->receiveFromQml_SetProgramstartTimeConfig(1, 2, 5);
    app->receiveFromQml_IpcPage_CheckBox(3, false);
    tick();
    const std::optional<ShutdownChoice> restored =
        restoreUserSettings(appState().settings, deviceRows(appState()));
    QVERIFY(restored && restored->pcShutdownEnable);
    tick();
    const EmailWindowStruct &e = appState().ui.emailWindow;
    QCOMPARE(e.email1_SubjectValue, QStringLiteral("Saved subject  here"));
    QCOMPARE(e.email1_ServerValue, QStringLiteral("smtp.example.org"));
    QCOMPARE(appState().ui.programstartWindow.Minutes2_CurrentIndex, 30);
  }

  void restoreKeepsGroupsThatWereNeverSaved()
  {
    editEverything("Live");
    QVERIFY(!restoreUserSettings(appState().settings, deviceRows(appState()))); // nothing saved yet
    tick();
    QCOMPARE(appState().ui.emailWindow.email1_SubjectValue, QStringLiteral("Live"));
    QVERIFY(appState().ui.emailWindow.e1_activ);
    QVERIFY(appState().ui.shutdownWindow.pcShutdownEnable);
  }

  void nothingIsWrittenWithoutADevice()
  {
    app->receiveFromQml_GetDevicesImage("No such model");
    app->receiveFromQml_SetEmailConfig(0, 1, "smtp.example.org");
    app->receiveFromQml_SetProgramStartEvent_CheckBox(0, 0, true);
    QCOMPARE(stored("Email", "email1_config"), QString());
    QCOMPARE(stored("Programstart", "program1_value"), QString());
    // Neither memory nor a row of a nameless device takes the values.
    QVERIFY(appState().settings.email[0].server.isEmpty());
    QCOMPARE(appState().settings.program[0].signalMask, 0u);
    QCOMPARE(appState().storage.database->Get_dbID_forThisDevice("Email", ""), uint16_t(0));
    QCOMPARE(appState().storage.database->Get_dbID_forThisDevice("Programstart", ""), uint16_t(0));
  }

  void outOfRangeNumbersAreIgnored()
  {
    app->receiveFromQml_SetEmailConfig(2, 1, "x");
    app->receiveFromQml_SetEmailMessage(0, 8, "x");
    app->receiveFromQml_SetProgramstartTimeConfig(0, 1, 256);
    app->receiveFromQml_SetProgramstartTimeConfig(0, 4, 1);
    app->receiveFromQml_SetProgramStartEvent_CheckBox(0, 40, true);
    tick();
    QCOMPARE(appState().settings.program[0].delaySeconds(), 0);
    QCOMPARE(appState().settings.program[0].signalMask, 0u);
  }
};

int main(int argc, char **argv)
{
  QGuiApplication application(argc, argv);
  int status = 0;
  {
    EmailTextTest test;
    status |= QTest::qExec(&test, argc, argv);
  }
  {
    SettingsStoreTest test;
    status |= QTest::qExec(&test, argc, argv);
  }
  return status;
}

#include "tst_userSettings.moc"
