#include "deviceIdentification.h"

#include "deviceCatalogue.h"
#include "link/linkState.h"
#include "link/rxFields.h"

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

bool identifyDevice(LinkState &link, RxFields &fields, DeviceCatalogue &catalogue)
{
  const bool automatic = link.has(LinkFlag::autoDetect);
  const DeviceCatalogueEntry &current =
      catalogue.entries[catalogue.currentCatalogueIndex % catalogueCapacity];

  // With detection by hand only the chosen model is accepted: another one takes the device offline.
  if (!automatic && fields.rxField1[0] != current.modelCode) {
    link.set(LinkFlag::deviceIdentified, false);
    link.setStatus(DeviceStatusFlag::offline, true);
  }
  // After a lost link the device has told its model again: the same device goes on, another one
  // is identified afresh.
  if (link.has(LinkFlag::identityCheck) && fields.subDevicesSeen != 0) {
    link.set(LinkFlag::identityCheck, false);
    if (link.has(LinkFlag::deviceIdentified)) {
      if (fields.rxField1[0] == current.modelCode) {
        fields.subDevicesSeen = 0;
        return false;
      }
      link.set(LinkFlag::deviceIdentified, false);
    }
  }
  if (fields.subDevicesSeen == 0 || link.has(LinkFlag::deviceIdentified))
    return false;

  const int slot = (fields.subDevicesSeen - 1) % subDeviceSlots;
  fields.subDevicesSeen = 0;
  const int match = catalogueIndexOfModel(catalogue, fields.rxField1[slot]);
  if (match < 0)
    return false;
  if (link.hasStatus(DeviceStatusFlag::skipNextIdentification)) {
    link.setStatus(DeviceStatusFlag::skipNextIdentification, false);
    return false;
  }
  if (!automatic && match != catalogue.currentCatalogueIndex)
    return false;

  catalogue.currentCatalogueIndex = static_cast<uint8_t>(match);
  link.set(LinkFlag::deviceIdentified, true);
  link.set(LinkFlag::identityCheck, false);
  link.setStatus(DeviceStatusFlag::offline, false);
  // The model follows the device: it counts as chosen, and it is interpreted.
  if (automatic)
    link.setStatus(DeviceStatusFlag::modelChosen, true);
  return true;
}
