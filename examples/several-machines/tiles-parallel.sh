#!/usr/bin/env bash
# A picture drawn as N tiles by GNU parallel, on this machine's cores or on
# the machines of an ssh login file, then joined into one picture that is
# byte for byte the picture one zarvo-render run draws.
#
#   tiles-parallel.sh PARAMFILE OUT N [zarvo-render options...]
#   e.g. tiles-parallel.sh poster.zrv poster.png 16 -s 8000x6000 --supersample 4
#
# Environment:
#   ZARVO_RENDER   the program (default: zarvo-render on the PATH)
#   JOBS           tiles drawn at once on each machine (default: one per core)
#   THREADS        zarvo-render -j of each tile (default 1)
#   SSHLOGINFILE   a GNU parallel --sshloginfile: the tiles are drawn on those
#                  machines (":" is this one), which need zarvo-render on their
#                  PATH; the parameter file goes there and the tiles come back
#   STITCH_OPTS    options of the joined picture, e.g. "-q 95 --baseline"
set -euo pipefail
if [ $# -lt 3 ]; then
    sed -n '2,20p' "$0" >&2
    exit 1
fi
param=$(realpath "$1")
out=$(realpath -m "$2")
n=$3
shift 3
render=${ZARVO_RENDER:-zarvo-render}
work=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-tiles.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$param" "$work/params.zrv"
cd "$work"

where=(-j "${JOBS:-100%}")
if [ -n "${SSHLOGINFILE:-}" ]; then
    where+=(--sshloginfile "$SSHLOGINFILE" --workdir ... --basefile params.zrv --return tile-{}.png --cleanup)
fi
# -q keeps every option one word on the machine that runs it.
parallel -q "${where[@]}" --halt now,fail=1 \
    "$render" -j "${THREADS:-1}" "$@" --tile "{}/$n" -o "tile-{}.png" params.zrv ::: $(seq 0 $((n - 1)))
# shellcheck disable=SC2086
"$render" --stitch "$out" ${STITCH_OPTS:-} tile-*.png
