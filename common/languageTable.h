// The English and German texts that the back end shows or writes into the event log.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

constexpr int languageSlotCount = 296;
// Slots from 227 on hold the messages of the application's own safeguards.
namespace TextSlot
{
constexpr int importSameFile = 227;
constexpr int importNotADatabase = 228;
constexpr int saveParametersOffline = 229;
constexpr int pcShutdownFailed = 230;
constexpr int importFailed = 231;
constexpr int noConnectionSince = 232; // %1: the time the link was lost
constexpr int pcShutdownConfirm = 233;
constexpr int pcShutdownCountdown = 234; // %1: seconds left
constexpr int pcShutdownIssued = 235;
constexpr int pcShutdownNotHappened = 236;
constexpr int mailNotSentAtExit = 237; // %1: the e-mail's number
constexpr int relayUnknown = 238;
constexpr int nutServerSwitch = 239;
constexpr int nutServerUser = 240;
constexpr int nutServerPassword = 241;
constexpr int databaseUnusable = 242; // %1: the file
constexpr int eventLogBehind = 243;   // %1: events waiting to be written
constexpr int mailFieldRefused = 244;
constexpr int mailReportShortened = 245; // %1: rows attached, %2: rows in the log
constexpr int mailAttachmentLeftOut = 246;
// Alarm banners; %1: the time the state began.
constexpr int alarmBufferSince = 247;
constexpr int alarmOverloadSince = 248;
constexpr int alarmExchangeStorageSince = 249;
constexpr int alarmIpcShutdownSince = 250;
// Feedback of the user's actions; %1: a file name unless said otherwise.
constexpr int backupSaved = 251;
constexpr int backupFailed = 252;
constexpr int settingsRestored = 253;
constexpr int eventsExported = 254;
constexpr int eventsExportFailed = 255;
constexpr int eventsCleared = 256;
constexpr int writeSent = 257;      // a setting was sent, the device has not confirmed it yet
constexpr int writeConfirmed = 258; // the device confirmed what was sent
constexpr int writeOffline = 259;   // nothing sent: no device
// E-mail and program start; %1: the e-mail's number or the program, %2: the reason.
constexpr int mailTestButton = 260;
constexpr int mailTestSent = 261;
constexpr int mailNotSent = 262;
constexpr int programNotStarted = 263;
constexpr int programFailed = 264; // %2: the exit code
constexpr int trendButton = 265;
constexpr int trendInputVoltage = 266;
constexpr int trendOutputVoltage = 267;
constexpr int trendOutputCurrent = 268;
constexpr int trendStorageVoltage = 269;
constexpr int trendStorageCurrent = 270;
constexpr int trendTemperature = 271;
constexpr int trendTime = 272;
constexpr int trendExported = 273;     // %1: the file
constexpr int trendExportFailed = 274; // %1: the file
constexpr int trendNoData = 275;
// The step at which a mail failed, with the server's answer.
constexpr int mailConnectFailed = 276; // %1: server, %2: port, %3: answer
constexpr int mailLoginFailed = 277;   // %1: user, %2: answer
constexpr int mailSendFailed = 278;    // %1: answer
constexpr int mailTestSending = 279;   // %1: the e-mail's number
constexpr int mailTestLine = 280;      // the first line of a test mail's text
constexpr int writeUnconfirmed = 281;  // a setting was sent, the device did not answer it
constexpr int allowedRange = 282;      // %1 lowest, %2 highest value
// The port text of the foot bar, and the buffer-time selector's named positions.
constexpr int portLabel = 283;
constexpr int portScanning = 284;
constexpr int noPortDriver = 285;
constexpr int customBufferTime = 286;
constexpr int infiniteBufferTime = 287;
// A PC shutdown that failed; %1: the attempt, %2: the reason, %3: seconds to the next attempt.
constexpr int pcShutdownFailedBar = 288;
constexpr int pcShutdownExitCode = 289; // %1: the exit code
constexpr int pcShutdownNoCommand = 290;
constexpr int pcShutdownCancel = 291;    // the banner's button
constexpr int pcShutdownCancelled = 292; // the log row and message of a cancelled shutdown
// The storage nearly empty in buffer operation; %1: the remaining buffer time, or the time it began.
constexpr int alarmStorageLowLeft = 293;
constexpr int alarmStorageLowSince = 294;
constexpr int storageLowLamp = 295; // the alarm lamp's cause
} // namespace TextSlot
constexpr int languageCapacity = 2;

struct LanguageRecord {
  QString text[languageSlotCount]; // slot 0 is the language's own name
};

struct LanguageTable {
  LanguageRecord languages[languageCapacity]; // 0 = English, 1 = German
  int count = 0;
  int current = 0;
};

// Assigns every slot of both languages (English first).
void fillLanguageTable(LanguageTable &table);

// Makes `index` the current language; an index the table does not hold selects English.
// Returns the index in effect.
int setCurrentLanguage(LanguageTable &table, int index);

// Slot `slot` of the current language; empty for a slot outside the table.
QString languageText(const LanguageTable &table, int slot);

// Every text of another language mapped to the same slot's text in the current language, for
// showing stored texts (the event log's rows) in the window's language. A text that two slots
// translate differently is left out: it could not be told which one it was.
QHash<QString, QString> textsInCurrentLanguage(const LanguageTable &table);

// The languages' own names in table order, for the language combo box.
QStringList languageNames(const LanguageTable &table);
