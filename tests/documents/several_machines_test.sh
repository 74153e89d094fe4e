#!/usr/bin/env bash
# The recipes of examples/several-machines: the scripts parse, the Slurm
# scripts' array arithmetic hands out every tile, frame and stream exactly
# once, and the GNU parallel recipes, run with four local job slots, give the
# single run's pictures byte for byte (and so do the attractor streams of the
# Slurm tasks' commands).
#   several_machines_test.sh ZARVO_RENDER EXAMPLES_DIR
set -euo pipefail
export ZARVO_RENDER=$1
examples=$2
recipes=$examples/several-machines
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

for script in "$recipes"/*.sh; do bash -n "$script" || fail "$script does not parse"; done

# Task T of C, as Slurm numbers an array 10..10+C-1.
dry() {
    local script=$1 t=$2 c=$3
    shift 3
    DRY_RUN=1 SLURM_ARRAY_TASK_ID=$((10 + t)) SLURM_ARRAY_TASK_MIN=10 SLURM_ARRAY_TASK_COUNT=$c "$recipes/$script" "$@"
}
tiles=$(for t in $(seq 0 6); do dry tiles-slurm.sh "$t" 7 p.zrv -s 90x50 | grep -o -- '--tile [0-9/]*'; done)
[ "$tiles" = "$(for t in $(seq 0 6); do echo "--tile $t/7"; done)" ] || fail "tiles-slurm.sh: $tiles"
frames=$(for t in $(seq 0 6); do dry frames-slurm.sh "$t" 7 a.zrv b.zrv 30 f-%03d.png | grep -o -- '--frame [0-9]*'; done)
[ "$frames" = "$(for i in $(seq 0 29); do echo "--frame $i"; done)" ] || fail "frames-slurm.sh: $frames"
streams=$(for t in $(seq 0 6); do dry streams-slurm.sh "$t" 7 s.vtl 64 --steps 9 | grep -o -- '--stream-range [0-9:]*'; done)
expected=$(for t in $(seq 0 6); do echo "--stream-range $((t * 64 / 7)):$(((t + 1) * 64 / 7))"; done)
[ "$streams" = "$expected" ] || fail "streams-slurm.sh: $streams"

# The attractor streams of the Slurm tasks' commands, run one after the
# other, merge into the single run's picture.
attractor=(--steps 300000 --seed 9 -s 60x40)
"$ZARVO_RENDER" --attractor "$examples/peacock-wheel.vtl" "${attractor[@]}" --streams 64 -o attractor.png
mkdir counts
for t in $(seq 0 6); do
    eval "$(dry streams-slurm.sh "$t" 7 "$examples/peacock-wheel.vtl" 64 "${attractor[@]}")" || fail "streams-slurm.sh task $t"
done
"$ZARVO_RENDER" --merge-counts slurm.png counts/counts-*.npy
cmp slurm.png attractor.png || fail "the Slurm tasks' streams merged differ from the single run"

if ! command -v parallel >/dev/null; then
    echo "GNU parallel is not installed: the parallel recipes are not run"
    exit 77
fi
picture=(-s 70x43 --supersample 2)
JOBS=4 "$recipes/tiles-parallel.sh" "$examples/amber-thorns.zrv" poster.png 6 "${picture[@]}" 2>err.txt ||
    fail "tiles-parallel.sh: $(cat err.txt)"
"$ZARVO_RENDER" "${picture[@]}" -o single.png "$examples/amber-thorns.zrv"
cmp poster.png single.png || fail "the tiles joined differ from the single run"

sed '8s/^[0-9.]*/40/' "$examples/blue-spiral.zrv" >end.zrv
JOBS=4 "$recipes/frames-parallel.sh" "$examples/blue-spiral.zrv" end.zrv 5 frames/f-%02d.png -s 40x30 2>err.txt ||
    fail "frames-parallel.sh: $(cat err.txt)"
"$ZARVO_RENDER" --frames "$examples/blue-spiral.zrv" end.zrv --count 5 -s 40x30 -o g-%02d.png
for i in 00 01 02 03 04; do cmp "frames/f-$i.png" "g-$i.png" || fail "frame $i differs from the single run"; done

JOBS=4 "$recipes/streams-parallel.sh" "$examples/peacock-wheel.vtl" streams.png 64 4 "${attractor[@]}" 2>err.txt ||
    fail "streams-parallel.sh: $(cat err.txt)"
cmp streams.png attractor.png || fail "the streams merged differ from the single run"
echo "recipes ok"
