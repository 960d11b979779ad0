// Everything the device link owns: its flags, the codec's buffers, the received fields, the
// request queues and the port scan. The application keeps the state and hands it to the link's
// entry points as one context, so a test of the link builds only this.
#pragma once

#include "frameCodec.h"
#include "linkState.h"
#include "portScanning.h"
#include "requestCycle.h"
#include "rxFields.h"

struct LinkContext {
  LinkState &link;
  RxState &rx;
  TxState &tx;
  RxFields &fields;
  RequestCycleState &requests;
  PortScanState &scan;
};

// The link's state in one place, for tests and tools that run the link on its own.
struct LinkParts {
  LinkState link;
  RxState rx;
  TxState tx;
  RxFields fields;
  RequestCycleState requests;
  PortScanState scan;

  LinkContext context() { return {link, rx, tx, fields, requests, scan}; }
};
