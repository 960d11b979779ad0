#!/usr/bin/env bash
# Builds the receive-path fuzzer (decoding and the interpretation of decoded frames for every device
# family) with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it for the given number of seconds (default 60).
# Usage: tools/fuzz.sh [seconds] [build folder] [Qt major version, 5 (default) or 6]
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-$root/build/fuzz}
qt=Qt${3:-5}
# Qt 5 keeps its moc among its host programs, Qt 6 among its internal ones.
if [ "$qt" = Qt5 ]; then
  moc=$(pkg-config --variable=host_bins "${qt}Core")/moc
else
  moc=$(pkg-config --variable=libexecdir "${qt}Core")/moc
fi
mkdir -p "$out/corpus" "$out/moc"
# The interpretation of decoded frames comes along, with the headers its records need moc for.
for header in common/uiRecords.h storage/upsDataBase.h storage/eventControlModel.h; do
  "$moc" -I"$root" "$root/$header" -o "$out/moc/moc_$(basename "$header" .h).cpp"
done
sources=(tests/fuzz/fuzz_receive.cpp link/frameCodec.cpp link/fieldTable.cpp link/buildOptions.cpp
  link/requestCycle.cpp devices/currentDevice.cpp devices/deviceCatalogue.cpp devices/deviceEvents.cpp
  devices/familyTraits.cpp devices/pageRecords.cpp devices/parameterEncoding.cpp devices/parameterSettings.cpp
  devices/writeConfirmation.cpp devices/processInterpretation.cpp devices/signalRows.cpp devices/valueText.cpp
  common/languageTable.cpp common/languageTexts.cpp common/logging.cpp common/timedMessage.cpp common/vendorData.cpp
  common/tickCountdown.cpp storage/upsDataBase.cpp storage/databaseSchema.cpp storage/ownerOnlyFile.cpp
  storage/eventControlModel.cpp storage/eventLogExport.cpp)
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" $(pkg-config --cflags "${qt}Core" "${qt}Gui" "${qt}Sql") -fPIC \
  "${sources[@]/#/$root/}" "$out"/moc/moc_*.cpp \
  $(pkg-config --libs "${qt}Core" "${qt}Gui" "${qt}Sql" sqlite3) -o "$out/fuzz_receive"
/usr/bin/python3 "$root/tests/fuzz/make_corpus.py" "$out/seeds"
cd "$out"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ./fuzz_receive -max_total_time="$seconds" -print_final_stats=1 corpus seeds

# The UPS network server's receive path, for the same time.
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" $(pkg-config --cflags "${qt}Core") -fPIC \
  "$root/tests/fuzz/fuzz_nutReceive.cpp" "$root/actions/nutProtocol.cpp" \
  $(pkg-config --libs "${qt}Core") -o "$out/fuzz_nutReceive"
mkdir -p "$out/nut_corpus" "$out/nut_seeds"
printf '\x1fUSERNAME monuser\nPASSWORD secret\n\x0fLOGIN vt-40a\nPRIMARY vt-40a\n' > "$out/nut_seeds/login"
printf '\x3fLIST VAR vt-40a\nGET VAR "vt-40a" ups.status\nGET TYPE vt-40a x\nLOGOUT\n' > "$out/nut_seeds/queries"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ./fuzz_nutReceive -max_total_time="$seconds" -print_final_stats=1 nut_corpus nut_seeds
