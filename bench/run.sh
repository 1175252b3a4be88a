#!/usr/bin/env bash
# Throughput benchmark: converts generated survey drawings of 10 MB and 1 GB and times the
# conversion beside `LC_ALL=C wc -w` and `cat` on the same file, alternating, RUNS times each
# (default 7), with the file in the page cache. Prints medians, MB/s, the ratio to wc -w and
# the program's peak resident memory as the kernel accounts it (GNU time).
#
#   bench/run.sh [--check] [DIRECTORY]   drawings go to DIRECTORY/polydump-bench (default /tmp)
#
# Before timing, each conversion's records are checked against the checksum of the records
# that the plain token-by-token scan wrote for the same drawing (bench/checksums.txt). With
# --check only that is done, for the 10 MB drawing, with warnings as errors: CI runs it.
# POLYDUMP_PROGRAM names another build of the program to measure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check_only=false
if [ "${1:-}" = --check ]; then
  check_only=true
  shift
fi
work=${1:-/tmp}/polydump-bench
runs=${RUNS:-7}

if ! $check_only && [ ! -x /usr/bin/time ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null && apt-get install -y -q time >/dev/null
fi

cmake -S "$root" -B "$root/build-bench" -DPOLYDUMP_BENCH=ON -DPOLYDUMP_WERROR=$check_only -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build-bench" -j"$(nproc)" --target seawrack_polydump make_drawing >/dev/null
program=${POLYDUMP_PROGRAM:-$root/build-bench/src/seawrack_polydump}
mkdir -p "$work/images/bench"
cd "$work"

# Runs a command under GNU time, its standard input from the file $1; prints its wall time in
# seconds and its peak RSS in KiB.
timed() {
  local input=$1 start end
  shift
  start=$EPOCHREALTIME
  /usr/bin/time -f '%M' -o "$work/time.out" "$@" <"$input" >/dev/null
  end=$EPOCHREALTIME
  echo "$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", e - s }') $(tail -n 1 "$work/time.out")"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

$check_only || printf '%-8s %-20s %-20s %-20s %-10s %s\n' drawing "program" "wc -w" "cat" "prog/wc" "peak RSS"
grep -v '^#' "$root/bench/checksums.txt" | while read -r size drawing_sum records_sum; do
  if $check_only && [ "$size" -gt 10000000 ]; then continue; fi
  name=d$size
  dxf=images/bench/$name.dxf
  "$root/build-bench/bench/make_drawing" "$size" "$dxf"

  answers=$work/$name.answers
  printf 'bench\n%s\n%s\n0\n' "$name" "$name" >"$answers"
  "$program" <"$answers" >/dev/null
  if [ "$(sha256sum <images/bench/"$name".rak | cut -d' ' -f1)" != "$records_sum" ]; then
    echo "$name: the records differ from those of the token-by-token scan" >&2
    [ "$(sha256sum <"$dxf" | cut -d' ' -f1)" = "$drawing_sum" ] || echo "$name: the generated drawing differs too" >&2
    exit 1
  fi
  if $check_only; then
    echo "$name: the records are those of the token-by-token scan"
    rm -f "$dxf" images/bench/"$name".rak
    continue
  fi

  cat "$dxf" >/dev/null
  : >"$work/times"
  for _ in $(seq "$runs"); do
    echo "program $(timed "$answers" "$program")" >>"$work/times"
    echo "wc $(timed /dev/null env LC_ALL=C wc -w "$dxf")" >>"$work/times"
    echo "cat $(timed /dev/null cat "$dxf")" >>"$work/times"
  done
  med() { awk -v k="$1" '$1 == k { print $2 }' "$work/times" | median; }
  program_s=$(med program) wc_s=$(med wc) cat_s=$(med cat)
  rss=$(awk '$1 == "program" { print $3 }' "$work/times" | sort -n | tail -n 1)
  rate() { awk -v b="$size" -v t="$1" 'BEGIN { printf "%.4f s %6.0f MB/s", t, b / 1e6 / t }'; }
  printf '%-8s %-20s %-20s %-20s %-10s %s KiB\n' "$((size / 1000000)) MB" "$(rate "$program_s")" "$(rate "$wc_s")" \
    "$(rate "$cat_s")" "$(awk -v p="$program_s" -v w="$wc_s" 'BEGIN { printf "%.3f", p / w }')" "$rss"
  rm -f "$dxf" images/bench/"$name".rak
done
