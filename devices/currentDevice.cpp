#include "currentDevice.h"

void rebuildDeviceCatalogue(DeviceCatalogue &catalogue, const LanguageTable &lang, bool serviceBuild)
{
  buildDeviceCatalogue(catalogue, lang, serviceBuild);
}

const DeviceCatalogueEntry &currentCatalogueEntry(const DeviceCatalogue &catalogue)
{
  const int index = catalogue.currentCatalogueIndex;
  return catalogue.entries[index < catalogue.catalogueCount ? index : 0];
}

DeviceCatalogueEntry &currentCatalogueEntry(DeviceCatalogue &catalogue)
{
  const int index = catalogue.currentCatalogueIndex;
  return catalogue.entries[index < catalogue.catalogueCount ? index : 0];
}

int catalogueRowOfCurrentModel(const DeviceCatalogue &catalogue)
{
  const QString &name = currentCatalogueEntry(catalogue).name;
  int row = 0;
  for (int i = 1; i < catalogue.catalogueCount; ++i) {
    if (!name.isEmpty() && catalogue.entries[i].name == name)
      row = i;
  }
  return row;
}
