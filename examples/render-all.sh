#!/usr/bin/env bash
# Draws every example parameter file of this folder (.zrv pictures and .vtl
# attractors) with zarvo-render.
#
#   examples/render-all.sh OUTPUT-FOLDER [WxH]
#
# The pictures are written as OUTPUT-FOLDER/NAME.bmp, 640x480 unless another
# size is given. The renderer is taken from $ZARVO_RENDER when set, else from
# the build folders of this checkout, else from the PATH.
#
# Attractors drawn with the log-density mapping (their line 151 reads "log
# density") take 64 sample streams on every core and more steps; the others
# are the single sequence, as the view drew them.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 OUTPUT-FOLDER [WxH]" >&2
    exit 1
fi
here=$(cd "$(dirname "$0")" && pwd)
out=$1
size=${2:-640x480}

renderer=${ZARVO_RENDER:-}
if [ -z "$renderer" ]; then
    for candidate in "$here/../build/bin/zarvo-render" "$here"/../build-*/bin/zarvo-render; do
        if [ -x "$candidate" ]; then
            renderer=$candidate
            break
        fi
    done
fi
if [ -z "$renderer" ]; then
    renderer=$(command -v zarvo-render || true)
fi
if [ -z "$renderer" ]; then
    echo "$0: zarvo-render not found; build it first or set ZARVO_RENDER" >&2
    exit 1
fi

mkdir -p "$out"
status=0
for file in "$here"/*.zrv; do
    name=$(basename "${file%.zrv}")
    if "$renderer" -s "$size" -o "$out/$name.bmp" "$file"; then
        echo "$out/$name.bmp"
    else
        echo "$0: $file failed" >&2
        status=1
    fi
done
for file in "$here"/*.vtl; do
    [ -e "$file" ] || continue
    name=$(basename "${file%.vtl}")
    run=(--steps 2000000)
    if [ "$(sed -n 151p "$file" | tr -d '\r')" = "log density" ]; then
        run=(--steps 12000000 --streams 64)
    fi
    if "$renderer" --attractor "$file" "${run[@]}" --seed 1 -s "$size" -o "$out/$name.bmp"; then
        echo "$out/$name.bmp"
    else
        echo "$0: $file failed" >&2
        status=1
    fi
done
exit $status
