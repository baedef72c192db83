#!/usr/bin/env bash
# signing.sh: makes a throwaway self-signed code-signing certificate with openssl, has
# scripts/release.sh sign with it into a folder of its own, and has osslsigncode accept the
# signatures of the setup and of the program in the zip; the unsigned release in dist/ carries
# none.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

fail() {
  echo "signing: $*" >&2
  exit 1
}

scratch=$(mktemp -d)
at_exit 'rm -rf "$scratch"'
cd "$scratch"
openssl rand -hex 16 >password
openssl req -x509 -newkey rsa:3072 -nodes -keyout key.pem -out certificate.pem -days 2 \
  -subj "/CN=Vardak Entity Helper test signer" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in certificate.pem -out certificate.p12 \
  -passout file:password
VEH_SIGN_PKCS12=$scratch/certificate.p12 VEH_SIGN_PASSWORD_FILE=$scratch/password \
  "$repo_root/scripts/release.sh" "$scratch/dist" >release.log 2>&1 ||
  fail "the signed release failed: $(cat release.log)"

setup=$(echo dist/*-win64-setup.exe)
unzip -q dist/*-win64.zip
# verify FILE: true when osslsigncode accepts its signature as made by the test certificate.
verify() { osslsigncode verify -CAfile certificate.pem -in "$1" >verify.log 2>&1; }
verify "$setup" || fail "the setup's signature is refused: $(cat verify.log)"
verify VardakEntityHelper/VardakEntityHelper.exe ||
  fail "the program's signature is refused: $(cat verify.log)"
echo "signing: osslsigncode accepts the signatures of the setup and of the program in the zip"

unsigned=("$repo_root"/dist/*-win64-setup.exe)
! verify "${unsigned[0]}" || fail "the unsigned release's setup carries a signature"
echo "signing: the unsigned release carries no signature"
