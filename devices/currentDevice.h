// The catalogue as the rest of the application uses it: rebuilt in the current language, and
// the entry of the device in use.
#pragma once

#include "deviceCatalogue.h"

// Rebuilds the catalogue in `lang` (start-up and language change); the device in use stays chosen.
void rebuildDeviceCatalogue(DeviceCatalogue &catalogue, const LanguageTable &lang, bool serviceBuild);

// The entry of `currentCatalogueIndex` (the empty entry 0 when none is chosen).
const DeviceCatalogueEntry &currentCatalogueEntry(const DeviceCatalogue &catalogue);
DeviceCatalogueEntry &currentCatalogueEntry(DeviceCatalogue &catalogue);

// The last catalogue row named like the device in use; 0 when there is none.
int catalogueRowOfCurrentModel(const DeviceCatalogue &catalogue);
