#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop finds there:
# validate_install.sh BUILD_DIR
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
app_id=org.vardak.EntityHelper
for file in bin/vardak-entity-helper \
  share/applications/$app_id.desktop \
  share/metainfo/$app_id.metainfo.xml \
  share/icons/hicolor/16x16/apps/$app_id.png \
  share/icons/hicolor/32x32/apps/$app_id.png; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
echo "installed files are complete and valid"
