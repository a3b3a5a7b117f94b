#!/usr/bin/env bash
# Makes the program's pictures in resources/pictures from our own renderer, then draws on
# them with ImageMagick. Run it after changing a picture; the PNGs it writes are committed.
#   scripts/make_pictures.sh [ZOQUEL_RENDER]   (default build/src/zoquel-render)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
render=${1:-$here/build/src/zoquel-render}
out=$here/resources/pictures
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
identify "$out"/*.png
