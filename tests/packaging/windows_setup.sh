#!/usr/bin/env bash
# windows_setup.sh SETUP: installs the Windows setup silently under Wine, in a prefix of its own
# on the X display in DISPLAY, and checks what a user gets: the files, the Start-menu shortcut and
# every value of the uninstall entry; runs the installed program end to end; installs again
# (one entry), into another folder with /D= (the install moves), while the program runs and over
# a newer version (both refused, nothing changed); then uninstalls with the entry's quiet
# command and finds nothing left.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/windows-common.sh"
source "$repo_root/tests/support/x11_windows.sh"
setup=$(realpath "$1")
version=$(basename "$setup" | sed -n 's/^vardak-entity-helper-\(.*\)-win64-setup\.exe$/\1/p')

fail() {
  echo "windows setup: $*" >&2
  exit 1
}
say() { echo "windows setup: $*"; }

scratch=$(mktemp -d)
prefix="$scratch/wineprefix"
at_exit 'rm -rf "$scratch"'
at_exit 'stop_wine "$prefix"'
wine() { "$wine_run" "$prefix" "$@"; }

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VardakEntityHelper'
# The entry's values as lines "NAME<TAB>TYPE<TAB>DATA", empty when there is no entry.
entry() {
  { wine reg query "$uninstall_key" 2>/dev/null || true; } | tr -d '\r' |
    sed -n 's/^    \([^ ]*\)    \(REG_[A-Z_]*\)    \(.*\)$/\1\t\2\t\3/p' | sort
}
value() { entry | awk -F '\t' -v name="$1" '$1 == name { print $3 }'; }
unix_path() { wine winepath -u "$1" | tr -d '\r'; }
# What an install consists of: the folder's files and their contents, the shortcut, the entry.
state() {
  (cd "$folder" 2>/dev/null && sha256sum -- *) || true
  [ -f "$shortcut" ] && sha256sum "$shortcut"
  entry
}

# The Start-menu shortcut starts the program in the install folder (the link holds the path).
expect_shortcut() {
  [ -f "$shortcut" ] || fail "no Start-menu shortcut"
  { strings -el "$shortcut"; strings "$shortcut"; } |
    grep -F "$location\\VardakEntityHelper.exe" >/dev/null ||
    fail "the shortcut does not start $location\\VardakEntityHelper.exe"
}

wine  # makes the prefix
app_data=$(wine cmd /c 'echo %APPDATA%' | tr -d '\r')
programs=$(unix_path "$app_data\\Microsoft\\Windows\\Start Menu\\Programs")
shortcut="$programs/Vardak Entity Helper.lnk"

wine "$setup" /S || fail "the silent install exited with $?"
location=$(value InstallLocation)
[ -n "$location" ] || fail "no uninstall entry after the install"
folder=$(unix_path "$location")
say "uninstall entry read back:"
entry | sed 's/^/    /'

# The usual folder of per-user programs, which needs no administrator.
[[ "$location" == *'\AppData\Local\Programs\Vardak Entity Helper' ]] ||
  fail "installed in $location"
files=$(cd "$folder" && ls)
[ "$files" = $'LICENSE.txt\nUninstall.exe\nVardakEntityHelper.exe' ] ||
  fail "the folder holds: $files"
expect_shortcut

expect_value() {
  local actual
  actual=$(entry | awk -F '\t' -v name="$1" '$1 == name { print $2 " " $3 }')
  [ "$actual" = "$2" ] || fail "$1 is '$actual', not '$2'"
}
expect_value DisplayName "REG_SZ Vardak Entity Helper"
expect_value DisplayVersion "REG_SZ $version"
expect_value Publisher "REG_SZ The Vardak Entity Helper authors"
expect_value DisplayIcon "REG_SZ $location\\VardakEntityHelper.exe,0"
expect_value UninstallString "REG_SZ \"$location\\Uninstall.exe\""
expect_value QuietUninstallString "REG_SZ \"$location\\Uninstall.exe\" /S"
expect_value NoModify "REG_DWORD 0x1"
expect_value NoRepair "REG_DWORD 0x1"
# Kibibytes, as Programs and Features shows them.
kib=$(($(cat "$folder"/* | wc -c) / 1024))
expect_value EstimatedSize "REG_DWORD $(printf '0x%x' "$kib")"
names=$(entry | cut -f1 | tr '\n' ' ')
[ "$names" = "DisplayIcon DisplayName DisplayVersion EstimatedSize InstallLocation NoModify \
NoRepair Publisher QuietUninstallString UninstallString " ] || fail "the entry holds: $names"
say "installed: files, shortcut and entry as expected"

"$repo_root/tests/windows/end_to_end.sh" "$wine_run" "$prefix" "$folder/VardakEntityHelper.exe" \
  "$scratch/screenshots"

# expect_one_entry WHEN: one uninstall entry of the program, of all the entries there are.
expect_one_entry() {
  local count
  count=$(wine reg query "${uninstall_key%\\*}" /s | tr -d '\r' |
    grep -c '^    DisplayName    REG_SZ    Vardak Entity Helper$' || true)
  [ "$count" = 1 ] || fail "$count uninstall entries after $1"
}

wine "$setup" /S || fail "installing again exited with $?"
expect_one_entry "installing again"
say "installing again left one entry"

# Another folder given with /D= moves the install there: one entry, nothing left behind.
old_folder=$folder
wine "$setup" /S '/D=C:\Tools\VardakEntityHelper' || fail "installing with /D= exited with $?"
location=$(value InstallLocation)
[ "$location" = 'C:\Tools\VardakEntityHelper' ] || fail "/D= installed in $location"
folder=$(unix_path "$location")
[ ! -e "$old_folder" ] || fail "the install moved with /D= left $old_folder behind"
[ -f "$folder/VardakEntityHelper.exe" ] || fail "nothing was installed in $folder"
expect_shortcut
expect_one_entry "installing with /D="
say "installing with /D= moved the install to $location"

installed=$(state)
wine "$folder/VardakEntityHelper.exe" &
program=$!
launcher=$(wait_for_window "Vardak Entity Helper")
status=0
wine "$setup" /S || status=$?
[ "$status" -ne 0 ] || fail "installing while the program runs succeeded"
[ "$(state)" = "$installed" ] || fail "installing while the program runs changed the install"
press "$launcher" Escape
wait "$program" || fail "the program exited with $? after the refused install"
say "installing while the program runs exited with $status and changed nothing"

wine reg add "$uninstall_key" /v DisplayVersion /d 99.0.0.0 /f >/dev/null
installed=$(state)
status=0
wine "$setup" /S || status=$?
[ "$status" -ne 0 ] || fail "installing over a newer version succeeded"
[ "$(state)" = "$installed" ] || fail "installing over a newer version changed the install"
say "installing over a newer version exited with $status and changed nothing"

# The entry's own command; the uninstaller runs on from a copy of itself, so wait for its work.
quiet=$(value QuietUninstallString)
[[ "$quiet" =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "cannot read '$quiet'"
wine "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" || fail "the silent uninstall exited with $?"
deadline=$((SECONDS + 60))
while [ -e "$folder" ] || [ -e "$shortcut" ] || [ -n "$(entry)" ]; do
  ((SECONDS < deadline)) || break
  sleep 0.5
done
[ ! -e "$folder" ] || fail "the folder is still there: $(ls -A "$folder")"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
[ -z "$(entry)" ] || fail "the uninstall entry is still there"
say "the silent uninstall left no file, shortcut, entry or folder"
