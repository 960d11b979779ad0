#include "stateParts.h"

LinkContext linkContext(AppState &s)
{
  return {s.link, s.rx, s.tx, s.fields, s.requests, s.scan};
}

InterpretationContext interpretationContext(AppState &s)
{
  return {s.process,
          s.fields,
          s.link,
          s.catalogue,
          s.language,
          s.special,
          s.commands.temperatureUnitText,
          s.ui.processData,
          s.ui.signalOutputs,
          s.loop.message,
          s.loop.currentPotiPicture};
}

ParameterContext parameterContext(AppState &s)
{
  return {s.link,
          currentCatalogueEntry(s),
          s.language,
          s.special.demo_version,
          s.fields,
          s.process.managementWord,
          s.requests,
          s.tx,
          s.ui.processData,
          s.loop.message,
          s.storage.database,
          s.rx,
          s.writeConfirmation};
}

WriteConfirmationContext writeConfirmationContext(AppState &s)
{
  return {s.link, s.requests, s.tx, s.rx, s.language, s.loop.message, s.writeConfirmation};
}

DeviceRows deviceRows(const AppState &s)
{
  return {s.storage.database, currentCatalogueEntry(s).name};
}

ShutdownChoice shutdownChoice(const AppState &s)
{
  return {s.ui.shutdownWindow.pcShutdownEnable, s.ui.processData.fastStartup};
}

void showShutdownChoice(AppState &s, ShutdownChoice choice)
{
  s.ui.shutdownWindow.pcShutdownEnable = choice.pcShutdownEnable;
  s.ui.processData.fastStartup = choice.fastStartup;
}

void rebuildDeviceCatalogue(AppState &s)
{
  const ProcessData &pd = s.ui.processData;
  rebuildDeviceCatalogue(s.catalogue, s.language, pd.production_version || pd.debug_version);
}

std::vector<UpdateModel> updateModels(const AppState &s)
{
  std::vector<UpdateModel> models;
  for (int row = 0; row < s.catalogue.catalogueCount; ++row) {
    const DeviceCatalogueEntry &e = s.catalogue.entries[row];
    models.push_back({e.name, e.modelCode, e.updateFlags, e.firmwareUpdateConfig});
  }
  return models;
}

PreparationContext preparationContext(AppState &s, const std::vector<UpdateModel> &models)
{
  return {s.link,      s.requests, s.fields, models, currentCatalogueEntry(s).name, s.vendor.companyShortName,
          s.serviceLog};
}
