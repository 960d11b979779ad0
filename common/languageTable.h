// The English and German texts that the back end shows or writes into the event log.
#pragma once

#include <QString>
#include <QStringList>

constexpr int languageSlotCount = 247;
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

// The languages' own names in table order, for the language combo box.
QStringList languageNames(const LanguageTable &table);
