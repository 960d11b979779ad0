// Fills the records whose texts and pictures change only with the language.
#pragma once

struct LanguageTable;
struct MainWindowStruct;
struct IpcSettingStruct;
struct PcShutdownStruct;
struct SystemWindowStruct;
struct StatusWindowStruct;
struct ProgramstartWindowStruct;
struct EmailWindowStruct;

void fillMainWindowRecord(MainWindowStruct &r, const LanguageTable &lang);
void fillIpcSettingRecord(IpcSettingStruct &r, const LanguageTable &lang);
void fillPcShutdownRecord(PcShutdownStruct &r, const LanguageTable &lang);
void fillSystemWindowRecord(SystemWindowStruct &r, const LanguageTable &lang);
// The fixed pictures and texts of the status window, set once at start.
void fillStatusWindowFixedParts(StatusWindowStruct &r);
// The labels of the program-start and e-mail pages; the user's settings are filled separately.
void fillProgramstartLabels(ProgramstartWindowStruct &r, const LanguageTable &lang);
void fillEmailLabels(EmailWindowStruct &r, const LanguageTable &lang);
