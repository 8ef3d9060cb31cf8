#!/usr/bin/env bash
# Writes orrin-render's outputs for every source the program had before the parameterised families
# (the menu solids, the demonstrations, a 3DS model) and prints their SHA-256 sums, so that a change
# to the program can be checked to leave them byte for byte as they were.
#   today_outputs.sh ORRIN_RENDER OUTPUT_FOLDER [TEXTBOOK_FLAGS...]
set -euo pipefail
render=$1 out=$2
shift 2
textbook_flags=("$@")  # e.g. --as-built once the default drawings change
data=$(cd "$(dirname "$0")/../../data" && pwd)
mkdir -p "$out"
cd "$out"

sources=(cube plane sphere spherical-cap cone cylinder cylinder-sector tetrahedron octahedron
         geodesic-sphere torus triangular-prism pentagonal-prism hexagonal-prism octagonal-prism
         square-pyramid pentagonal-pyramid hexagonal-pyramid 4 ripple bar-chart surface-chart pie-chart
         "$data/3ds/cubes_with_alpha.3DS")
for source in "${sources[@]}"; do
    name=$(basename "$source")
    "$render" "$source" --seed 4 --yaw 0.6 --pitch 0.4 -o "$name.frame.png"
    "$render" "$source" --seed 4 --style 5 --info --geometry --frame > "$name.info.json"
    "$render" "$source" --seed 4 --info > "$name.measures.json"
    "$render" "$source" --seed 4 --textbook "${textbook_flags[@]}" --view oblique --labels -o "$name.oblique.svg"
    "$render" "$source" --seed 4 --textbook "${textbook_flags[@]}" --view three -o "$name.three.svg"
    "$render" "$source" --seed 4 --textbook "${textbook_flags[@]}" --yaw 0.5 --pitch 0.3 -o "$name.orbit.png"
done
sha256sum -- *.png *.json *.svg
