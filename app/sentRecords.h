// The copy of each record that the pages received last. A record goes to the pages only when one
// of its values changed since then; a full refresh or a command from a page forgets the copies,
// so that the next send goes out whatever it holds.
#pragma once

#include "common/recordEquality.h"

template <typename Record> class SentRecord
{
public:
  // Whether `current` differs from the copy sent last; when it does, it counts as sent.
  bool take(const Record &current)
  {
    if (known && sameRecord(current, last))
      return false;
    last = current;
    known = true;
    return true;
  }
  void forget() { known = false; }

private:
  Record last{};
  bool known = false;
};

struct SentRecords {
  SentRecord<ProductionWindowStruct> productionWindow;
  SentRecord<StatusWindowStruct> statusWindow;
  SentRecord<SignalOutputsStruct> signalOutputs;
  SentRecord<DeviceParameterStruct> parameterWindow;
  SentRecord<IpcSettingStruct> ipcWindow;
  SentRecord<StartWindowStruct> startWindow;
  SentRecord<MainWindowStruct> mainWindow;
  SentRecord<ProcessData> processData;
  SentRecord<SystemWindowStruct> systemWindow;
  SentRecord<PcShutdownStruct> shutdownWindow;
  SentRecord<ProgramstartWindowStruct> programstartWindow;
  SentRecord<EmailWindowStruct> emailWindow;

  // Every record goes out again at its next send.
  void forgetAll() { *this = SentRecords{}; }
};
