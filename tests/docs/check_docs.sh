#!/usr/bin/env bash
# Runs scripts/docs with the built velquor-cli into MADE and compares: every
# picture and the guide itself must be byte for byte what docs/ holds, and
# every picture the guide shows must be one the script makes.
#   check_docs.sh SOURCE_DIR MADE CLI
set -euo pipefail
source_dir=$1 made=$2 cli=$3
rm -rf "$made"
"$source_dir/scripts/docs" --cli "$cli" --output "$made"
status=0
for file in "$made"/*; do
  name=$(basename "$file")
  if ! cmp -s "$file" "$source_dir/docs/$name"; then
    echo "docs/$name is not what scripts/docs makes today (made: $file)" >&2
    status=1
  fi
done
for picture in $(grep -o '](\([a-z0-9-]*\.png\))' "$source_dir/docs/guide.md" | sed 's/^](\(.*\))$/\1/'); do
  [ -e "$made/$picture" ] || { echo "the guide shows $picture, which scripts/docs does not make" >&2; status=1; }
done
exit $status
