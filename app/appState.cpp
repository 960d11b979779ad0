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
  instance() = std::make_unique<AppState>();
}
