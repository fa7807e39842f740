#!/usr/bin/env bash
# Starts Orv from a build folder. The program keeps Orv3.cfg and Orv3.mdb in its
# working directory: ORV_DATA_DIR, or ~/.local/share/Orv by default.
set -euo pipefail
build=${1:-build}
bin="$(cd "$build/bin" && pwd)"
data="${ORV_DATA_DIR:-$HOME/.local/share/Orv}"
mkdir -p "$data"
cd "$data"

has_display() {
  [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ "${QT_QPA_PLATFORM:-}" = "offscreen" ]
}

if [ -x "$bin/orv3" ]; then
  if has_display; then
    echo "Starting Orv in $data"
    exec "$bin/orv3"
  fi
  echo "No display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the Orv window cannot open."
  echo "Showing the configuration with the command-line front end instead:"
else
  echo "The Orv window is not built yet; showing the configuration with orvctl show instead."
fi
exec "$bin/orvctl" show
