#!/usr/bin/env bash
# Makes the Windows program icon from the window icon, in the sizes Explorer and the task bar show
# (16, 32, 48 and 256 pixels, each a 32-bit PNG inside the icon file); run after render-icon.sh and
# commit vendrix.ico. Needs netpbm.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48 256; do
    pngtopam -alphapam vendrix.png | pamscale -width "$size" -height "$size" -filter sinc | pamtopng >"$tmp/$size.png"
done
python3 - "$tmp" <<'PY'
import struct, sys
sizes = [16, 32, 48, 256]
images = [open(f"{sys.argv[1]}/{s}.png", "rb").read() for s in sizes]
header = struct.pack("<HHH", 0, 1, len(images))
offset = len(header) + 16 * len(images)
entries = b""
for size, data in zip(sizes, images):
    side = 0 if size == 256 else size  # 0 stands for 256
    entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
open("vendrix.ico", "wb").write(header + entries + b"".join(images))
PY
