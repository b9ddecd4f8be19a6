#!/bin/sh
# Draws the game's two pictures from ImageMagick primitives:
#   data/background.jpg  840 x 625, baseline JPEG, RGB: a castle at night
#   data/kvelt.ico       32 x 32, 256-colour icon: the castle and the kvelt
#   data/icons/NxN/kvelt.png  the same icon for desktops, at the hicolor theme's sizes
#
# The game window covers the picture's top 417 rows with the narration pane,
# so what the player sees is the strip below it: the foot of the castle, the
# moat and the shore. That strip stays dark where the white caption
# "Máš u sebe:" (280,424) and the light-yellow credit (667,586) are written.
# Needs ImageMagick 6 or 7 (convert) and awk. The star field is drawn from a
# fixed sequence, so every run gives the same picture.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$here/data"}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if command -v magick >/dev/null 2>&1; then im="magick"; else im="convert"; fi

W=840
H=625

# Stars: a small linear congruential generator, so that the field does not
# depend on the awk at hand. Bright and faint stars, none below the hills.
stars=$(awk 'BEGIN {
    s = 20261207
    for (i = 0; i < 230; i++) {
        s = (s * 1103515245 + 12345) % 2147483648; x = s % 840
        s = (s * 1103515245 + 12345) % 2147483648; y = s % 400
        s = (s * 1103515245 + 12345) % 2147483648; b = s % 10
        if (b < 7)      printf "fill #8d93b8 point %d,%d ", x, y
        else if (b < 9) printf "fill #d6d9ee point %d,%d ", x, y
        else            printf "fill #ffffff circle %d,%d %d,%d ", x, y, x + 1, y
    }
}')

# Castle silhouette, one colour; lit windows are drawn over it afterwards.
castle="
  polygon 0,470 60,455 130,462 130,625 0,625
  polygon 720,625 720,458 790,448 840,460 840,625
  rectangle 120,430 720,565
  rectangle 100,300 190,565
  polygon 92,300 145,225 198,300
  rectangle 650,330 735,565
  polygon 642,330 692,262 743,330
  rectangle 300,215 560,565
  rectangle 395,110 455,215
  polygon 385,110 425,40 465,110
  rectangle 245,290 300,565
  rectangle 560,270 610,565
  line 425,40 425,18
"
merlons=$(awk 'BEGIN {
    for (x = 120; x < 720; x += 26) printf "rectangle %d,418 %d,430 ", x, x + 13
    for (x = 300; x < 560; x += 26) printf "rectangle %d,203 %d,215 ", x, x + 13
    for (x = 245; x < 300; x += 22) printf "rectangle %d,279 %d,290 ", x, x + 11
    for (x = 560; x < 610; x += 22) printf "rectangle %d,259 %d,270 ", x, x + 11
}')

# Warm windows: in the keep and the towers (under the pane), and a few in the
# foot of the wall that the player sees, away from the captions.
windows="
  rectangle 415,140 435,165  rectangle 330,250 342,272  rectangle 505,250 517,272
  rectangle 360,330 372,352  rectangle 480,320 492,342  rectangle 130,340 142,362
  rectangle 160,385 170,403  rectangle 680,370 692,392  rectangle 262,330 272,348
  rectangle 575,300 585,318  rectangle 420,250 430,268
  rectangle 150,478 160,494  rectangle 590,476 600,492  rectangle 632,478 642,494
  rectangle 700,470 710,486
"

# The moat mirrors the lit gate and windows in broken streaks, and the moon in
# a path of short bright lines.
ripples=$(awk 'BEGIN {
    # Not under the window at x 700: its streak would run into the credit.
    split("150 590 632", wx, " ")
    for (i = 1; i <= 3; i++)
        for (y = 572; y < 598; y += 5) printf "rectangle %d,%d %d,%d ", wx[i] - (y % 3), y, wx[i] + 10 + (y % 4), y + 1
    for (y = 570; y < 608; y += 4) printf "rectangle %d,%d %d,%d ", 479 + (y % 7), y, 521 - (y % 5), y + 1
}')
moonpath=$(awk 'BEGIN {
    split("30 18 26 12 20 8 14 5", half, " ")
    for (i = 1; i <= 8; i++) { y = 570 + 5 * i; c = 150 + (i % 3) * 3 - 3
        printf "rectangle %d,%d %d,%d ", c - half[i], y, c + half[i], y + 1 }
}')

# Moonlight catches the west faces of the towers and the keep; thin mortar
# lines give the foot of the wall some stone.
edges="
  rectangle 100,300 104,565  rectangle 245,290 249,565  rectangle 300,215 304,565
  rectangle 395,110 398,215  rectangle 650,330 654,565
