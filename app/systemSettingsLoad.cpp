#include "systemSettingsLoad.h"

#include "stateParts.h"

#include "storage/portChoice.h"
#include "storage/systemSettings.h"
#include "storage/upsDataBase.h"

void loadSystemSettings(AppState &s)
{
  s.loop.generalSettingsLoaded = true;
  Ups_DataBase *db = s.storage.database;
  if (!db)
    return;
  const SystemSettings stored = readSystemSettings(*db);
  ProcessData &pd = s.ui.processData;
  LinkState &link = s.link;

  pd.startUp = stored.autostart;

  // Automatic detection starts the link at once; otherwise it waits for the user, unless there is
  // none to wait for and the chosen port opens at once.
  link.set(LinkFlag::autoDetect, stored.automaticDetection);
  link.set(LinkFlag::portSuspended, !stored.automaticDetection && !s.loop.unattended);

  const int options = stored.optionBits;
  s.commands.optionBits = stored.optionBits;
  pd.appOpenAsMaximized = pd.appOpenAsMaximized_checkBox = (options & 1) == 0;
  pd.showCloseMessage = (options & 2) == 0;
  pd.loadConfigFile_checkBox = (options & 4) != 0;
  pd.switchToStatusPage = (options & 8) != 0;
  pd.denyAppClosing = s.special.denyAppClosing || (options & 16) != 0;

  pd.comboBoxTemperatureUnitCurrentIndex = stored.temperatureUnit;
  s.commands.temperatureUnitText = stored.temperatureUnit == 1 ? QStringLiteral("°F") : QStringLiteral("°C");

  // An imported database may hold any number: a language the table does not have reads as English.
  const int languageBefore = s.language.current;
  pd.currentLanguageNr = setCurrentLanguage(s.language, stored.language);
  // The model texts (labels, lists, event names) follow the stored language from the start.
  if (s.language.current != languageBefore) {
    rebuildDeviceCatalogue(s);
    currentCatalogueEntry(s).parametersChanged = true;
    currentCatalogueEntry(s).signalOutputsChanged = true;
  }

  pd.comPortList_currentNumber = stored.comPort;
  s.scan.chosenPortName = readChosenPortName();
}
