#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. On first run the sample database
# (the shipped one with the sample company's assets, made by tools/makesample) is copied to the
# user's data folder, unless a database is there already, and the INI file is pointed at it (only
# when the INI file names no database yet).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_BUILD_DIR:-$here/build}

"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQEL_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)"

config=${XDG_CONFIG_HOME:-$HOME/.config}
ini=${QEL_INI:-$config/QELFA1.ini}
data=${XDG_DATA_HOME:-$HOME/.local/share}/QelCorvane
if ! grep -qsi '^[[:space:]]*DB_Path[[:space:]]*=[[:space:]]*[^[:space:]]' "$ini"; then
  mkdir -p "$data" "$(dirname "$ini")"
  [ -f "$data/VOSSMERE.MDB" ] || cp "$build/bin/sample/VOSSMERE.MDB" "$data/VOSSMERE.MDB"
  if grep -qsi '^\[Data\]' "$ini"; then
    sed -i "/^\[Data\]/I a DB_Path=$data/VOSSMERE.MDB" "$ini"
  else
    printf '[Data]\nDB_Path=%s\n' "$data/VOSSMERE.MDB" >> "$ini"
  fi
  echo "Database: $data/VOSSMERE.MDB (path written to $ini)"
fi

exec "$build/bin/harlune"
