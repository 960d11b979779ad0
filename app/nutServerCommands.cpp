// The system page's switch and login of the UPS network server.
#include "upsApp.h"

#include "nutServerStep.h"
#include "stateParts.h"

QVariantMap upsApp::nutServerState() const
{
  const AppState &s = appState();
  const NutServerSettings &st = s.nut.settings;
  return {{QStringLiteral("enabled"), st.enabled || s.nut.commandLineOn},
          {QStringLiteral("user"), st.user},
          {QStringLiteral("password"), st.password},
          {QStringLiteral("switchText"), languageText(s.language, TextSlot::nutServerSwitch)},
          {QStringLiteral("userText"), languageText(s.language, TextSlot::nutServerUser)},
          {QStringLiteral("passwordText"), languageText(s.language, TextSlot::nutServerPassword)}};
}

void upsApp::receiveFromQml_SetNutServer(QString name, QString value)
{
  AppState &s = appState();
  if (name != QLatin1String("enabled") && name != QLatin1String("user") && name != QLatin1String("password"))
    return;
  if (name == QLatin1String("enabled") && value != QLatin1String("1"))
    s.nut.commandLineOn = false; // switched off by hand: also for this run
  storeNutServerSetting(name, value);
  applyNutServerSettings(s);
}
