// The parameter commands of the device in use: the page setters that write one parameter, the
// management word, and the settings routine that restores the factory defaults, saves the device's
// parameter set to the database and sends a saved set back to the device.
#pragma once

#include "parameterEncoding.h"
#include "writeConfirmation.h"

#include <QString>
#include <QVector>

class Ups_DataBase;
struct DeviceCatalogueEntry;
struct LanguageTable;
struct LinkState;
struct ProcessData;
struct RequestCycleState;
struct RxFields;
struct RxState;
struct TimedMessage;
struct TxState;

// What the parameter commands read and write.
struct ParameterContext {
  const LinkState &link;
  const DeviceCatalogueEntry &entry; // the device in use
  const LanguageTable &language;
  bool demo; // the demo build: the management word keeps its demo bits
  RxFields &fields;
  uint16_t &managementWord; // the interpreter's copy of the word
  RequestCycleState &requests;
  const TxState &tx;
  ProcessData &processData;
  TimedMessage &message;
  Ups_DataBase *database; // where parameter sets are saved
  const RxState &rx;
  WriteConfirmation &confirmation; // the write of a page last sent
};

// A parameter set on its way to the device, sent at most seven pairs per request, each request
// queued once the one before it has gone out. It waits while the device is offline or its sub
// devices have not been polled since the identification, and is dropped when the device is lost
// or another model is chosen.
struct ParameterTransfer {
  QString model;                // catalogue name of the device the pairs belong to
  QVector<ParameterPair> pairs; // not yet sent, in order
  int inFlight = 0;             // leading pairs that wait in the parameter queue

  bool pending() const { return !pairs.isEmpty(); }
};

// Queues the next request of a transfer, or notes that the last one went out. Run after every
// link cycle; `transfer` is reset when it is done or dropped.
void runParameterTransferStep(const ParameterContext &c, ParameterTransfer &transfer);

// The parameter parts of the main window's settings buttons: factory defaults, save, restore.
void restoreFactoryDefaults(const ParameterContext &c, ParameterTransfer &transfer);
void saveParameterSet(const ParameterContext &c);
void restoreParameterSet(const ParameterContext &c, ParameterTransfer &transfer);

// Page setters: the control number selects the parameter, the value is sent in the parameter queue.
void setLimitsListChoice(const ParameterContext &c, int comboBoxNr, const QString &text);
void setLimitsTextBox(const ParameterContext &c, int textBoxNr, const QString &text);
void setManagementListChoice(const ParameterContext &c, int comboBoxNr, const QString &text);
void setOverloadListChoice(const ParameterContext &c, int comboBoxNr, const QString &text);

// Management word: a check box changed one setting of field 602 (sent in the control queue). The
// local copy of the word takes the change at once.
void setManagementSetting(const ParameterContext &c, int setting, bool state);
// The page check boxes behind the management word, set from the word the device reported.
void showManagementWord(const DeviceCatalogueEntry &entry, bool demo, ProcessData &processData,
                        uint16_t word);
// The management check boxes of the general page: 0 charger control, 100 and 101 advanced settings.
void setManagementCheckBox(const ParameterContext &c, int checkBoxNr, bool checked);
// The overload page: behaviour check boxes 0 and 1 (settings 7 and 8), boost check boxes 3 and 4.
void setOverloadBehaviorCheckBox(const ParameterContext &c, int checkBoxNr, bool checked);
void setOverloadCheckBox(const ParameterContext &c, int checkBoxNr, bool checked);
// The overload page's reset button (0): resets fuse operation on the models that can.
void resetFuseOperation(const ParameterContext &c, int buttonNr);
// IPC mode of the current capacitor models (IPC page check box 4).
void setIpcMode(const ParameterContext &c, bool on);
