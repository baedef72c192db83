#!/usr/bin/env bash
# Installs what is missing, builds the tool and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Said before anything is installed or built; --help and --version need no display.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] &&
  [[ " $* " != *" --help "* && " $* " != *" --version "* ]]; then
  echo "No display to show the tool on: run this from a desktop session (DISPLAY or WAYLAND_DISPLAY)." >&2
  exit 1
fi
ensure_packages "${required_packages[@]}"
configure_build "$build_dir"
cmake --build "$build_dir" --target vardak-entity-helper
exec "$build_dir/app/vardak-entity-helper" "$@"
