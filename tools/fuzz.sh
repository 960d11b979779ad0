#!/usr/bin/env bash
# Builds the receive-path fuzzer with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it for the given number of seconds (default 60).
# Usage: tools/fuzz.sh [seconds] [build folder]
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-$root/build/fuzz}
mkdir -p "$out/corpus"
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" $(pkg-config --cflags Qt5Core) -fPIC \
  "$root/tests/fuzz/fuzz_receive.cpp" "$root/link/frameCodec.cpp" "$root/link/fieldTable.cpp" \
  $(pkg-config --libs Qt5Core) -o "$out/fuzz_receive"
/usr/bin/python3 "$root/tests/fuzz/make_corpus.py" "$out/seeds"
cd "$out"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ./fuzz_receive -max_total_time="$seconds" -print_final_stats=1 corpus seeds

# The UPS network server's receive path, for the same time.
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" $(pkg-config --cflags Qt5Core) -fPIC \
  "$root/tests/fuzz/fuzz_nutReceive.cpp" "$root/actions/nutProtocol.cpp" \
  $(pkg-config --libs Qt5Core) -o "$out/fuzz_nutReceive"
mkdir -p "$out/nut_corpus" "$out/nut_seeds"
printf '\x1fUSERNAME monuser\nPASSWORD secret\n\x0fLOGIN vt-40a\nPRIMARY vt-40a\n' > "$out/nut_seeds/login"
printf '\x3fLIST VAR vt-40a\nGET VAR "vt-40a" ups.status\nGET TYPE vt-40a x\nLOGOUT\n' > "$out/nut_seeds/queries"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ./fuzz_nutReceive -max_total_time="$seconds" -print_final_stats=1 nut_corpus nut_seeds
