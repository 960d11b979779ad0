#include "connectionIndicator.h"

#include "appState.h"

QString connectionLampPicture(ConnectionLamp lamp)
{
  switch (lamp) {
  case ConnectionLamp::green:
    return Pictures::ledGreen;
  case ConnectionLamp::yellow:
    return Pictures::ledYellow;
  case ConnectionLamp::red:
    return Pictures::ledRed;
  case ConnectionLamp::off:
    break;
  }
  return Pictures::ledGrey;
}

int connectionLampLitMs(LampBlink blink)
{
  switch (blink) {
  case LampBlink::connected:
    return 700;
  case LampBlink::searching:
    return 400;
  case LampBlink::steady:
    break;
  }
  return 0;
}

void buildCommunicationStatusText(AppState &s, SerialPort &port)
{
  ProcessData &pd = s.ui.processData;
  const PortTexts texts{languageText(s.language, TextSlot::portLabel),
                        languageText(s.language, TextSlot::portScanning),
                        languageText(s.language, TextSlot::noPortDriver)};
  const ConnectionStatus status =
      connectionStatus(port, pd.comportList.isEmpty(), pd.production_version || pd.debug_version, texts);
  pd.textComPortLeft = s.link.has(LinkFlag::autoDetect) ? languageText(s.language, 141) : QString();
  pd.textComPort = status.portText;
  pd.imageComPort = connectionLampPicture(status.lamp);
  pd.imageComPortLitMs = connectionLampLitMs(status.blink);
}
