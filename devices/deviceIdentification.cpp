#include "deviceIdentification.h"

#include "app/appState.h"

namespace
{
// The first catalogue entry with this (non-zero) model code, or -1.
int catalogueIndexOfModel(const DeviceCatalogue &catalogue, uint32_t modelCode)
{
  if (modelCode == 0)
    return -1;
  for (int i = 0; i < catalogue.catalogueCount && i < catalogueCapacity; ++i) {
    if (catalogue.entries[i].modelCode == modelCode)
      return i;
  }
  return -1;
}
} // namespace

bool identifyDevice(AppState &s)
{
  LinkState &link = s.link;
  const bool automatic = link.has(LinkFlag::autoDetect);
  const DeviceCatalogueEntry &current = s.catalogue.entries[link.currentCatalogueIndex % catalogueCapacity];

  // With detection by hand only the chosen model is accepted: another one takes the device offline.
  if (!automatic && s.fields.rxField1[0] != current.modelCode) {
    link.set(LinkFlag::deviceIdentified, false);
    link.setStatus(DeviceStatusFlag::offline, true);
  }
  if (s.fields.subDevicesSeen == 0 || link.has(LinkFlag::deviceIdentified))
    return false;

  const int slot = (s.fields.subDevicesSeen - 1) % subDeviceSlots;
  s.fields.subDevicesSeen = 0;
  const int match = catalogueIndexOfModel(s.catalogue, s.fields.rxField1[slot]);
  if (match < 0)
    return false;
  if (link.hasStatus(DeviceStatusFlag::skipNextIdentification)) {
    link.setStatus(DeviceStatusFlag::skipNextIdentification, false);
    return false;
  }
  if (!automatic && match != link.currentCatalogueIndex)
    return false;

  const DeviceCatalogueEntry &entry = s.catalogue.entries[match];
  link.currentCatalogueIndex = static_cast<uint8_t>(match);
  s.commands.statusDeviceName = entry.name;
  link.set(LinkFlag::deviceIdentified, true);
  link.setStatus(DeviceStatusFlag::offline, false);
  s.loop.fullRefreshPending = true;
  if (automatic) {
    // The model follows the device: the start page shows it as chosen, and it is interpreted.
    link.setStatus(DeviceStatusFlag::modelChosen, true);
    s.commands.lastSelectedModelName = entry.name;
  }
  s.ui.startWindow.currentDevice = match;
  s.scan.modelUpdateRequested = true;
  return true;
}
