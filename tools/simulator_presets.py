"""Device presets and operating-state tables for tools/ups_simulator.py.

One preset describes one Norvex model: its model code, the family whose status-word
layout it uses, the values of every field it reports and the measured levels that the
operating states refer to.  The operating states ("modes") are kept in one table per
family: MODES_VK, MODES_VT (shared by the VT and VKL models, whose status words have the
same layout) and MODES_VS; a preset's "family" names its table.  An entry names the
status word (field 600) and the measured values that belong to that state.  A value in a mode entry is either a number,
the name of one of the preset's levels, or "@<id>" for the current value of another field
(so the charge current in the charging state follows the charge-current parameter).

Units on the wire: voltages 0.01 V, currents 0.01 A, temperatures 0.1 degC, operating
time 0.1 h, firmware version x100.  All values are unsigned.

Standard library only; imported by ups_simulator.py, which runs on /usr/bin/python3.
"""

# Value length in bytes of every field the device reports, as it appears in an answer.
ANSWER_SIZES = {
    1: 4, 2: 2, 3: 4, 4: 4, 10: 4, 6: 1, 88: 4, 99: 1,
    100: 2, 101: 2, 102: 2, 104: 2, 105: 2, 106: 2, 107: 2, 108: 2, 109: 2, 110: 2,
    503: 2, 504: 2, 505: 2, 103: 2,
    301: 2, 304: 2, 305: 2, 306: 4, 307: 2,
    600: 4, 601: 2, 603: 1, 604: 2, 605: 2, 606: 2, 602: 2, 700: 2,
    5: 1, 1100: 2,
    1300: 4, 1301: 4, 1303: 2, 1302: 2, 1304: 2, 1305: 2, 1306: 2, 1307: 2, 1308: 2,
    1312: 4, 1309: 4, 1310: 4, 1311: 2,
}

# Fields that exist once per unit: index 0 is the UPS, 1..3 the sub devices behind it
# (battery modules or external capacitor stores).  Field 6 in a frame selects the index.
PER_SUB_FIELDS = frozenset({1, 2, 3, 4, 10, 102, 1100, 1300, 1309, 1310})

# Field that selects the sub device and the one that reports the sub-device count.
SUB_SELECT_ID = 6
SUB_COUNT_ID = 5
MAX_SUB = 3

# Value length of a record in a queued (written) request payload.
def request_value_size(field_id):
    if field_id == 6:
        return 1
    if field_id in (99, 88):
        return 0          # bare id: a read
    if field_id in (1, 3, 4, 10):
        return 4
    return 2


# The device parameters: what a factory reset (field 9 = 0xAAAA) puts back.
PARAMETER_IDS = (105, 107, 108, 110, 305, 306, 307, 504, 505, 602, 604, 605, 606,
                 1301, 1302, 1303, 1304, 1305, 1306, 1307)

# Storage module codes a sub device reports in field 1.
STORAGE_MODULES = {
    0x000BE002: "VS-11500-0",
    2: "ACM 24/7Ah",
    1: "ACM 24/3,2Ah",
    3: "ACM 24/12Ah",
    4: "ACMF 24/1,2Ah",
    5: "ACMF 24/0,8Ah",
    7: "ACB-2.5Ah",
    8: "ACB-13Ah",
    10: "26Ah",
}

