// How the choices on the parameter pages become the 16-bit values of the device's parameter fields,
// and the text in which a parameter set is kept in the database. Pure functions on plain values.
#pragma once

#include "deviceCatalogue.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>

struct RxFields;

// Battery models (VK, VKL, VT) and capacitor models (VS) lay out their parameters differently.
enum class ParameterLayout { None, Battery, Capacitor };

ParameterLayout parameterLayoutOf(DeviceFamily family);

struct ParameterPair {
  uint16_t id = 0;
  uint16_t value = 0;
  bool operator==(const ParameterPair &other) const { return id == other.id && value == other.value; }
};

// The field ids of a stored parameter set, in the order in which they are stored.
const QVector<uint16_t> &savedParameterIds(ParameterLayout layout);

// The value the device last reported for a parameter field (0 for an id that is not a parameter).
uint16_t reportedParameterValue(const RxFields &fields, uint16_t id);

// The number in a list entry such as "26.5V" or "0,2A", times `scale`, rounded half up: "26.5V"
// gives 2650 with scale 100. Nothing for a text without a number or a result above 65535.
std::optional<uint16_t> numberFromListText(const QString &text, int scale = 100);

// A whole number 0-65535 typed into a text box; anything else gives nothing.
std::optional<uint16_t> wholeNumberText(const QString &text);

// `value` moved into `range` when the range is set; unchanged otherwise.
uint16_t clampedToRange(uint16_t value, const ValueRange &range);

// A whole number typed into a text box for a value limited to `range`: moved into the range when
// it is set, however many digits it has; without a range only 0-65535 is a value. Anything but
// digits gives nothing.
std::optional<uint16_t> wholeNumberInRange(const QString &text, const ValueRange &range);

// "107:2200 105:2760 " — every pair followed by one blank.
QString parameterSetText(const QVector<ParameterPair> &pairs);

// The pairs of a stored text that may be sent to a device of `layout`, in stored order. A pair with
// a missing or unreadable number, a value above 65535 or an id the layout does not store is left
// out (and counted in `skipped`).
struct ParsedParameterSet {
  QVector<ParameterPair> pairs;
  int skipped = 0;
};
ParsedParameterSet parseParameterSetText(const QString &text, ParameterLayout layout);

// The request payload that writes `pairs`: id high, id low, value high, value low per pair.
QByteArray parameterWritePayload(const QVector<ParameterPair> &pairs);

// At most this many pairs go into one request.
constexpr int pairsPerRequest = 7;

// The page controls behind the management word (field 602).
struct ManagementPageState {
  bool chargerControl = false;  // managementChecked_CheckBox1 (battery models)
  bool fuseOperation = false;   // overloadBehavior_CheckBox1
  bool hiccupOperation = false; // overloadBehavior_CheckBox2 (capacitor models)
  bool powerBoost = false;      // powerBoost_Checked
  bool topBoost = false;        // topBoost_Checked
  bool advanced1 = false;       // advancedSettingsChecked_CheckBox1 ("12V operation mode", VT)
  bool advanced2 = false;       // advancedSettingsChecked_CheckBox2 ("Exclusive charging mode", VT)
  bool ipcMode = false;         // enable_ipcMode (capacitor models)

  bool operator==(const ManagementPageState &o) const
  {
    return chargerControl == o.chargerControl && fuseOperation == o.fuseOperation &&
           hiccupOperation == o.hiccupOperation && powerBoost == o.powerBoost && topBoost == o.topBoost &&
           advanced1 == o.advanced1 && advanced2 == o.advanced2 && ipcMode == o.ipcMode;
  }
  bool operator!=(const ManagementPageState &o) const { return !(*this == o); }
};

// What the encoder needs to know about the model in use.
struct ManagementModel {
  ParameterLayout layout = ParameterLayout::None;
  bool hasTopBoost = true;          // without a Top-Boost control, Power-Boost sets both boost bits
  bool hasAdvancedSettings = false; // VT models
  bool demo = false;                // demo build: capacitor boost and overload choices stay on the page
};

// Management settings: 0 charger control (battery) or fuse reset (capacitor), 3 Power-Boost,
// 4 Top-Boost, 7 and 8 overload behaviour, 15 IPC mode (capacitor), 100 and 101 advanced settings (VT).
namespace ManagementSetting
{
constexpr int chargerControlOrFuseReset = 0;
constexpr int powerBoost = 3;
constexpr int topBoost = 4;
constexpr int overloadFirst = 7;
constexpr int overloadSecond = 8;
constexpr int ipcMode = 15;
constexpr int advanced1 = 100;
constexpr int advanced2 = 101;
} // namespace ManagementSetting

// Applies the change of one setting to `page` and returns the complete management word to send: the
// changed bit takes `state`, every other bit comes from the page. Nothing is returned for a setting
// the model does not have, and for the boost and overload choices of a capacitor model in a demo
// build (the page keeps the choice, the device is left alone).
std::optional<uint16_t> encodeManagementWord(const ManagementModel &model, ManagementPageState &page,
                                             int setting, bool state);

// The management word the page state stands for (never with the one-shot fuse reset).
uint16_t managementWordOf(const ManagementModel &model, const ManagementPageState &page);
// The page check boxes a management word reported by the device stands for.
ManagementPageState managementPageStateOf(const ManagementModel &model, uint16_t word);
