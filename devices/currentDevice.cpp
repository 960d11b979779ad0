#include "currentDevice.h"

#include "app/appState.h"

void rebuildDeviceCatalogue(AppState &s)
{
  const ProcessData &pd = s.ui.processData;
  buildDeviceCatalogue(s.catalogue, s.language, pd.production_version || pd.debug_version);
}

const DeviceCatalogueEntry &currentCatalogueEntry(const AppState &s)
{
  const int index = s.link.currentCatalogueIndex;
  return s.catalogue.entries[index < s.catalogue.catalogueCount ? index : 0];
}

DeviceCatalogueEntry &currentCatalogueEntry(AppState &s)
{
  const int index = s.link.currentCatalogueIndex;
  return s.catalogue.entries[index < s.catalogue.catalogueCount ? index : 0];
}

int catalogueRowOfCurrentModel(const AppState &s)
{
  const QString &name = currentCatalogueEntry(s).name;
  int row = 0;
  for (int i = 1; i < s.catalogue.catalogueCount; ++i) {
    if (!name.isEmpty() && s.catalogue.entries[i].name == name)
      row = i;
  }
  return row;
}
