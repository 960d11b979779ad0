#include "updatePreparationStep.h"

#include "stateParts.h"

void startFtdiRefresh(AppState &s)
{
  const std::vector<UpdateModel> models = updateModels(s);
  refreshFtdiDevice(preparationContext(s, models), s.preparation, true);
  s.loop.ftdiRefreshRunning = s.preparation.ftdiRefreshRunning;
}

void runFtdiRefreshStep(AppState &s)
{
  const std::vector<UpdateModel> models = updateModels(s);
  refreshFtdiDevice(preparationContext(s, models), s.preparation, false);
  s.loop.ftdiRefreshRunning = s.preparation.ftdiRefreshRunning;
}
