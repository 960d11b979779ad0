// Build flags and options read from the optional settings file beside the program.
#pragma once

struct SpecialSettings {
  bool production_version = false;
  bool debug_version = false;
  bool demo_version = false;
  bool denyAppClosing = false;
  int backToStatusPageTimeout_sec = 0;
};
