// Fuzzes the UPS network server's receive path: bytes arrive in pieces as from a socket and every
// completed line is answered, with the session's login state carried along.
#include "actions/nutProtocol.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
  NutShared shared;
  shared.table.upsName = "vt-40a";
  shared.table.description = "Norvex VT-40A";
  shared.table.stale = size > 0 && (data[0] & 1) != 0;
  shared.table.variables = {{"ups.status", "OL"}, {"input.voltage", "24.10"}};
  shared.accountUser = "monuser";
  shared.accountPassword = "secret";
  NutSession session;
  shared.sessions = {&session};
  size_t pos = 0;
  while (pos < size && !session.closing) {
    // The first byte of each piece gives its length, so the fuzzer controls how bytes arrive.
    const size_t piece = std::min<size_t>(1 + data[pos] % 64, size - pos - 1);
    const QByteArray answers = nutReceive(
        session, shared, QByteArray(reinterpret_cast<const char *>(data + pos + 1), static_cast<int>(piece)));
    pos += piece + 1;
    if (session.pendingLine.size() > nutMaxLineLength || (!answers.isEmpty() && !answers.endsWith('\n')))
      __builtin_trap();
  }
  return 0;
}
