#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times zarn-calc over a settings file of 100 000 lines (about 1 MB, under the
# 4 MiB limit), read from the per-user folder. The command itself (jd) costs
# nothing, so the time is the reading of ZARN.INI.
#   usage: bench/settings-read-time.sh [path/to/zarn-calc] [lines]
set -euo pipefail
calc=${1:-build/bin/zarn-calc}
lines=${2:-100000}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/Zarn"
awk -v n="$lines" 'BEGIN { printf "[Cartes]\r\n"; for (i = 0; i < n; i++) printf "clef%d=%d\r\n", i, i }' \
  >"$dir/Zarn/ZARN.INI"
ls -l "$dir/Zarn/ZARN.INI" | awk '{ print $5 " bytes" }'
time XDG_CONFIG_HOME="$dir" "$calc" jd --date 1.1.2000 --time 12.00 --lon 2.20E --lat 48.51N --zone 1 --dst 0
