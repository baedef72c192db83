# Shared by the run, test and release commands: installs what is missing, configures build trees,
# gives tests a display of their own and cleans up after them. Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$repo_root/build"

# Debian packages the build, the tests and the tool need.
required_packages=(
  g++ cmake ninja-build
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
)
# What only the tests need: the validators of the installed desktop files and manual page, and a
# headless Wayland compositor with Qt's Wayland plugin.
test_packages=(desktop-file-utils appstream libxml2-utils man-db weston qt6-wayland xvfb)

# Commands run when the script ends, however it ends (an interrupted test leaves no compositor,
# X server or folder behind); the latest registered runs first.
exit_commands=()
run_exit_commands() {
  local command
  for command in "${exit_commands[@]}"; do
    eval "$command" || true
  done
}
# at_exit COMMAND: runs COMMAND (shell text) when the script ends.
at_exit() {
  exit_commands=("$1" "${exit_commands[@]}")
  trap run_exit_commands EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

# apt-get with a root's rights, waiting for another package manager to finish rather than failing
# on its lock.
apt_get() {
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=600 -o Acquire::Retries=3 "$@"
}

# apt-get update takes the package lists' lock without waiting: try again while another holds it.
update_package_lists() {
  local deadline=$((SECONDS + 600)) errors
  until errors=$(apt_get update 2>&1 >/dev/null); do
    if [[ "$errors" != *"Could not get lock"* ]] || ((SECONDS >= deadline)); then
      echo "$errors" >&2
      return 1
    fi
    echo "Waiting for another package manager to finish..."
    sleep 5
  done
}

ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  echo "Installing: ${missing[*]}"
  update_package_lists
  apt_get install -y --no-install-recommends "${missing[@]}"
}

# configure_build DIR [cmake options...]: configures DIR with the options given, every time, so
# that an option added to an existing tree is applied; the build that follows is incremental.
# Warnings are errors in every tree the scripts make.
configure_build() {
  local dir=$1
  shift
  cmake -S "$repo_root" -B "$dir" -G Ninja -DVEH_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
}

# with_headless_wayland COMMAND...: runs COMMAND with Qt on a Weston of its own, which ends with
# it. Weston runs inside an Xvfb (its X11 backend) rather than on its headless backend: that one
# has no seat, and without a seat no Wayland client can use the clipboard.
wayland_pid="" wayland_runtime=""
stop_headless_wayland() {
  [ -n "$wayland_pid" ] && kill "$wayland_pid" 2>/dev/null && wait "$wayland_pid" 2>/dev/null
  [ -n "$wayland_runtime" ] && rm -rf "$wayland_runtime"
  wayland_pid="" wayland_runtime=""
}
with_headless_wayland() {
  local socket=veh-wayland rc=0
  at_exit stop_headless_wayland
  [ -n "$xvfb_pid" ] || start_own_display
  wayland_runtime=$(mktemp -d)
  chmod 700 "$wayland_runtime"
  XDG_RUNTIME_DIR=$wayland_runtime weston --backend=x11-backend.so --use-pixman --width=1280 \
    --height=1024 --socket=$socket --idle-time=0 >"$wayland_runtime/weston.log" 2>&1 &
  wayland_pid=$!
  local deadline=$((SECONDS + 10))
  until [ -S "$wayland_runtime/$socket" ]; do
    if ((SECONDS >= deadline)) || ! kill -0 "$wayland_pid" 2>/dev/null; then
      echo "Weston did not start:" >&2
      cat "$wayland_runtime/weston.log" >&2
      stop_headless_wayland
      return 1
    fi
    sleep 0.1
  done
  XDG_RUNTIME_DIR=$wayland_runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@" || rc=$?
  stop_headless_wayland
  return $rc
}

# start_own_display: points DISPLAY at an Xvfb of the script's own, whatever DISPLAY said, so
# that tests never put windows on the user's screen; it ends with the script.
xvfb_pid=""
start_own_display() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
  xvfb_pid=$!
  at_exit 'kill "$xvfb_pid" 2>/dev/null'
  local deadline=$((SECONDS + 10))
  until [ -s "$number_file" ]; do
    ((SECONDS < deadline)) || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=":$(cat "$number_file")"
  rm -f "$number_file"
  unset WAYLAND_DISPLAY
}
