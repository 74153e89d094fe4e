#!/usr/bin/env bash
# An attractor picture of many steps drawn as K independent sample streams,
# shared out over J jobs by GNU parallel (this machine's cores or the machines
# of an ssh login file); the jobs' hit counters are added and coloured once,
# which gives the picture one run of all K streams draws, byte for byte.
#
#   streams-parallel.sh PARAMFILE.vtl OUT K J --steps N --seed S [options...]
#   e.g. streams-parallel.sh silk.vtl silk.png 64 8 --steps 20000000000 --seed 7 -s 4000x4000
#
# Environment: ZARVO_RENDER, JOBS, THREADS and SSHLOGINFILE as for
# tiles-parallel.sh (with ssh the .vtl file goes there and the counters come back).
set -euo pipefail
if [ $# -lt 4 ]; then
    sed -n '2,11p' "$0" >&2
    exit 1
fi
param=$(realpath "$1")
out=$(realpath -m "$2")
k=$3 jobs=$4
shift 4
render=${ZARVO_RENDER:-zarvo-render}
work=$(mktemp -d "${TMPDIR:-/tmp}/zarvo-streams.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The copy keeps the file's name, which the merge names in its messages.
name=$(basename "$param")
cp "$param" "$work/$name"
cd "$work"
where=(-j "${JOBS:-100%}")
if [ -n "${SSHLOGINFILE:-}" ]; then
    where+=(--sshloginfile "$SSHLOGINFILE" --workdir ... --basefile "$name" --return counts-{}.npy --cleanup)
fi
# Job j runs streams j*K/J .. (j+1)*K/J - 1.
parallel -q "${where[@]}" --halt now,fail=1 \
    "$render" -j "${THREADS:-1}" --attractor "$name" "$@" --streams "$k" \
    --stream-range "{= \$_ = int(\$_ * $k / $jobs) . ':' . int((\$_ + 1) * $k / $jobs) =}" \
    --counts counts-{}.npy ::: $(seq 0 $((jobs - 1)))
"$render" --merge-counts "$out" counts-*.npy