# ---------------------------------------------------------------------------------------
# Operating states, one table per family.
#
#   status : field 600
#   fields : UPS-level fields (index 0 for per-sub fields such as 1100)
#   storage: storage voltage (field 102) for the UPS and every sub device
#
# Status word bits, battery families (VK, and VT/VKL which share the table below):
#   0 mains present, 1 buffer operation, 2 IPC shutdown, 3 buffer mode not possible,
#   4 storage voltage very low, 5 state of charge < 85 %, 6 exchange storage,
#   7 output switched off, 8 fuse operation, 9 hiccup operation, 10 output current
#   high (VK) / over current (VT, VKL), 11 automatic charger control, 12 system error,
#   13 safety mode, 14 deep-discharge protection (VK) / exclusive charging (VT, VKL),
#   16 input voltage failure (VT, VKL), 17 deep-discharge protection (VT, VKL),
#   18 shutdown, 19 IPC idle.
# Capacitor family (VS):
#   0 mains present, 1 IPC shutdown, 2 buffer operation, 3 input voltage failure,
#   4 buffer mode not possible, 5 output switched off, 6 capacitor voltage very low,
#   7 state of charge < 85 %, 8 fuse operation, 9 hiccup operation, 10 lifetime warning,
#   11 constant current mode, 12 state-of-charge monitoring, 19 IPC idle, 20 IPC delay.
# ---------------------------------------------------------------------------------------

def _b(*bits):
    value = 0
    for bit in bits:
        value |= 1 << bit
    return value


# Measured values shared by most states; a state entry overrides what differs.
_MAINS_VALUES = {100: "v_in", 101: "v_out", 301: "i_load", 104: "v_float", 304: "i_trickle",
                 1100: "t_normal", 503: 100, 1312: 0}
_BUFFER_VALUES = {100: "v_in_failed", 101: "v_out_buffer", 301: "i_load", 104: 0, 304: 0,
                  1100: "t_normal", 503: 80, 1312: "buffer_left"}
_OFF_VALUES = {100: "v_in_failed", 101: 0, 301: 0, 104: 0, 304: 0, 1100: "t_normal",
               503: 5, 1312: 0}


def _state(status, base, storage, **overrides):
    fields = dict(base)
    for key, value in overrides.items():
        fields[int(key.lstrip("f"))] = value
    return {"status": status, "fields": fields, "storage": storage}


MODES_VK = {
    "mains": _state(_b(0), _MAINS_VALUES, "v_full"),
    "charging": _state(_b(0, 5), _MAINS_VALUES, "v_charging",
                       f104="v_charger", f304="@307", f503=60),
    "buffer": _state(_b(1), _BUFFER_VALUES, "v_buffer"),
    "low-storage": _state(_b(1, 4, 5), _BUFFER_VALUES, "v_low", f503=10, f1312="buffer_short"),
    "ipc-shutdown": _state(_b(1, 2), _BUFFER_VALUES, "v_buffer"),
    "ipc-idle": _state(_b(19), _BUFFER_VALUES, "v_buffer", f301="i_idle"),
    "no-buffer": _state(_b(0, 3), _MAINS_VALUES, "v_full"),
    "exchange-storage": _state(_b(0, 6), _MAINS_VALUES, "v_full"),
    "overload": _state(_b(0, 8, 10), _MAINS_VALUES, "v_full",
                       f101="v_out_overload", f301="i_overload", f1100="t_hot"),
    "hiccup": _state(_b(0, 9, 10), _MAINS_VALUES, "v_full",
                     f101="v_out_overload", f301="i_overload", f1100="t_hot"),
    "safety": _state(_b(0, 13), _MAINS_VALUES, "v_full"),
    "off": _state(_b(7, 18), _OFF_VALUES, "v_off"),
}

