#!/usr/bin/env bash
# Install what is missing, build, and start zarvo. Without a display the
# bundled example is drawn with zarvo-render instead.
set -euo pipefail
cd "$(dirname "$0")"
source .ci/common.sh
zarvo_install
zarvo_build
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/bin/zarvo ]; then
    exec build/bin/zarvo
fi
examples/render-all.sh out
echo "No display found: the example pictures are in $(pwd)/out/"
