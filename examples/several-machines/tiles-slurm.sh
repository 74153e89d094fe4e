#!/usr/bin/env bash
#SBATCH --job-name=zarvo-tiles
#SBATCH --array=0-15
#SBATCH --cpus-per-task=4
#SBATCH --output=zarvo-tile-%a.log
# One tile of a picture per task of a Slurm job array: the array's size is
# the number of tiles. Submit from a folder every node sees:
#
#   jobid=$(sbatch --parsable --array=0-15 tiles-slurm.sh poster.zrv -s 8000x6000 --supersample 4)
#   sbatch --dependency=afterok:$jobid --wrap "zarvo-render --stitch poster.png tiles/tile-*.png"
#
# Environment: ZARVO_RENDER (default zarvo-render), TILE_DIR (default tiles).
# DRY_RUN=1 prints the command instead of running it; try it by hand with
#   DRY_RUN=1 SLURM_ARRAY_TASK_ID=3 SLURM_ARRAY_TASK_MIN=0 SLURM_ARRAY_TASK_COUNT=16 tiles-slurm.sh p.zrv
set -euo pipefail
param=${1:?usage: tiles-slurm.sh PARAMFILE [zarvo-render options...]}
shift
task=$((SLURM_ARRAY_TASK_ID - ${SLURM_ARRAY_TASK_MIN:-0}))
count=${SLURM_ARRAY_TASK_COUNT:?run as a Slurm job array}
dir=${TILE_DIR:-tiles}
cmd=("${ZARVO_RENDER:-zarvo-render}" -j "${SLURM_CPUS_PER_TASK:-1}" "$@" --tile "$task/$count"
     -o "$dir/tile-$task.png" "$param")
if [ "${DRY_RUN:-0}" = 1 ]; then
    echo "${cmd[*]}"
    exit 0
fi
mkdir -p "$dir"
exec "${cmd[@]}"
