// Decides which catalogue model the connected device is, from the model code it reported.
#pragma once

struct DeviceCatalogue;
struct LinkState;
struct RxFields;

// Runs once per main-loop tick before the link cycle. Returns true when a device was taken over:
// it is then the catalogue's current entry, identified and (in automatic mode) chosen.
bool identifyDevice(LinkState &link, RxFields &fields, DeviceCatalogue &catalogue);
