#!/usr/bin/env bash
# Makes the sample diagram files of this folder with `dgrtool gen`.
#   examples/make-examples.sh [OUTPUT_FOLDER]
# DGRTOOL names the dgrtool program (default: build/tools/dgrtool/dgrtool). The files are the
# same on every machine: the generator depends on its options and seed only.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dgrtool=${DGRTOOL:-$here/../build/tools/dgrtool/dgrtool}
out=${1:-$here}

# Filling station: site type 32 fixes "АЗС" and groups of 32; Russian comment on two lines.
"$dgrtool" gen --segments 256 --header-length 64 --site-type 32 --sensor 3 --seed 1 \
  --comment $'Резервуар №3, АИ-95\nПодтоварная вода в норме' -o "$out/station-256.dgr"

# Depot: site type 16 fixes "НБ" and groups of 16.
"$dgrtool" gen --segments 512 --header-length 64 --site-type 16 --sensor 12 --seed 2 \
  --comment 'Резервуар 7 (ДТ), замер после приёмки' -o "$out/depot-512.dgr"

# Site type not stated, more than 256 segments: depot mode by segment count.
"$dgrtool" gen --segments 1024 --header-length 62 --site-type 0 --sensor 1 --seed 3 \
  --comment 'Site type not stated' -o "$out/unstated-1024.dgr"

# Smallest header: no date, sensor number, site type or correction; no comment.
"$dgrtool" gen --segments 300 --header-length 52 --seed 4 -o "$out/short-header-300.dgr"

# Few segments, correction present.
"$dgrtool" gen --segments 12 --header-length 64 --sensor 2 --seed 5 \
  --comment $'Малый датчик\nтест' -o "$out/small-12.dgr"

# Longer header with bytes to skip, no comment, 256 segments or fewer: the mode in force stays.
"$dgrtool" gen --segments 100 --header-length 70 --sensor 256 --seed 6 -o "$out/no-comment-100.dgr"
