#!/usr/bin/env bash
# Lays the generated pictures out on one enlarged contact sheet, for looking
# at them together (docs/assets.png is made this way):
#   contact-sheet.sh <build folder> <sheet.png>
# The build folder must hold Assets/ and icons/ (the "assets" target).
set -euo pipefail

build="$(cd "$1" && pwd)"
sheet="$(realpath -m "$2")"
assets="$build/Assets"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

ground='#2a211b'
page='#666666'
tile=(-background "$ground" -fill '#e8dcc0' -pointsize 12)

# ImageMagick keeps a TGA stored bottom row first upside down unless told.
upright() {
    convert "$assets/$1" -auto-orient "$work/$1.png"
}
for file in "$assets"/*.tga; do
    upright "$(basename "$file")"
done

enlarge() {
    convert "$1" -filter point -resize "$2" "$3"
}

# The stone as the game draws it for each side: multiplied by red or white.
convert "$work/rose.tga.png" -channel GB -evaluate set 0 +channel "$work/rose-red.png"
cp "$work/rose.tga.png" "$work/rose-white.png"

# Captions as the game draws them: white 13-pixel DejaVu Sans, centred.
for name in buttonOut buttonOver tabvisible tabhidden tabhiddenover; do
    caption="Instructions"
    case "$name" in tab*) caption="Knights" ;; esac
    convert "$work/$name.tga.png" -font DejaVu-Sans -pointsize 13 -fill white -gravity center \
        -annotate +0+0 "$caption" "$work/$name-captioned.png"
done

# The font's atlas, from its luminance-alpha texels after the records.
read -r width height first last < <(od -An -t d4 -j 4 -N 16 "$assets/font.glf")
records=$(( (last - first + 1) * 24 + 24 ))
tail -c +"$(( records + 1 ))" "$assets/font.glf" |
    convert -size "${width}x${height}" -depth 8 graya:- -background black -flatten "$work/atlas.png"

cd "$work"
for card in card*.tga.png; do enlarge "$card" 200% "big-$card"; done
montage "${tile[@]}" -geometry +6+6 -tile 12x big-card1_* big-card2_* big-card3_* cards.png

for piece in king.tga.png rose.tga.png rose-red.png rose-white.png knight1.tga.png knight2.tga.png; do
    enlarge "$piece" 300% "big-$piece"
done
enlarge knightss.tga.png 200% big-knightss.png
montage "${tile[@]}" -geometry +10+10 -tile x1 big-king.tga.png big-rose.tga.png big-rose-red.png big-rose-white.png \
    big-knight1.tga.png big-knight2.tga.png big-knightss.png pieces.png

for name in buttonOut buttonOver tabvisible tabhidden tabhiddenover; do
    enlarge "$name-captioned.png" 200% "big-$name.png"
done
montage "${tile[@]}" -geometry +8+8 -tile 5x big-buttonOut.png big-buttonOver.png big-tabvisible.png \
    big-tabhidden.png big-tabhiddenover.png widgets.png

for name in kingexample knightexample scoringexample1 scoringexample2; do
    enlarge "$name.tga.png" 200% "big-$name.png"
done
montage -background "$page" -geometry +10+10 -tile x1 big-kingexample.png big-knightexample.png \
    big-scoringexample1.png big-scoringexample2.png help.png

convert mainBackground.tga.png -fill black -colorize 53% dark.png
convert mainBackground.tga.png valdmoor.tga.png -geometry +0+0 -composite menu.png
enlarge atlas.png 300% big-atlas.png
montage "${tile[@]}" -geometry +8+8 -tile x1 menu.png dark.png "$build/icons/valdmoor-128.png" \
    "$build/icons/valdmoor-64.png" big-atlas.png screens.png

convert -background "$ground" cards.png pieces.png widgets.png help.png screens.png -gravity center -append \
    +repage -depth 8 "$sheet"