MODES_VT = {
    "mains": _state(_b(0), _MAINS_VALUES, "v_full"),
    "charging": _state(_b(0, 5), _MAINS_VALUES, "v_charging",
                       f104="v_charger", f304="@307", f503=60),
    "exclusive-charging": _state(_b(0, 5, 14), _MAINS_VALUES, "v_charging",
                                 f101=0, f301=0, f104="v_charger", f304="@307", f503=60),
    "buffer": _state(_b(1, 16), _BUFFER_VALUES, "v_buffer"),
    "low-storage": _state(_b(1, 4, 5, 16, 17), _BUFFER_VALUES, "v_low", f503=10,
                          f1312="buffer_short"),
    "ipc-shutdown": _state(_b(1, 2, 16), _BUFFER_VALUES, "v_buffer"),
    "ipc-idle": _state(_b(16, 19), _BUFFER_VALUES, "v_buffer", f301="i_idle"),
    "no-buffer": _state(_b(0, 3), _MAINS_VALUES, "v_full"),
    "exchange-storage": _state(_b(0, 6), _MAINS_VALUES, "v_full"),
    "overload": _state(_b(0, 8, 10), _MAINS_VALUES, "v_full",
                       f101="v_out_overload", f301="i_overload", f1100="t_hot"),
    "hiccup": _state(_b(0, 9, 10), _MAINS_VALUES, "v_full",
                     f101="v_out_overload", f301="i_overload", f1100="t_hot"),
    "system-error": _state(_b(0, 12), _MAINS_VALUES, "v_full"),
    "safety": _state(_b(0, 13), _MAINS_VALUES, "v_full"),
    "off": _state(_b(7, 16, 18), _OFF_VALUES, "v_off"),
}

MODES_VS = {
    "mains": _state(_b(0), _MAINS_VALUES, "v_full"),
    "charging": _state(_b(0, 7), _MAINS_VALUES, "v_charging",
                       f104="v_charger", f304="@307", f503=60),
    "buffer": _state(_b(2), _BUFFER_VALUES, "v_buffer"),
    "low-storage": _state(_b(2, 6, 7), _BUFFER_VALUES, "v_low", f503=10,
                          f1312="buffer_short"),
    "ipc-shutdown": _state(_b(1, 2), _BUFFER_VALUES, "v_buffer"),
    "ipc-delay": _state(_b(2, 20), _BUFFER_VALUES, "v_buffer"),
    "ipc-idle": _state(_b(19), _BUFFER_VALUES, "v_buffer", f301="i_idle"),
    "input-failure": _state(_b(3), _OFF_VALUES, "v_off"),
    "no-buffer": _state(_b(0, 4), _MAINS_VALUES, "v_full"),
    "overload": _state(_b(0, 8), _MAINS_VALUES, "v_full",
                       f101="v_out_overload", f301="i_overload", f1100="t_hot"),
    "hiccup": _state(_b(0, 9), _MAINS_VALUES, "v_full",
                     f101="v_out_overload", f301="i_overload", f1100="t_hot"),
    "constant-current": _state(_b(0, 11), _MAINS_VALUES, "v_full",
                               f101="v_out_overload", f301="i_limit"),
    "lifetime": _state(_b(0, 10), _MAINS_VALUES, "v_full"),
    "soc-monitoring": _state(_b(0, 12), _MAINS_VALUES, "v_full"),
    "off": _state(_b(5), _OFF_VALUES, "v_off"),
}

MODE_TABLES = {"VK": MODES_VK, "VT": MODES_VT, "VS": MODES_VS}

# ---------------------------------------------------------------------------------------
# Presets
# ---------------------------------------------------------------------------------------

def _levels_24v_battery(rating_a, load_a):
    return {
        "v_in": 2410, "v_in_failed": 0, "v_out": 2400,
        "v_out_buffer": 2530, "v_out_overload": 2150,
        "i_load": int(round(load_a * 100)), "i_idle": 35,
        "i_overload": int(round(rating_a * 150)), "i_limit": int(round(rating_a * 100)),
        "i_trickle": 5,
        "v_full": 2730, "v_float": 2730, "v_charging": 2580, "v_charger": 2650,
        "v_buffer": 2550, "v_low": 2000, "v_off": 1950,
        "t_normal": 315, "t_hot": 655,
        "buffer_left": 25, "buffer_short": 2,
    }


def _levels_12v_battery(rating_a, load_a):
    levels = _levels_24v_battery(rating_a, load_a)
    # The 12 V variant boosts a 12 V battery to the 24 V output in buffer operation.
    levels.update({"v_out_buffer": 2400, "v_full": 1365, "v_float": 1365,
                   "v_charging": 1290, "v_charger": 1325, "v_buffer": 1260,
                   "v_low": 1000, "v_off": 960})
    return levels


