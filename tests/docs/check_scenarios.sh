#!/usr/bin/env bash
# The lessons' scenarios: every file in docs/scenarios/ is linked from the
# guide and opens in velquor-cli render; a step with a picture in the guide
# shows exactly that picture.
set -euo pipefail
root=$1 work=$2 cli=$3
mkdir -p "$work"
status=0
for file in "$root"/docs/scenarios/*.json; do
  name=$(basename "$file")
  grep -q "(scenarios/$name)" "$root/docs/guide.md" || { echo "FAIL: $name is not linked from docs/guide.md"; status=1; }
  "$cli" render --scenario "$file" --output "$work/${name%.json}.png" || { echo "FAIL: $name does not open"; status=1; }
done
while read -r step picture; do
  cmp -s "$work/$step.png" "$root/docs/$picture" || { echo "FAIL: $step is not the guide's $picture"; status=1; }
done <<'PAIRS'
lesson1-1 predictor-below.png
lesson1-2 predictor-above.png
lesson1-3 predictor-at.png
lesson4-2 evolution-half.png
lesson4-3 evolution-breathing.png
PAIRS
[ "$status" -eq 0 ] && echo "docs/scenarios: $(ls "$root"/docs/scenarios/*.json | wc -l) scenarios open and are linked"
exit "$status"
