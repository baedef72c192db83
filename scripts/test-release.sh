#!/usr/bin/env bash
# Makes the release files with scripts/release.sh and proves each as a user gets it, on an Xvfb
# of its own: the Windows setup under Wine (installed, run, installed again, refused while the
# program runs, uninstalled), the Debian package (fields, files, lintian, started; with CI=true
# also installed with apt, started from its menu entry and purged), the source tarball (built
# unpacked, with no .git) and signing with a throwaway certificate. Nothing stays installed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-common.sh"

ensure_packages "${windows_test_packages[@]}" lintian openssl unzip binutils
"$repo_root/scripts/release.sh"
dist="$repo_root/dist"
version=$(windows_version "$repo_root/build-win-release")
(cd "$dist" && sha256sum --quiet -c SHA256SUMS)

start_own_display
"$repo_root/tests/packaging/windows_setup.sh" "$dist/vardak-entity-helper-$version-win64-setup.exe"
"$repo_root/tests/packaging/debian_package.sh" "$dist/vardak-entity-helper_${version}_amd64.deb"
"$repo_root/tests/packaging/source_tarball.sh" "$dist/vardak-entity-helper-$version.tar.gz"
"$repo_root/tests/packaging/signing.sh"