CAPACITOR_CELLS = 10


def _levels_capacitor(rating_a, load_a, cell_10mv):
    # Capacitor stack voltage: the cells in series charged to the end-of-charge voltage
    # per cell (field 108).
    full = cell_10mv * CAPACITOR_CELLS
    return {
        "v_in": 2410, "v_in_failed": 0, "v_out": 2400,
        "v_out_buffer": 2390, "v_out_overload": 2150,
        "i_load": int(round(load_a * 100)), "i_idle": 35,
        "i_overload": int(round(rating_a * 150)), "i_limit": int(round(rating_a * 100)),
        "i_trickle": 5,
        "v_full": full, "v_float": full, "v_charging": full * 70 // 100,
        "v_charger": full * 72 // 100,
        "v_buffer": full * 85 // 100, "v_low": full * 35 // 100, "v_off": 300,
        "t_normal": 315, "t_hot": 655,
        "buffer_left": 95, "buffer_short": 4,
    }


def _battery_parameters(volts):
    if volts == 12:
        threshold, end_of_charge, deep_discharge = 1100, 1380, 950
    else:
        threshold, end_of_charge, deep_discharge = 2200, 2760, 1900
    return {
        107: threshold, 105: end_of_charge, 110: deep_discharge,
        108: 0, 109: 0, 106: 0, 103: 0, 305: 0, 306: 0, 1307: 0, 504: 0, 505: 0,
        603: 2,                      # buffer-time selector at "custom"
        1301: 300, 1302: 0, 1303: 480, 1304: 60, 1305: 5, 1306: 10,
        604: 0x0001,                 # relay 14: mains operation
        605: 0x0002,                 # relay 24: buffer operation
        606: 0x0040,                 # relay 34: exchange battery
    }


def _capacitor_parameters(cell_10mv, buffer_limits):
    return {
        107: 2200, 108: cell_10mv, 105: 0, 110: 0, 109: 0, 106: 0, 103: 0,
        305: 2100,                                    # turn-on current limit 21 A
        306: (buffer_limits[0] << 16) | buffer_limits[1],
        1307: 0, 504: 50, 505: 90,
        603: 2,
        1301: 300, 1302: 2, 1303: 120, 1304: 60, 1305: 5, 1306: 10,
        604: 0x0001,                 # relay 14: mains operation
        605: 0x0004,                 # relay 24: buffer operation (row 3 on VS)
        606: 0x0000,                 # VS models have two relays
    }


def _preset(name, code, family, storage, rating_a, firmware, batch, serial,
            parameters, levels, management, sub_devices, sub_code, sub_firmware):
    fields = {
        # identification of the UPS itself (index 0 of the per-sub fields)
        1: code, 2: firmware, 3: batch, 4: serial, 10: 0,
        102: levels["v_full"], 1100: levels["t_normal"], 1300: 52344,
        1309: 27, 1310: 4,
        # counts, acknowledgement, calibration answer
        5: sub_devices, 99: 0, 88: 0,
        # state and relays
        600: 0x1, 601: 0x0601, 602: management, 700: 0,
        # measured values (overwritten by the operating state)
        100: levels["v_in"], 101: levels["v_out"], 104: levels["v_float"],
        301: levels["i_load"], 304: levels["i_trickle"], 503: 100,
        1308: 0, 1311: 0, 1312: 0,
    }
    fields.update(parameters)
    return {
        "name": name, "code": code, "family": family, "storage": storage,
        "rating_a": rating_a, "fields": fields, "levels": levels,
        "sub_devices": sub_devices, "sub_code": sub_code, "sub_firmware": sub_firmware,
    }


def _battery(name, code, family, rating_a, load_a, firmware, serial, management,
             volts=24):
    levels = (_levels_12v_battery if volts == 12 else _levels_24v_battery)(rating_a, load_a)
    return _preset(name, code, family, "battery", rating_a, firmware,
                   230000 + (code & 0xFFF) % 1000, serial, _battery_parameters(volts),
                   levels, management, sub_devices=1, sub_code=2, sub_firmware=100)


