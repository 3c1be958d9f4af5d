#!/usr/bin/env bash
# Makes the installer's pictures from Crestmap's icon: the finish page's side picture
# (164x314) and the picture at the right of every other page's header (150x57). They are kept
# in the repository so that the package needs no image tool to build and comes out the same
# each time; run this again when the icon changes.
set -euo pipefail
cd "$(dirname "$0")"
icons=../app/icons
convert -size 164x314 gradient:'#ffffff-#e8f0e9' \
    \( "$icons/crestmap-128.png" \) -gravity north -geometry +0+56 -composite \
    -fill '#1b5e20' -draw 'rectangle 0,290 164,314' \
    -fill '#ffd600' -draw 'rectangle 0,284 164,289' \
    -type Palette -compress none BMP3:installer-side.bmp
convert -size 150x57 xc:white \( "$icons/crestmap-48.png" \) -gravity east -geometry +8+0 \
    -composite -type Palette -compress none BMP3:installer-header.bmp
