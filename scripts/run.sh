#!/usr/bin/env bash
# Installs what is missing, builds the tool and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${required_packages[@]}"
echo "The launcher is not built yet: there is no program to start."
exit 1
