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
# What only the tests need: the validators of the installed desktop files.
test_packages=(desktop-file-utils appstream libxml2-utils)

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
