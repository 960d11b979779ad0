// Build flags and options read from the optional settings file beside the program
// ("specialSettings.txt"), and the diagnostic listing of received fields it can ask for.
#pragma once

#include <QString>
#include <QVector>

#include <cstdint>

struct RxFields;

constexpr int maxListedFields = 100;

// One field the diagnostic listing shows: a sub-device index (or free number) and a field id.
struct ListedField {
  uint16_t entryId = 0;
  uint16_t entryKey = 0;
};

struct SpecialSettings {
  bool production_version = false;
  bool debug_version = false;
  bool demo_version = false;
  bool denyAppClosing = false;
  int backToStatusPageTimeout_sec = 0;
  QVector<ListedField> specialEntries;
};

// The settings file to read: the one beside the program, or when there is none, the one in the
// user's configuration folder (an installed program's folder is not writable on Linux).
QString specialSettingsPath(const QString &programFolder, const QString &configFolder);

// Reads the settings file; a missing or unreadable file leaves everything off.
void loadSpecialSettings(SpecialSettings &settings, const QString &path);

// The back-to-status-page time to use: the file may hold any number, a usable one is 10 s or more.
int usableBackToStatusTimeout(int seconds);

// "\n\nID:KENNUNG:WERT" and one line per listed field that has a value to show; empty when none.
QString specialSettingsReport(const SpecialSettings &settings, const RxFields &fields);
