#!/usr/bin/env bash
# Installs what is missing, builds, and runs the default trace.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
build/bin/rectifier-trace --circuit capacitor
