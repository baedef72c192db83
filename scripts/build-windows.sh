#!/usr/bin/env bash
# Installs what is missing, cross-builds the Windows program in build-win/ and packs
# build-win/vardak-entity-helper-VERSION-win64.zip (VardakEntityHelper.exe, a README and the
# licence). scripts/release.sh makes the zip and the setup that are published.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-common.sh"

build_windows
zip=$(pack_windows)
echo "Windows program: $zip"
