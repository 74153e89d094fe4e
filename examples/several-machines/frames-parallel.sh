#!/usr/bin/env bash
# A frame series from START to END drawn by GNU parallel, one frame a job,
# on this machine's cores or on the machines of an ssh login file.
#
#   frames-parallel.sh START.zrv END.zrv K PATTERN [zarvo-render options...]
#   e.g. frames-parallel.sh far.zrv near.zrv 240 frames/frame-%05d.png -s 1920x1080
#
# Environment: ZARVO_RENDER, JOBS, THREADS and SSHLOGINFILE as for
# tiles-parallel.sh (with ssh both files go there and the frames come back).
set -euo pipefail
if [ $# -lt 4 ]; then
    sed -n '2,11p' "$0" >&2
    exit 1
fi
start=$(realpath "$1")
end=$(realpath "$2")
k=$3
pattern=$4
shift 4
render=${ZARVO_RENDER:-zarvo-render}
mkdir -p "$(dirname "$pattern")"
where=(-j "${JOBS:-100%}")
if [ -n "${SSHLOGINFILE:-}" ]; then
    # The frames are drawn in a folder of their own there and come back here.
    dir=$(dirname "$pattern")
    cp "$start" "$dir/start.zrv"
    cp "$end" "$dir/end.zrv"
    cd "$dir"
    start=start.zrv
    end=end.zrv
    pattern=$(basename "$pattern")
    where+=(--sshloginfile "$SSHLOGINFILE" --workdir ... --basefile start.zrv --basefile end.zrv
            --return "{= \$_ = sprintf('$pattern', \$_) =}" --cleanup)
fi
parallel -q "${where[@]}" --halt now,fail=1 \
    "$render" -j "${THREADS:-1}" "$@" --frames "$start" "$end" --count "$k" --frame {} -o "$pattern" \
    ::: $(seq 0 $((k - 1)))
