#!/usr/bin/env bash
#SBATCH --job-name=zarvo-streams
#SBATCH --array=0-7
#SBATCH --cpus-per-task=4
#SBATCH --output=zarvo-streams-%a.log
# K attractor sample streams on a Slurm job array: task T of C runs streams
# T*K/C .. (T+1)*K/C - 1 and writes their hit counters. Submit from a folder
# every node sees:
#
#   jobid=$(sbatch --parsable --array=0-7 streams-slurm.sh silk.vtl 64 --steps 20000000000 --seed 7 -s 4000x4000)
#   sbatch --dependency=afterok:$jobid --wrap "zarvo-render --merge-counts silk.png counts/counts-*.npy"
#
# Environment: ZARVO_RENDER (default zarvo-render), COUNTS_DIR (default counts).
# DRY_RUN=1 prints the command instead of running it; try it by hand with
#   DRY_RUN=1 SLURM_ARRAY_TASK_ID=3 SLURM_ARRAY_TASK_COUNT=8 streams-slurm.sh silk.vtl 64 --steps 1000 --seed 7
set -euo pipefail
param=${1:?usage: streams-slurm.sh PARAMFILE.vtl K --steps N --seed S [zarvo-render options...]}
k=${2:?the number of streams K}
shift 2
task=$((SLURM_ARRAY_TASK_ID - ${SLURM_ARRAY_TASK_MIN:-0}))
count=${SLURM_ARRAY_TASK_COUNT:?run as a Slurm job array}
dir=${COUNTS_DIR:-counts}
cmd=("${ZARVO_RENDER:-zarvo-render}" -j "${SLURM_CPUS_PER_TASK:-1}" --attractor "$param" "$@" --streams "$k"
     --stream-range "$((task * k / count)):$(((task + 1) * k / count))" --counts "$dir/counts-$task.npy")
if [ "${DRY_RUN:-0}" = 1 ]; then
    echo "${cmd[*]}"
    exit 0
fi
mkdir -p "$dir"
exec "${cmd[@]}"