def _capacitor(name, code, rating_a, load_a, firmware, serial, buffer_limits):
    cell_10mv = 250                                   # 2.50 V per cell
    levels = _levels_capacitor(rating_a, load_a, cell_10mv)
    return _preset(name, code, "VS", "capacitor", rating_a, firmware,
                   230000 + (code & 0xFFF) % 1000, serial,
                   _capacitor_parameters(cell_10mv, buffer_limits), levels,
                   management=0x0010,                 # Power-Boost on
                   sub_devices=0, sub_code=0x000BE002, sub_firmware=301)


# management word 602, battery families: bit 0 automatic charger control,
# bit 2 Power-Boost, bit 3 Top-Boost.
PRESETS = {}
for _p in (
    _battery("VK-5A-2U", 0x000BA030, "VK", 5, 2.8, 112, 4711, management=0x0001),
    _battery("VK-10A-2U", 0x000BA031, "VK", 10, 5.6, 112, 4712, management=0x0001),
    _battery("VK-5A-20", 0x000BA000, "VK", 5, 2.8, 104, 4701, management=0x0001),
    _battery("VK-10A-20", 0x000BA001, "VK", 10, 5.6, 104, 4702, management=0x0001),
    _battery("VKL-10A-0U", 0x000BF031, "VT", 10, 6.1, 105, 5031, management=0x0005),
    _battery("VKL-20A-0U", 0x000BF032, "VT", 20, 12.4, 105, 5032, management=0x0005),
    _battery("VT-40A", 0x000BF034, "VT", 40, 18.5, 203, 6034, management=0x0005),
    _battery("VT-40A (12V)", 0x000BF134, "VT", 40, 18.5, 203, 6134, management=0x0005,
             volts=12),
    _capacitor("VS-1700-0", 0x000BE030, 20, 9.2, 301, 7030, (2200, 4400)),
    _capacitor("VS-5000-0", 0x000BE031, 20, 9.2, 301, 7031, (2200, 2200)),
    _capacitor("VS-1000-00", 0x000BE003, 20, 9.2, 205, 7003, (2200, 2200)),
    _capacitor("VS-1700-00", 0x000BE004, 20, 9.2, 205, 7004, (2200, 2200)),
):
    PRESETS[_p["name"]] = _p

# Charge currents (field 307) differ with the charger size.
for _name, _current in (("VK-5A-2U", 150), ("VK-10A-2U", 200), ("VK-5A-20", 150),
                        ("VK-10A-20", 200), ("VKL-10A-0U", 200), ("VKL-20A-0U", 300),
                        ("VT-40A", 400), ("VT-40A (12V)", 200), ("VS-1700-0", 100),
                        ("VS-5000-0", 100), ("VS-1000-00", 100), ("VS-1700-00", 100)):
    PRESETS[_name]["fields"][307] = _current

DEFAULT_MODEL = "VT-40A"


def _normalise(name):
    return "".join(ch for ch in name.upper() if ch.isalnum())


def find_preset(name):
    """Preset by model name; case, blanks and punctuation are ignored ("vt-40a-12v")."""
    if name in PRESETS:
        return PRESETS[name]
    wanted = _normalise(name)
    for preset in PRESETS.values():
        if _normalise(preset["name"]) == wanted:
            return preset
    return None


def sub_device_fields(preset, index, code=None):
    """Per-sub fields of sub device `index` (1..3) of a preset."""
    levels = preset["levels"]
    return {
        1: preset["sub_code"] if code is None else code,
        2: preset["sub_firmware"],
        3: 229870 + index,
        4: 1800 + index,
        10: 0,
        102: levels["v_full"],
        1100: 285 + index * 5,
        1300: 31877 + index * 1000,
        1309: 10 + index,
        1310: index,
    }


def modes_for(preset):
    return MODE_TABLES[preset["family"]]
