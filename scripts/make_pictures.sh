#!/usr/bin/env bash
# Makes the program's pictures in resources/pictures from our own renderer, then draws on
# them with ImageMagick. Run it after changing a picture; the PNGs it writes are committed.
#   scripts/make_pictures.sh [ZOQUEL_RENDER]   (default build/src/zoquel-render)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
render=${1:-$here/build/src/zoquel-render}
out=$here/resources/pictures
icons=$here/resources/icons/hicolor
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# The cardioid dialog's picture (180 x 150): the main cardioid, its border traced from the
# cusp (alpha = 0) to the bud of alpha = 1/3, the point of that angle marked.
"$render" --type 0 --size 180x150 --view -1.5,0.54,-0.85,0.85 --maxiter 100 -o "$work/cardioid.png"
border=$(python3 - <<'PY'
import math
xmin, xmax, ymin, ymax, w, h = -1.5, 0.54, -0.85, 0.85, 180, 150
def pixel(a):
    x = math.cos(a) / 2 - math.cos(2 * a) / 4
    y = math.sin(a) / 2 - math.sin(2 * a) / 4
    return (x - xmin) * (w - 1) / (xmax - xmin), (ymax - y) * (h - 1) / (ymax - ymin)
arc = " ".join("%.1f,%.1f" % pixel(2 * math.pi / 3 * i / 40) for i in range(41))
px, py = pixel(2 * math.pi / 3)
print(arc + "|%.1f,%.1f %.1f,%.1f" % (px, py, px + 3, py))
PY
)
convert "$work/cardioid.png" -fill none -stroke '#ffd000' -strokewidth 2 -draw "polyline ${border%|*}" \
    -fill '#ff3030' -stroke '#ff3030' -strokewidth 1 -draw "circle ${border#*|}" \
    -stroke none -fill white -pointsize 13 -draw "text 6,144 'alpha = 1/3'" \
    -define png:exclude-chunks=date,time "$out/cardioid.png"
version=$(sed -n 's/^project(Zoquel VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
bold=DejaVu-Sans-Bold
plain=DejaVu-Sans
# convert ARGS... OUT.png, leaving out the time stamps so that an unchanged picture stays so.
png() { convert "${@:1:$#-1}" -depth 8 -define png:exclude-chunks=date,time "${@: -1}"; }
# Adds to array NAME the ImageMagick arguments that write TEXT in white over a dark shadow,
# readable on a busy picture: shadowed NAME FONT SIZE GRAVITY X Y TEXT
shadowed() {
    local -n args=$1
    local dx=2 dy=2
    [[ $4 == *east* ]] && dx=-2
    [[ $4 == *south* ]] && dy=-2
    args+=(-font "$2" -pointsize "$3" -gravity "$4"
           -fill '#000000a0' -annotate "$(printf '%+d%+d' $(($5 + dx)) $(($6 + dy)))" "$7"
           -fill white -annotate "+$5+$6" "$7")
}

# Each picture is rendered at twice its size and scaled down, which smooths the filaments.

# The start-up splash (360 x 360): the Julia set of c = -0.8 + 0.156i with the program's name.
"$render" --type 0 --method 1 --param 1=-0.8 --param 2=0.156 --size 720x720 --view -1.5,1.5,-1.5,1.5 \
    --maxiter 500 --outside 2 -o "$work/splash.png"
text=()
shadowed text "$bold" 52 north 0 24 Zoquel
shadowed text "$plain" 17 south 0 24 'fractal explorer'
png "$work/splash.png" -resize 360x360 "${text[@]}" "$out/splash.png"

# The closing splash (480 x 360): Newton's method for z^5 - 1, the name, and how to leave.
"$render" --type 1 --param 3=5 --size 960x720 --view -2,2,-1.5,1.5 --outside 2 -o "$work/closing.png"
text=()
shadowed text "$bold" 44 northwest 20 16 Zoquel
shadowed text "$plain" 14 southeast 16 14 'press a key or click to leave'
png "$work/closing.png" -resize 480x360 "${text[@]}" "$out/closing.png"

# The about picture (470 x 240, on the about window's white): the Mandelbrot set, the name,
# the version and what the program is.
"$render" --type 0 --size 400x400 --view -2.15,0.75,-1.45,1.45 --maxiter 300 --outside 2 --palette rainbow8 \
    -o "$work/about-set.png"
png -size 470x240 xc:white \( "$work/about-set.png" -resize 200x200 \) -geometry +20+20 -composite \
    -fill '#202040' -font "$bold" -pointsize 40 -annotate +245+80 Zoquel \
    -font "$plain" -pointsize 15 -annotate +247+108 "version $version" \
    -pointsize 14 -annotate +247+150 'A collection of fractals' -annotate +247+170 'and related' \
    -annotate +247+190 'mathematical images' "$out/about.png"

# The help dialog's banner (450 x 150): the Julia set of c = -0.7269 + 0.1889i.
"$render" --type 0 --method 1 --param 1=-0.7269 --param 2=0.1889 --size 900x300 --view -1.65,1.65,-0.55,0.55 \
    --maxiter 600 --outside 2 --palette rainbow8 -o "$work/help.png"
text=()
shadowed text "$bold" 30 southwest 12 10 'Zoquel Help'
png "$work/help.png" -resize 450x150 "${text[@]}" "$out/help.png"

# The application icon at the sizes desktops look for, from one rendering of the whole set.
"$render" --type 0 --size 512x512 --view -2.15,0.75,-1.45,1.45 --maxiter 300 --outside 2 --palette rainbow8 \
    -o "$work/icon.png"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}/apps"
    png "$work/icon.png" -resize "${size}x${size}" "$icons/${size}x${size}/apps/zoquel.png"
done

identify "$out"/*.png "$icons"/*/apps/zoquel.png
