// The system page's settings as stored in the settings row of the database.
#pragma once

#include <cstdint>

struct SystemSettings {
  bool autostart = false;
  bool automaticDetection = true; // stored as 0
  uint16_t optionBits = 0;        // window options of the system page (bits 0 and 1 stored inverted)
  int temperatureUnit = 0;        // 0 °C, 1 °F
  int language = 0;               // as stored: the language table decides whether it has it
  int comPort = 0;
};

class Ups_DataBase;

// Reads the settings row (autostart, device detection, window options, temperature unit, language, port).
SystemSettings readSystemSettings(Ups_DataBase &db);
