# Shared by the Windows build, test and release commands: installs what is missing, builds a tree
# with the MinGW-w64 toolchain, lays out and packs the portable program and runs programs under
# Wine. Sourced, not run.

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

windows_build_dir="$repo_root/build-win"
wine_run="$repo_root/cmake/wine-run.sh"
wine_prefix="$windows_build_dir/wineprefix"

# Debian packages the cross-build needs, and what running and testing it under Wine needs.
windows_build_packages=(
  cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  googletest
)
windows_test_packages=(wine64 fonts-wine xvfb xdotool imagemagick)

# build_windows [DIR [cmake options...]]: cross-builds DIR (build-win/ by default).
build_windows() {
  local dir=${1:-$windows_build_dir}
  shift || true
  ensure_packages "${windows_build_packages[@]}"
  configure_build "$dir" -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake" "$@"
  cmake --build "$dir"
}

windows_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "${1:-$windows_build_dir}/CMakeCache.txt"
}

# The folder a Windows user gets, in the build tree DIR: the program stripped of its debugging
# symbols, the README and the licence, with Windows' own line ends for Notepad.
windows_package_dir() {
  echo "${1:-$windows_build_dir}/package/VardakEntityHelper"
}
stage_windows() {
  local dir=${1:-$windows_build_dir} staging version
  staging=$(windows_package_dir "$dir")
  version=$(windows_version "$dir")
  rm -rf "$staging"
  mkdir -p "$staging"
  local exe="$dir/app/vardak-entity-helper.exe"
  # strip stamps the .exe with the time it runs unless told a time: the link's, so that the same
  # program gives the same bytes.
  SOURCE_DATE_EPOCH=$(stat -c %Y "$exe") \
    x86_64-w64-mingw32-strip -o "$staging/VardakEntityHelper.exe" "$exe"
  sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$repo_root/packaging/windows/README.txt" \
    >"$staging/README.txt"
  sed -e 's/$/\r/' "$repo_root/LICENSE" >"$staging/LICENSE.txt"
}

# zip_windows DIR ZIP: packs the folder that stage_windows laid out in DIR into ZIP.
zip_windows() {
  local staging
  staging=$(windows_package_dir "$1")
  rm -f "$2"
  (cd "$(dirname "$staging")" && cmake -E tar cf "$2" --format=zip "$(basename "$staging")")
}

# pack_windows: lays out the program of build-win/ and packs it into
# build-win/vardak-entity-helper-VERSION-win64.zip; prints the zip's path.
pack_windows() {
  local zip
  zip="$windows_build_dir/vardak-entity-helper-$(windows_version)-win64.zip"
  stage_windows
  zip_windows "$windows_build_dir" "$zip"
  echo "$zip"
}

# stop_wine PREFIX: ends the prefix's Wine processes, which would otherwise outlive the display
# they draw on.
stop_wine() {
  local wine
  wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
  WINEPREFIX="$1" "$(dirname "$(readlink -f "$wine")")/wineserver" -k 2>/dev/null || true
}

# start_wine_session: the Windows program built and packed, an Xvfb of the script's own, and
# the prefix made (the first time) with Wine's services started, which end with the script.
start_wine_session() {
  ensure_packages "${windows_build_packages[@]}" "${windows_test_packages[@]}"
  build_windows
  pack_windows >/dev/null
  start_own_display
  at_exit 'stop_wine "$wine_prefix"'
  "$wine_run" "$wine_prefix"
}
