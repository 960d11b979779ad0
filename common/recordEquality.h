// Whether two copies of a record show the same: every property equal. The main loop sends a
// record to the pages only when it differs from the copy they received last.
#pragma once

#include "uiRecords.h"

bool sameRecord(const StartWindowStruct &a, const StartWindowStruct &b);
bool sameRecord(const PcShutdownStruct &a, const PcShutdownStruct &b);
bool sameRecord(const StatusWindowStruct &a, const StatusWindowStruct &b);
bool sameRecord(const MainWindowStruct &a, const MainWindowStruct &b);
bool sameRecord(const IpcSettingStruct &a, const IpcSettingStruct &b);
bool sameRecord(const SystemWindowStruct &a, const SystemWindowStruct &b);
bool sameRecord(const ProductionWindowStruct &a, const ProductionWindowStruct &b);
bool sameRecord(const DeviceParameterStruct &a, const DeviceParameterStruct &b);
bool sameRecord(const SignalOutputsStruct &a, const SignalOutputsStruct &b);
bool sameRecord(const ProgramstartWindowStruct &a, const ProgramstartWindowStruct &b);
bool sameRecord(const EmailWindowStruct &a, const EmailWindowStruct &b);
bool sameRecord(const ProcessData &a, const ProcessData &b);
bool sameRecord(const CompanyDataStruct &a, const CompanyDataStruct &b);
