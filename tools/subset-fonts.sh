#!/usr/bin/env bash
# Cuts the embedded DejaVu Sans faces down to the characters a Western European program shows
# (Latin, Latin-1 and Extended-A, Greek, general punctuation, the euro sign), so the program
# carries about 160 KB of fonts instead of 1.4 MB. Text outside that range, such as a name typed
# in another script, is drawn by the system's fallback fonts as usual.
# Needs Debian's python3-fonttools; run from the top of the tree after updating the fonts.
set -euo pipefail
cd "$(dirname "$0")/.."
for face in DejaVuSans DejaVuSans-Bold; do
  /usr/bin/python3 -m fontTools.subset "/usr/share/fonts/truetype/dejavu/$face.ttf" \
    --unicodes="U+0020-007E,U+00A0-017F,U+0192,U+02C6-02DC,U+0300-036F,U+0370-03FF,U+2000-206F,U+20AC,U+2122,U+2190-2193,U+2212,U+FFFD" \
    --layout-features='*' --drop-tables+=FFTM --output-file="assets/fonts/$face.ttf"
done