"
mortar=$(awk 'BEGIN {
    for (y = 440; y < 565; y += 14) printf "line 120,%d 720,%d ", y, y
    row = 0
    for (y = 440; y < 565; y += 14) { for (x = 120 + (row % 2) * 18; x < 720; x += 36) printf "line %d,%d %d,%d ", x, y, x, y + 14; row++ }
}')

# Sky, moon with its glow, hills, castle, gate, windows, moat with the moon's
# reflection, shore.
"$im" -size ${W}x${H} gradient:'#03041a-#262a5c' \
    \( -size ${W}x${H} xc:none -fill '#fff6c855' -draw "circle 150,105 150,190" -blur 0x28 \) \
    -composite \
    -draw "$stars" \
    -fill '#f6f0c8' -draw "circle 150,105 150,148" \
    -fill '#e3dbae' -draw "circle 135,95 135,104 circle 165,122 165,128 circle 158,88 158,92" \
    -fill '#0d1027' -draw "polygon 0,470 150,440 300,462 480,436 640,456 840,430 840,625 0,625" \
    -fill '#07080f' -draw "$castle" -draw "$merlons" \
    -fill '#151a33' -draw "$edges" \
    -stroke '#0c0e1a' -strokewidth 1 -draw "$mortar" -stroke none \
    -stroke '#07080f' -strokewidth 2 -draw "line 425,40 425,18" -stroke none \
    -fill '#6b1420' -draw "polygon 426,18 450,24 426,30" \
    -fill '#ffcc66' -draw "$windows" \
    -fill '#ffe9a8' -draw "rectangle 418,143 432,162" \
    -fill '#1b0f05' -draw "rectangle 467,500 533,565 circle 500,500 500,467" \
    -fill '#ffb347' -draw "rectangle 477,512 523,565 circle 500,512 500,489" \
    -stroke '#2a1a08' -strokewidth 3 \
    -draw "line 485,490 485,565 line 500,486 500,565 line 515,490 515,565 line 477,520 523,520 line 477,540 523,540" \
    -stroke none \
    -fill '#050813' -draw "rectangle 0,565 840,625" \
    -fill '#0b1026' -draw "rectangle 0,565 840,569" \
    \( -size ${W}x${H} xc:none -fill '#ffcc66' -draw "$ripples" -blur 0x1.2 \) -composite \
    \( -size ${W}x${H} xc:none -fill '#f6f0c8' -draw "$moonpath" -blur 0x1.5 \) -composite \
    -fill '#040509' -draw "polygon 0,612 200,606 420,614 640,605 840,611 840,625 0,625" \
    "$tmp/background.png"

"$im" "$tmp/background.png" -strip -colorspace sRGB -type TrueColor \
    -interlace none -sampling-factor 2x2,1x1,1x1 -quality 90 \
    "JPEG:$out/background.jpg"

# The icon: drawn at 8 times its size and scaled down, so that the castle keeps
# its shape, then cut to a 256-colour palette.
"$im" -size 256x256 gradient:'#0a0c2e-#2f3478' \
    -fill '#f6f0c8' -draw "circle 200,60 200,92" \
    -fill '#07080f' -draw "rectangle 20,150 236,256 rectangle 30,90 80,256 rectangle 176,90 226,256 rectangle 100,60 156,256" \
    -draw "polygon 22,90 55,40 88,90 polygon 168,90 201,40 234,90 polygon 92,60 128,8 164,60" \
    -draw "rectangle 20,136 40,150 rectangle 60,136 80,150 rectangle 100,136 120,150 rectangle 136,136 156,150 rectangle 176,136 196,150 rectangle 216,136 236,150" \
    -fill '#7fe3ff' -draw "polygon 128,150 160,190 128,240 96,190" \
    -fill '#d8f8ff' -draw "polygon 128,150 144,190 128,240 112,190" \
    -fill '#ffcc66' -draw "rectangle 48,110 62,130 rectangle 194,110 208,130 rectangle 120,80 136,100" \
    "$tmp/icon-master.png"
"$im" "$tmp/icon-master.png" -filter Lanczos -resize 32x32 \
    +dither -colors 256 -type Palette "BMP3:$tmp/icon.bmp"
"$im" "$tmp/icon.bmp" -type Palette "ICO:$out/kvelt.ico"

# Desktops pick the size they show; each is scaled from the master, without the
# palette cut. -strip keeps dates out of the files, so a new run changes nothing.
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/icons/${size}x${size}"
  "$im" "$tmp/icon-master.png" -filter Lanczos -resize ${size}x${size} -strip \
      "PNG32:$out/icons/${size}x${size}/kvelt.png"
done

echo "make_images: wrote $out/background.jpg, $out/kvelt.ico and $out/icons/"
