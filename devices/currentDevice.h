// The catalogue as the rest of the application uses it: rebuilt in the current language, and
// the entry of the device in use.
#pragma once

#include "deviceCatalogue.h"

struct AppState;

// Rebuilds the catalogue in the current language (start-up and language change).
void rebuildDeviceCatalogue(AppState &s);

// The entry of `currentCatalogueIndex` (the empty entry 0 when none is chosen).
const DeviceCatalogueEntry &currentCatalogueEntry(const AppState &s);
DeviceCatalogueEntry &currentCatalogueEntry(AppState &s);

// The last catalogue row named like the device in use; 0 when there is none.
int catalogueRowOfCurrentModel(const AppState &s);
