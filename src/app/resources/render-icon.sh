#!/usr/bin/env bash
# Renders the window icon from its drawing; run after editing vendrix.svg and commit both.
set -euo pipefail
cd "$(dirname "$0")"
convert -background none vendrix.svg -depth 8 vendrix.png
