#!/usr/bin/env bash
# Install what is missing, build everything and run every test.
set -euo pipefail
cd "$(dirname "$0")"
source .ci/common.sh
zarvo_install
zarvo_build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
