#!/bin/sh
# Runs each fuzz target of a libFuzzer build tree for a fixed number of executions and prints, per target, the
# executions, executions per second, new corpus entries and findings.
#   run-fuzz.sh BUILD_TREE RUNS TARGET...
# New corpus entries go to BUILD_TREE/corpus/TARGET (the checked-in seeds are only read); a finding's input is
# kept in BUILD_TREE/findings/TARGET, to be fixed and then added to tests/fuzz/regressions/TARGET.
set -u
tree=$1; runs=$2; shift 2
here=$(cd "$(dirname "$0")" && pwd)
status=0
table=""
for target in "$@"; do
    corpus=$tree/corpus/$target
    findings=$tree/findings/$target
    log=$tree/logs/$target.log
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    # Inputs grow up to the largest seed (the built-in themes are taken whole), not up to a regression input
    # made large on purpose; libFuzzer's own floor is 4096 bytes.
    maxlen=$(find "$here/corpus/$target" -type f -printf '%s\n' | sort -n | tail -1)
    [ "${maxlen:-0}" -ge 4096 ] || maxlen=4096
    "$tree/tests/fuzz/fuzz_$target" -runs="$runs" -max_len="$maxlen" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$here/corpus/$target" "$here/regressions/$target" >"$log" 2>&1 || status=1
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    added=$(sed -n 's/^stat::new_units_added: *//p' "$log")
    found=$(find "$findings" -type f | wc -l)
    [ "$found" -eq 0 ] || status=1
    table="$table$(printf '%-12s %12s %10s %12s %9s' "$target" "${execs:-?}" "${speed:-?}" "${added:-?}" "$found")
"
    printf '%s: done (log %s)\n' "$target" "$log"
done
printf '\n%-12s %12s %10s %12s %9s\n' target executions exec/s new-entries findings
printf '%s' "$table"
exit $status
