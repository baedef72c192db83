#!/usr/bin/env bash
# source_tarball.sh TARBALL: unpacks the source, which has no .git, and runs the README's first
# command from it: run.sh builds the program, which answers --version. (Its tests are the files
# git tracks, which the test command's other passes build.) The unpacked tree is laid anew each
# time in build-release/unpacked/, but keeps its build/ there so that the next run builds only
# what changed; a tarball already proven is not built again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
tarball=$(realpath "$1")
name=$(basename "$tarball" .tar.gz)

fail() {
  echo "source tarball: $*" >&2
  exit 1
}

unpacked="$repo_root/build-release/unpacked"
proven="$unpacked/proven"
key=$(sha256sum <"$tarball")
if [ "$(cat "$proven" 2>/dev/null)" = "$key" ]; then
  echo "source tarball: $name was proven to build before"
  exit 0
fi
rm -f "$proven"
tree="$unpacked/$name"
mkdir -p "$tree"
find "$tree" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
tar -C "$unpacked" -xzf "$tarball"
[ ! -e "$tree/.git" ] || fail "the tarball holds .git"
[ -f "$tree/LICENSE" ] || fail "the tarball holds no LICENSE"

"$tree/scripts/run.sh" --version >"$unpacked/run.log" 2>&1 ||
  fail "run.sh did not build and start the program: $(tail -n 30 "$unpacked/run.log")"
version=$(tail -n 1 "$unpacked/run.log")
[ "$version" = "vardak-entity-helper ${name#vardak-entity-helper-}" ] ||
  fail "the program built from it says '$version'"
echo "$key" >"$proven"
echo "source tarball: unpacked with no .git, it builds and its program answers '$version'"
