// The parameter commands of the pages, and what keeps a parameter set moving towards the device
// between the ticks of the main loop.
#pragma once

#include "devices/parameterSettings.h"

#include <QObject>

class upsApp;

// Holds the parameter set being sent and moves it on after every tick of the application's main
// loop. One per application object, made on first use.
class ParameterTransferDriver : public QObject
{
  Q_OBJECT

public:
  explicit ParameterTransferDriver(upsApp &app);

  ParameterTransfer transfer;

private slots:
  void afterTick();
};

ParameterTransferDriver &parameterTransferDriver(upsApp &app);

// The settings routine of the main window's buttons (0 factory defaults, 1 save, 2 restore).
void runFamilySettings(upsApp &app, int settingsNumber);
