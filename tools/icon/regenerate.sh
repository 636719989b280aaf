#!/usr/bin/env bash
# Rewrites dist/icons/lumora.svg, the installed application icon: the seal that
# src/app/Artwork.cpp paints at run time (a cinnabar rounded square, a gold rim, 历 in
# gold), on the same 64-unit grid. The glyph is stored as an outline taken from Noto Serif
# CJK SC Bold, so the icon looks the same wherever it is shown. Needs g++, pkg-config,
# Qt 6 base and fonts-noto-cjk (scripts/setup-deps installs them).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="$root/dist/icons/lumora.svg"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# shellcheck disable=SC2046 # pkg-config prints several words on purpose
g++ -std=c++20 -fPIC -O1 "$here/glyph-outline.cpp" $(pkg-config --cflags --libs Qt6Gui) -o "$tmp/glyph-outline"
glyph="$(QT_QPA_PLATFORM=offscreen "$tmp/glyph-outline" 历 "Noto Serif CJK SC" 38 64 2>"$tmp/errors")" || {
  cat "$tmp/errors" >&2
  echo "regenerate.sh: could not outline the glyph" >&2
  exit 1
}

cat >"$tmp/lumora.svg" <<SVG
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <rect x="3" y="3" width="58" height="58" rx="12" ry="12" fill="#b22222" stroke="#e8be60" stroke-width="3"/>
  <path fill="#e8be60" d="$glyph"/>
</svg>
SVG
mv "$tmp/lumora.svg" "$out"
echo "wrote $out"
