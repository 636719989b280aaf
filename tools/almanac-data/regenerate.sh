#!/usr/bin/env bash
# Rebuilds the almanac sources from the pinned lunar-javascript release: the day table
# db/lumora.tsv.xz, the double-hours db/shichen.tsv.xz, the further facts of each day
# db/lumora_extra.tsv.xz, and the command-line tests' sample tests/cli/library-days.tsv.
# Single-threaded xz keeps the compressed bytes identical between machines.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"

cd "$here"
npm ci --no-audit --no-fund --silent

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

node generate.js "$tmp/lumora.tsv"
node hours.js "$tmp/shichen.tsv" "$tmp/lumora_extra.tsv" "$tmp/library-days.tsv"

mkdir -p "$root/db"
for table in lumora shichen lumora_extra; do
  xz -9e -T1 --stdout "$tmp/$table.tsv" > "$tmp/$table.tsv.xz"
  mv "$tmp/$table.tsv.xz" "$root/db/$table.tsv.xz"
  echo "wrote $root/db/$table.tsv.xz ($(wc -c < "$root/db/$table.tsv.xz") bytes)"
done
mv "$tmp/library-days.tsv" "$root/tests/cli/library-days.tsv"
echo "wrote $root/tests/cli/library-days.tsv"
