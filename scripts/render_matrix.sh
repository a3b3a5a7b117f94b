#!/usr/bin/env bash
# Renders every per-pixel type in both methods with every outside and inside colouring, the
# per-type options (formulas, variations, basins, ...) and every whole-image type with a fixed
# seed and budget, small, and lists their checksums. Run it
# with the build before a change and after it: a change meant to keep the pictures must give
# the same list.
#   scripts/render_matrix.sh ZOQUEL_RENDER OUTDIR   ->  OUTDIR/checksums.txt
set -euo pipefail
render=${1:?path to zoquel-render}
out=${2:?output folder}
mkdir -p "$out"
size=${SIZE:-72x64}
list="$out/checksums.txt"
: >"$list"

one() {
    local name=$1
    shift
    if "$render" --size "$size" --threads 2 "$@" -o "$out/$name.tga" 2>"$out/$name.err"; then
        echo "$(md5sum <"$out/$name.tga" | cut -d' ' -f1) $name" >>"$list"
    else
        echo "refused $name: $(head -c 200 "$out/$name.err" | tr '\n' ' ')" >>"$list"
    fi
    rm -f "$out/$name.tga"
}

per_pixel="0 1 2 3 4 5 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 35 37 38"
for t in $per_pixel; do
    for m in 0 1; do
        for o in 0 1 2 3 4; do one "t${t}m${m}o${o}" --type "$t" --method "$m" --outside "$o"; done
        for i in 1 2 3 4; do one "t${t}m${m}i${i}" --type "$t" --method "$m" --inside "$i"; done
        one "t${t}m${m}deep" --type "$t" --method "$m" --maxiter 700 --outside 2 --inside 3
    done
done
for m in 0 1; do
    for f in $(seq 0 23); do
        one "nv${f}m${m}" --type 27 --method "$m" --set nvindex="$f"
        one "nv${f}m${m}basin" --type 27 --method "$m" --set nvindex="$f" --set basin=1 --outside 2
    done
done
for b in $(seq 0 10); do one "bio$b" --type 5 --set bindex="$b"; done
for o in 1 2 3 4; do one "newton_basin_o$o" --type 1 --set basin=1 --outside "$o"; done
one "collatz_crit" --type 22 --set collatzcrit=1
one "collatz_cindex" --type 23 --set cindex=2 --outside 2
one "collatz_a0" --type 23 --param 4=0.5 --param 5=0.25
for a in 0 1; do one "lyap_alg$a" --type 24 --set algorithm="$a" --set ustring=aabab; done
for v in 0 1 2; do one "vl$v" --type 3 --set vlcoloring="$v"; done
one "mandel_exp3" --type 0 --param 3=3
one "mandel_exp2_5" --type 0 --param 3=2.5 --inside 3
one "julia_levels" --type 0 --method 1 --inside 4 --set palint=3
one "bt_exp3" --type 35 --param 3=3
one "bt_julia_siegel" --type 35 --method 1 --inside 3
one "dem_julia_levels" --type 38 --method 1 --inside 4
one "zoom" --type 0 --view -0.7454356,-0.7454255,0.1130037,0.1130138 --maxiter 2000
for p in default greyscale biomorph rainbow8; do one "pal_$p" --type 0 --palette "$p"; done
SIZE=600x600 one "default600" --type 0
for m in 0 1; do
    for smode in 0 1 2 3 4 5; do one "chaos${smode}m${m}" --type 31 --method "$m" --seed 1 --set smode="$smode" --set scmode=$((smode % 2)); done
    one "attractor_m$m" --type 33 --method "$m" --batches 2
    one "oscillator_m$m" --type 36 --method "$m" --steps 50
    one "dla_m$m" --type 34 --method "$m" --seed 1 --particles 300
    one "dla_m${m}_palette" --type 34 --method "$m" --seed 1 --inside 1
    one "orbits_m$m" --type 39 --method "$m" --orbit 30,30
done
one "jmiim" --type 32 --seed 1
for f in $(seq 0 7); do one "pgm$f" --type 6 --set pgmindex="$f" --batches 2; done
echo "$(wc -l <"$list") images listed in $list"
