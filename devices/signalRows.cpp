#include "signalRows.h"

#define TALVANE_ROW(field, n)                                                                                \
  {                                                                                                          \
    &SignalOutputsStruct::signal14_##field##n, &SignalOutputsStruct::signal24_##field##n,                    \
        &SignalOutputsStruct::signal34_##field##n                                                            \
  }
#define TALVANE_ROWS(field)                                                                                  \
  {                                                                                                          \
    TALVANE_ROW(field, 1), TALVANE_ROW(field, 2), TALVANE_ROW(field, 3), TALVANE_ROW(field, 4),              \
        TALVANE_ROW(field, 5), TALVANE_ROW(field, 6), TALVANE_ROW(field, 7), TALVANE_ROW(field, 8),          \
        TALVANE_ROW(field, 9), TALVANE_ROW(field, 10), TALVANE_ROW(field, 11), TALVANE_ROW(field, 12),       \
        TALVANE_ROW(field, 13), TALVANE_ROW(field, 14)                                                       \
  }

const SignalRowMember routedRows[signalRows][signalRelays] = TALVANE_ROWS(Row);
const SignalRowMember enabledRows[signalRows][signalRelays] = TALVANE_ROWS(enabled_Row);
const SignalRowMember invertedRelays[signalRelays] = {&SignalOutputsStruct::signal14_Inverted,
                                                      &SignalOutputsStruct::signal24_Inverted,
                                                      &SignalOutputsStruct::signal34_Inverted};
const SignalRowMember invertedEnabledRelays[signalRelays] = {&SignalOutputsStruct::signal14_Inverted_enabled,
                                                             &SignalOutputsStruct::signal24_Inverted_enabled,
                                                             &SignalOutputsStruct::signal34_Inverted_enabled};
QString SignalOutputsStruct::*const rowLabels[signalRows] = {
    &SignalOutputsStruct::signal_Label_Row1,  &SignalOutputsStruct::signal_Label_Row2,
    &SignalOutputsStruct::signal_Label_Row3,  &SignalOutputsStruct::signal_Label_Row4,
    &SignalOutputsStruct::signal_Label_Row5,  &SignalOutputsStruct::signal_Label_Row6,
    &SignalOutputsStruct::signal_Label_Row7,  &SignalOutputsStruct::signal_Label_Row8,
    &SignalOutputsStruct::signal_Label_Row9,  &SignalOutputsStruct::signal_Label_Row10,
    &SignalOutputsStruct::signal_Label_Row11, &SignalOutputsStruct::signal_Label_Row12,
    &SignalOutputsStruct::signal_Label_Row13, &SignalOutputsStruct::signal_Label_Row14};
