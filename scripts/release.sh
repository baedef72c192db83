#!/usr/bin/env bash
# Makes everything a user installs, in dist/ (or the folder given): the Windows setup and the
# portable zip, the Debian package, the source and SHA256SUMS over them, built in the Release
# trees build-release/ and build-win-release/; installs what is missing first. A file whose
# inputs did not change since it was made is kept as it is. With VEH_SIGN_PKCS12 (a PKCS#12
# certificate) and VEH_SIGN_PASSWORD_FILE (its password) set, the Windows program, its
# uninstaller and the setup are signed.
#   ./scripts/release.sh [DIST_DIR]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-common.sh"

dist=$(realpath -m "${1:-$repo_root/dist}")
linux_dir="$repo_root/build-release"
windows_dir="$repo_root/build-win-release"
release_packages=(nsis osslsigncode dpkg-dev file)
release_options=(-DCMAKE_BUILD_TYPE=Release -DVEH_BUILD_TESTS=OFF -DVEH_BUILD_BENCHMARKS=OFF)

ensure_packages "${required_packages[@]}" "${windows_build_packages[@]}" \
  "${release_packages[@]}"

if [ -n "${VEH_SIGN_PKCS12:-}" ]; then
  [ -f "$VEH_SIGN_PKCS12" ] && [ -f "${VEH_SIGN_PASSWORD_FILE:-}" ] || {
    echo "VEH_SIGN_PKCS12 and VEH_SIGN_PASSWORD_FILE must name the certificate and the file" \
      "with its password" >&2
    exit 1
  }
  export VEH_SIGN_PKCS12 VEH_SIGN_PASSWORD_FILE
  signer="$repo_root/packaging/windows/sign.sh"
  echo "Signing the Windows program, its uninstaller and the setup with $VEH_SIGN_PKCS12"
else
  signer=""
  echo "Nothing is signed (set VEH_SIGN_PKCS12 and VEH_SIGN_PASSWORD_FILE to sign the" \
    "Windows files)."
fi

# The Linux program with Debian's hardening, as a Debian build makes it.
(
  cd "$repo_root"
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  configure_build "$linux_dir" "${release_options[@]}" \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
)
cmake --build "$linux_dir"
build_windows "$windows_dir" "${release_options[@]}"
version=$(windows_version "$windows_dir")
mkdir -p "$dist"

# What a file was made from is recorded as a fingerprint of its inputs' names and contents,
# beside the file's path; records of files that are gone are dropped.
stamps="$linux_dir/release-stamps"
mkdir -p "$stamps"
for stamp in "$stamps"/*; do
  [ -f "$stamp" ] && read -r _ file <"$stamp" && [ ! -e "$file" ] && rm -f "$stamp"
done
stamp_of() { echo "$stamps/$(printf '%s' "$1" | sha256sum | cut -c1-16)"; }
# fingerprint PATH...: of the files given, and of every file under the folders given by its
# place in the folder.
fingerprint() {
  local path
  for path in "$@"; do
    if [ -d "$path" ]; then
      (cd "$path" && find . -type f -print0 | sort -z | xargs -0 sha256sum)
    else
      sha256sum "$path"
    fi
  done | sha256sum | cut -d' ' -f1
}
# current FILE KEY: true when FILE exists and was made from inputs whose fingerprint is KEY.
current() { [ -f "$1" ] && [ "$(cat "$(stamp_of "$1")" 2>/dev/null)" = "$2 $1" ]; }
made() { echo "$2 $1" >"$(stamp_of "$1")"; }

# The portable program, signed before it goes into the zip and the setup.
stage_windows "$windows_dir"
staging=$(windows_package_dir "$windows_dir")
[ -n "$signer" ] && "$signer" "$staging/VardakEntityHelper.exe"

zip="$dist/vardak-entity-helper-$version-win64.zip"
key=$(fingerprint "$staging")
if ! current "$zip" "$key"; then
  zip_windows "$windows_dir" "$zip"
  made "$zip" "$key"
fi

setup="$dist/vardak-entity-helper-$version-win64-setup.exe"
nsis_script="$repo_root/packaging/windows/setup.nsi"
icon="$repo_root/res/app.ico"
# The uninstaller inside is signed with the certificate given, if any.
key=$(fingerprint "$staging" "$nsis_script" "$icon" \
  ${VEH_SIGN_PKCS12:+"$VEH_SIGN_PKCS12" "$VEH_SIGN_PASSWORD_FILE"})
if ! current "$setup" "$key"; then
  nsis=(-V2 -DVERSION="$version" -DPROGRAM_DIR="$staging" -DICON="$icon" -DOUTFILE="$setup")
  [ -n "$signer" ] && nsis+=(-DSIGN_COMMAND="\"$signer\" \"%1\"")
  makensis "${nsis[@]}" "$nsis_script"
  [ -n "$signer" ] && "$signer" "$setup"
  made "$setup" "$key"
fi

# The Debian package holds what `cmake --install` installs, so that is its input.
deb="$dist/vardak-entity-helper_${version}_amd64.deb"
installed=$(mktemp -d)
at_exit 'rm -rf "'"$installed"'"'
cmake --install "$linux_dir" --prefix "$installed" >/dev/null
key=$(fingerprint "$installed" "$linux_dir/CPackConfig.cmake")
if ! current "$deb" "$key"; then
  (cd "$linux_dir" && cpack -G DEB -B "$linux_dir/cpack" >/dev/null)
  mv "$linux_dir/cpack/$(basename "$deb")" "$deb"
  made "$deb" "$key"
fi

# The source as the repository holds it (what git tracks), or all of it outside a repository
# (when this runs in an unpacked source tarball).
tarball="$dist/vardak-entity-helper-$version.tar.gz"
sources=$(mktemp)
at_exit 'rm -f "'"$sources"'"'
if [ "$(git -C "$repo_root" rev-parse --show-toplevel 2>/dev/null)" = "$repo_root" ]; then
  git -C "$repo_root" ls-files -z | while IFS= read -r -d '' file; do
    if [ -e "$repo_root/$file" ]; then printf '%s\0' "$file"; fi
  done >"$sources"
else
  (cd "$repo_root" && find . \( -path './build*' -o -path ./dist -o -path ./.cache \
    -o -path ./.git \) -prune -o -type f -printf '%P\0') >"$sources"
fi
key=$(cd "$repo_root" && xargs -0 sha256sum -- <"$sources" | sha256sum | cut -d' ' -f1)
if ! current "$tarball" "$key"; then
  tar -C "$repo_root" --null -T "$sources" --sort=name --owner=0 --group=0 --numeric-owner \
    --transform "s,^,vardak-entity-helper-$version/," -cf - | gzip -9n >"$tarball"
  made "$tarball" "$key"
fi

artifacts=("$setup" "$zip" "$deb" "$tarball")
(cd "$dist" && sha256sum -- "${artifacts[@]##*/}") >"$dist/SHA256SUMS"

# size FILE [TARGET_KIB]: the file's size, against the target it should stay within.
size() {
  awk -v name="$(basename "$1")" -v bytes="$(stat -c %s "$1")" -v target="${2:-}" 'BEGIN {
    printf "  %-48s %5.0f KiB%s\n", name, bytes / 1024,
      target == "" ? "" : sprintf(" (target at most %d KiB)", target) }'
}
echo "In $dist:"
size "$setup" 400
size "$zip" 250
size "$deb" 400
size "$tarball"
echo "  SHA256SUMS"
echo "The program in them:"
size "$staging/VardakEntityHelper.exe" 1536
