#include "appState.h"

#include <memory>

namespace
{
std::unique_ptr<AppState> &instance()
{
  static std::unique_ptr<AppState> state = std::make_unique<AppState>();
  return state;
}
} // namespace

AppState &appState()
{
  return *instance();
}

void resetAppState()
{
  *instance() = AppState();
}

const DeviceCatalogueEntry &currentCatalogueEntry(const AppState &s)
{
  return currentCatalogueEntry(s.catalogue);
}

DeviceCatalogueEntry &currentCatalogueEntry(AppState &s)
{
  return currentCatalogueEntry(s.catalogue);
}
