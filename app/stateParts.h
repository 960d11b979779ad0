// The parts of the application state that each subsystem is handed: the application is the only
// place that knows the whole and decides who sees what.
#pragma once

#include "appState.h"

#include "devices/parameterSettings.h"
#include "devices/processInterpretation.h"
#include "link/linkContext.h"
#include "service/updatePreparation.h"
#include "storage/settingsStore.h"

LinkContext linkContext(AppState &s);
InterpretationContext interpretationContext(AppState &s);
ParameterContext parameterContext(AppState &s);
WriteConfirmationContext writeConfirmationContext(AppState &s);
// The catalogue's models as the firmware update's preparation sees them, and its context.
std::vector<UpdateModel> updateModels(const AppState &s);
PreparationContext preparationContext(AppState &s, const std::vector<UpdateModel> &models);
// The selected device's rows of the per-device tables.
DeviceRows deviceRows(const AppState &s);
// The PC shutdown choices as the pages show them.
ShutdownChoice shutdownChoice(const AppState &s);
void showShutdownChoice(AppState &s, ShutdownChoice choice);

// Rebuilds the catalogue in the current language; the engineering models only in service builds.
void rebuildDeviceCatalogue(AppState &s);
