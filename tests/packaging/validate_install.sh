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
  share/icons/hicolor/32x32/apps/$app_id.png \
  share/icons/hicolor/256x256/apps/$app_id.png \
  share/icons/hicolor/scalable/apps/$app_id.svg \
  share/man/man1/vardak-entity-helper.1.gz \
  share/doc/vardak-entity-helper/copyright \
  share/doc/vardak-entity-helper/changelog.gz; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
# The program's windows carry the version block's internal name as their X11 class.
grep -qx 'StartupWMClass=VardakEntityHelper' "$prefix/share/applications/$app_id.desktop" ||
  { echo "the desktop entry does not name the windows' class"; exit 1; }
xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
# The manual formats without a warning.
warnings=$(man --warnings -l "$prefix/share/man/man1/vardak-entity-helper.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "the manual page: $warnings"; exit 1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
echo "installed files are complete and valid"
