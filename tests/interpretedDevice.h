// The state that an interpretation pass of the device layer works on, and nothing more: what the
// device tests build in place of the whole application. Members are named as in the application.
#pragma once

#include "common/languageTable.h"
#include "common/timedMessage.h"
#include "common/uiRecords.h"
#include "devices/currentDevice.h"
#include "devices/deviceEvents.h"
#include "devices/processInterpretation.h"
#include "link/buildOptions.h"
#include "link/linkState.h"
#include "link/rxFields.h"

struct InterpretedDevice {
  LanguageTable language;
  DeviceCatalogue catalogue;
  LinkState link;
  RxFields fields;
  InterpretationState process;
  DeviceEventState events;
  SpecialSettings special;
  EventLogTarget log; // no database: the events are not logged
  struct {
    ProcessData processData;
    SignalOutputsStruct signalOutputs;
  } ui;
  struct {
    TimedMessage message;
    QString currentPotiPicture;
  } loop;
  struct {
    QString temperatureUnitText;
  } commands;
  DeviceEventPass lastEvents;

  InterpretedDevice() { fillLanguageTable(language); }

  InterpretationContext context()
  {
    return {process,
            fields,
            link,
            catalogue,
            language,
            special,
            commands.temperatureUnitText,
            ui.processData,
            ui.signalOutputs,
            loop.message,
            loop.currentPotiPicture};
  }

  // The catalogue in the current language; `serviceBuild` adds the engineering models.
  void rebuildCatalogue(bool serviceBuild) { rebuildDeviceCatalogue(catalogue, language, serviceBuild); }

  // Makes `model` the device in use; false when the catalogue has no such model.
  bool choose(const QString &model)
  {
    for (int i = 1; i < catalogue.catalogueCount; ++i) {
      if (catalogue.entries[i].name == model) {
        catalogue.currentCatalogueIndex = static_cast<uint8_t>(i);
        return true;
      }
    }
    return false;
  }

  // One interpreter pass followed by the device events, as the main loop runs them.
  bool pass()
  {
    if (!interpretProcessData(context()))
      return false;
    lastEvents = runDeviceEvents(events, process, currentCatalogueEntry(catalogue), ui.signalOutputs,
                                 ui.processData, log);
    return true;
  }
};
