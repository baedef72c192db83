#!/usr/bin/env bash
# debian_package.sh DEB: checks the Debian package's fields and files and has lintian check it;
# the program unpacked from it answers --version and shows its launcher on the X display in
# DISPLAY. With CI=true it is also installed with apt, started from its menu entry and purged,
# leaving nothing (on a developer's machine that would install and remove software).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
source "$repo_root/tests/support/x11_windows.sh"
deb=$(realpath "$1")
name=vardak-entity-helper
version=$(basename "$deb" | sed -n "s/^${name}_\(.*\)_amd64\.deb$/\1/p")
app_id=org.vardak.EntityHelper

fail() {
  echo "debian package: $*" >&2
  exit 1
}
say() { echo "debian package: $*"; }

scratch=$(mktemp -d)
at_exit 'rm -rf "$scratch"'

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$name" ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is $(field Architecture)"
[ "$(field Section)" = utils ] || fail "Section is $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
  fail "Maintainer is $(field Maintainer)"
[[ "$(field Homepage)" == https://* ]] || fail "Homepage is $(field Homepage)"
# Found by dpkg-shlibdeps from the program's libraries.
[[ "$(field Depends)" == *"libqt6widgets6 (>= "* ]] || fail "Depends is $(field Depends)"

dpkg-deb -x "$deb" "$scratch/root"
summary=$(sed -n 's:^ *<summary>\(.*\)</summary>$:\1:p' \
  "$scratch/root/usr/share/metainfo/$app_id.metainfo.xml")
[ -n "$summary" ] && [ "$(field Description | sed -n 1p)" = "$summary" ] ||
  fail "the description does not begin with the metadata's summary '$summary'"
say "fields as expected: $(field Depends)"

expected="usr/bin/$name
usr/share/applications/$app_id.desktop
usr/share/doc/$name/changelog.gz
usr/share/doc/$name/copyright
$(for size in 128 16 256 32 48 64; do
  echo "usr/share/icons/hicolor/${size}x$size/apps/$app_id.png"
done)
usr/share/icons/hicolor/scalable/apps/$app_id.svg
usr/share/man/man1/$name.1.gz
usr/share/metainfo/$app_id.metainfo.xml"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
[ "$files" = "$(sort <<<"$expected")" ] || fail "the package holds:"$'\n'"$files"
[[ "$(readelf -S "$scratch/root/usr/bin/$name")" != *.debug_info* ]] ||
  fail "the program is not stripped"
changelog="$scratch/root/usr/share/doc/$name/changelog.gz"
[ "$(zcat "$changelog" | dpkg-parsechangelog -l- -S Version)" = "$version" ] ||
  fail "the changelog's latest entry is not $version"
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$scratch/root/usr/share/doc/$name/copyright" || fail "the copyright file is not machine-readable"
say "files as expected"

lintian_output=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $lintian_output"
lintian_output=$(grep -v '^running with root privileges' <<<"$lintian_output" || true)
say "lintian: ${lintian_output:-no tags}"

# start PROGRAM...: runs the program on the X display, sees its launcher and closes it with Esc,
# which must end it with 0.
start() {
  QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch "$@" &
  local program=$! launcher
  launcher=$(wait_for_window "Vardak Entity Helper")
  press "$launcher" Escape
  wait "$program" || fail "$* exited with $?"
}

[ "$("$scratch/root/usr/bin/$name" --version)" = "$name $version" ] ||
  fail "the unpacked program does not answer --version with $version"
start "$scratch/root/usr/bin/$name"
say "the unpacked program answers --version and shows its launcher"

[ "${CI:-}" = true ] || exit 0
dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q installed &&
  fail "$name is installed already: this test would remove it"
apt_get install -y "$deb" >"$scratch/apt.log" 2>&1 ||
  fail "apt could not install it: $(cat "$scratch/apt.log")"
at_exit 'apt_get purge -y '"$name"' >/dev/null 2>&1'
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop")
read -ra command <<<"${exec_line//%[a-zA-Z]/}"
start "${command[@]}"
say "installed with apt, it starts from its menu entry ($exec_line)"
apt_get purge -y "$name" >"$scratch/apt.log" 2>&1 ||
  fail "apt could not purge it: $(cat "$scratch/apt.log")"
status=$(dpkg-query -W -f='${Status}' "$name" 2>/dev/null || true)
[ -z "$status" ] || [[ "$status" == *not-installed ]] || fail "after the purge: $status"
while read -r file; do
  [ ! -e "/$file" ] || fail "/$file is left after the purge"
done <<<"$files"
say "purged, it left nothing"
