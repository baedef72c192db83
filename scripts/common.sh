# Shared by the run and test commands: installs what is missing and configures the build tree.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$repo_root/build"

# Debian packages the build, the tests and the tool need.
required_packages=(
  g++ cmake ninja-build
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
)
# What only the tests need: the validators of the installed desktop files, and a headless
# Wayland compositor with Qt's Wayland plugin.
test_packages=(desktop-file-utils appstream libxml2-utils weston qt6-wayland)

ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "${missing[@]}"
}

# configure_build DIR [cmake options...]: configures DIR once; later builds are incremental.
configure_build() {
  local dir=$1
  shift
  [ -f "$dir/build.ninja" ] && return 0
  cmake -S "$repo_root" -B "$dir" -G Ninja "$@"
}

# with_headless_wayland COMMAND...: runs COMMAND with Qt on a headless Weston of its own, which
# ends with it.
with_headless_wayland() {
  local runtime socket=veh-wayland rc=0
  runtime=$(mktemp -d)
  chmod 700 "$runtime"
  XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
  local weston=$!
  local deadline=$((SECONDS + 10))
  until [ -S "$runtime/$socket" ]; do
    if ((SECONDS >= deadline)) || ! kill -0 "$weston" 2>/dev/null; then
      echo "Weston did not start:" >&2
      cat "$runtime/weston.log" >&2
      return 1
    fi
    sleep 0.1
  done
  XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@" || rc=$?
  kill "$weston" 2>/dev/null || true
  wait "$weston" 2>/dev/null || true
  rm -rf "$runtime"
  return $rc
}
