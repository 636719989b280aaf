#!/usr/bin/env bash
# Rebuilds db/lumora.tsv.xz from the pinned lunar-javascript release.
# Single-threaded xz keeps the compressed bytes identical between machines.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="$root/db/lumora.tsv.xz"

cd "$here"
npm ci --no-audit --no-fund --silent

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

node generate.js "$tmp/lumora.tsv"
xz -9e -T1 --stdout "$tmp/lumora.tsv" > "$tmp/lumora.tsv.xz"
mkdir -p "$root/db"
mv "$tmp/lumora.tsv.xz" "$out"
echo "wrote $out ($(wc -c < "$out") bytes)"
