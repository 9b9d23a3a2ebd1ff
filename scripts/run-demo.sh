#!/usr/bin/env bash
# Builds Telvo View, generates the demo data set for today in build/demo and
# opens the program on it. Without a display, it prints the week view of the
# demo rows instead (this week and the same week last year for two devices),
# as telvo-export writes it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

cmake --preset default
cmake --build --preset default --target telvo-demo-data telvo-export telvo-view

demo=build/demo
settings="$demo/Telvo_View.ini"
rm -rf "$demo"
build/tools/telvo-demo-data --out "$demo"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec build/app/telvo-view --settings "$settings"
fi

today=$(date +%d-%m-%Y)
last_year=$(date -d '364 days ago' +%d-%m-%Y)
export_file="$demo/week.exp"
build/app/telvo-export week \
    --settings "$settings" \
    --today "$today" \
    --row "$today|Main Entrance|0" \
    --row "$last_year|Main Entrance|0" \
    --row "$today|Garden Shop|0" \
    --row "$last_year|Garden Shop|0" \
    -o "$export_file"

echo "== No display: the week view of the demo rows, $export_file"
iconv -f WINDOWS-1252 -t UTF-8 "$export_file" | tr -d '\r'
