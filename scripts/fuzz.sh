#!/usr/bin/env bash
# Fuzzes the music input for SECONDS (default 30): builds the fuzz preset (clang, libFuzzer,
# ASan + UBSan), seeds a corpus from the composed soundtrack and runs the fuzzer. Findings
# are written to build/fuzz/findings/; the exit status is non-zero when there are any.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
source scripts/setup.sh
build_preset fuzz >/dev/null

build=build/fuzz
seeds=$build/seeds
corpus=$build/corpus
findings=$build/findings
mkdir -p "$seeds" "$corpus" "$findings"
"$build/make_fuzz_seeds" "$build/music.xm" "$seeds"

# Slow or memory-hungry inputs count as findings too: a demo must not hang on its music.
"$build/music_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeds" 2>"$build/fuzz.log" || {
  tail -n 40 "$build/fuzz.log" >&2
  echo "fuzz: findings in $findings" >&2
  exit 1
}
grep -E "stat::number_of_executed_units|stat::peak_rss_mb|cov:" "$build/fuzz.log" | tail -n 3
