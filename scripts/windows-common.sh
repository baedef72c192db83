# Shared by the Windows build and test commands: installs what is missing, builds build-win/
# with the MinGW-w64 toolchain, packs the zip and runs programs under Wine. Sourced, not run.

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

build_windows() {
  ensure_packages "${windows_build_packages[@]}"
  configure_build "$windows_build_dir" \
    -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake"
  cmake --build "$windows_build_dir"
}

windows_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows_build_dir/CMakeCache.txt"
}

# The folder the zip holds: the program, stripped of its debugging symbols, and the README.
windows_package_dir() {
  echo "$windows_build_dir/package/VardakEntityHelper"
}

# pack_windows: writes build-win/vardak-entity-helper-VERSION-win64.zip when what it holds is
# newer than the zip; prints the zip's path.
pack_windows() {
  local version staging zip
  version=$(windows_version)
  staging=$(windows_package_dir)
  zip="$windows_build_dir/vardak-entity-helper-$version-win64.zip"
  local exe="$windows_build_dir/app/vardak-entity-helper.exe"
  local readme="$repo_root/packaging/windows/README.txt"
  if [ ! -f "$zip" ] || [ "$exe" -nt "$zip" ] || [ "$readme" -nt "$zip" ]; then
    rm -rf "$staging"
    mkdir -p "$staging"
    x86_64-w64-mingw32-strip -o "$staging/VardakEntityHelper.exe" "$exe"
    # Windows' own line ends, for Notepad.
    sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$readme" >"$staging/README.txt"
    rm -f "$zip"
    (cd "$(dirname "$staging")" &&
      cmake -E tar cf "$zip" --format=zip "$(basename "$staging")")
  fi
  echo "$zip"
}

# Gives the tests an X display: the one in DISPLAY, or an Xvfb of their own, ended at exit.
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
  xvfb_pid=$!
  local deadline=$((SECONDS + 10))
  until [ -s "$number_file" ]; do
    ((SECONDS < deadline)) || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=":$(cat "$number_file")"
  rm -f "$number_file"
  trap 'stop_wine; kill "$xvfb_pid" 2>/dev/null || true' EXIT
}

# Ends the prefix's Wine processes, which would otherwise outlive the display they draw on.
stop_wine() {
  local wine
  wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
  WINEPREFIX="$wine_prefix" "$(dirname "$(readlink -f "$wine")")/wineserver" -k 2>/dev/null || true
}
