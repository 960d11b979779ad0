#!/usr/bin/env bash
# Fails when a source file reaches across the layers of the tree:
#   app/                              wires everything and may include any folder
#   devices/  actions/  service/      may include link/, storage/ and common/, not each other
#   link/     storage/                may include common/ only
#   common/                           includes nothing of ours outside itself
# Each folder may include its own headers. Below app/, no file names the application's whole
# state (AppState, appState()).
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"

allowed() {
  case "$1" in
  common) echo "common" ;;
  link | storage) echo "$1 common" ;;
  devices | actions | service) echo "$1 link storage common" ;;
  esac
}

status=0
for layer in common link storage devices actions service; do
  [ -d "$layer" ] || continue
  permitted=$(allowed "$layer")
  while IFS= read -r -d '' file; do
    dir=$(dirname "$file")
    while IFS=: read -r line target; do
      [ -n "$target" ] || continue
      case "$target" in
      */*)
        top=${target%%/*}
        if [ "$top" = ".." ] || ! [[ " $permitted " == *" $top "* ]]; then
          echo "$file:$line: includes \"$target\" across the layers ($layer/ may use: $permitted)"
          status=1
        fi
        ;;
      *)
        if [ ! -f "$dir/$target" ]; then
          echo "$file:$line: includes \"$target\", which is not beside it: name its folder"
          status=1
        fi
        ;;
      esac
    done < <(grep -n -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+"' "$file" |
      sed -E 's/^([0-9]+):.*"([^"]+)"/\1:\2/')
    if grep -n -E '\bAppState\b|\bappState\(' "$file" | sed "s|^|$file:|; s|$| (the application's whole state)|" | grep .; then
      status=1
    fi
  done < <(find "$layer" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
done
if [ "$status" -eq 0 ]; then
  echo "layers: every include follows the rule"
fi
exit "$status"
