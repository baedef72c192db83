#!/usr/bin/env bash
# sign.sh FILE: signs a Windows program in place with Authenticode (SHA-256), with the PKCS#12
# certificate in VEH_SIGN_PKCS12 and the password in the file VEH_SIGN_PASSWORD_FILE names.
# scripts/release.sh signs the program and the setup with it, and NSIS the uninstaller.
set -euo pipefail
file=$1
osslsigncode sign -pkcs12 "$VEH_SIGN_PKCS12" -readpass "$VEH_SIGN_PASSWORD_FILE" -h sha256 \
  -n "Vardak Entity Helper" -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
