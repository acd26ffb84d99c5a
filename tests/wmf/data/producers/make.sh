#!/bin/sh
# Writes the producer metafiles and their reference images into OUTDIR.
#   ./make.sh OUTDIR     (needs inkscape, soffice and python3-uno)
set -eu
out=$(realpath "${1:?usage: make.sh OUTDIR}")
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out/reference" "$out/tmp"
cd "$here/sources"
for f in 01_shapes 03_strokes 09_clip_transforms 10_scene_house 11_scene_fruit 12_arcs; do
    inkscape "$f.svg" --export-type=wmf --export-filename="$out/$f.inkscape.wmf"
done
soffice --headless --convert-to wmf --outdir "$out/tmp" [0-9]*.svg 13_lo_native.fodg
for f in "$out"/tmp/*.wmf; do mv "$f" "$out/$(basename "$f" .wmf).libreoffice.wmf"; done
# Text kept as text: Inkscape's WMF writer turns it into outlines unless told not to.
prefs=$HOME/.config/inkscape/preferences.xml
cp "$prefs" "$out/tmp/preferences.xml"
trap 'cp "$out/tmp/preferences.xml" "$prefs"' EXIT
sed -i 's|<group\([^>]*\)id="extensions"|<group\1id="extensions" org.inkscape.output.wmf.textToPath="false"|' "$prefs"
inkscape 05_text_rotated_umlaut.svg --export-type=wmf --export-filename="$out/05_text_rotated_umlaut.inkscape-text.wmf"
# References: Inkscape reads back its own files; LibreOffice reads the others
# once the EMF copy it embeds is gone.
for f in "$out"/*.inkscape*.wmf; do
    inkscape "$f" --export-type=png --export-filename="$out/reference/$(basename "$f" .wmf).png"
done
for f in "$out"/*.libreoffice.wmf; do
    python3 "$here/tools/stripemf.py" "$f" "$out/tmp/$(basename "$f")"
done
python3 "$here/tools/lo_render.py" "$out/reference" "$out"/tmp/*.libreoffice.wmf
