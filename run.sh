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
mkdir -p out
if [ -x build/bin/zarvo-render ] && ls examples/*.zrv >/dev/null 2>&1; then
    for f in examples/*.zrv; do
        name=$(basename "${f%.zrv}")
        build/bin/zarvo-render -s 640x480 -o "out/$name.bmp" "$f"
        echo "Rendered $f -> out/$name.bmp"
    done
    echo "No display found: the example pictures are in $(pwd)/out/"
else
    build/bin/zarvo-scan
fi
