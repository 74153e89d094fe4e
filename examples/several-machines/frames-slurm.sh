#!/usr/bin/env bash
#SBATCH --job-name=zarvo-frames
#SBATCH --array=0-23
#SBATCH --cpus-per-task=4
#SBATCH --output=zarvo-frames-%a.log
# A frame series from START to END on a Slurm job array: the K frames are
# shared out in runs of consecutive frames, one run per task (task T of C
# draws frames T*K/C .. (T+1)*K/C - 1). Submit from a folder every node sees:
#
#   sbatch --array=0-23 frames-slurm.sh far.zrv near.zrv 240 frames/frame-%05d.png -s 1920x1080
#
# Environment: ZARVO_RENDER (default zarvo-render).
# DRY_RUN=1 prints the commands instead of running them; try it by hand with
#   DRY_RUN=1 SLURM_ARRAY_TASK_ID=5 SLURM_ARRAY_TASK_COUNT=24 frames-slurm.sh a.zrv b.zrv 240 f-%05d.png
set -euo pipefail
if [ $# -lt 4 ]; then
    sed -n '6,16p' "$0" >&2
    exit 1
fi
start=$1 end=$2 k=$3 pattern=$4
shift 4
task=$((SLURM_ARRAY_TASK_ID - ${SLURM_ARRAY_TASK_MIN:-0}))
count=${SLURM_ARRAY_TASK_COUNT:?run as a Slurm job array}
first=$((task * k / count))
last=$(((task + 1) * k / count))
[ "${DRY_RUN:-0}" = 1 ] || mkdir -p "$(dirname "$pattern")"
for ((i = first; i < last; i++)); do
    cmd=("${ZARVO_RENDER:-zarvo-render}" -j "${SLURM_CPUS_PER_TASK:-1}" "$@" --frames "$start" "$end"
         --count "$k" --frame "$i" -o "$pattern")
    if [ "${DRY_RUN:-0}" = 1 ]; then
        echo "${cmd[*]}"
    else
        "${cmd[@]}"
    fi
done
