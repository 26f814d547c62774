#!/usr/bin/env bash
# The hardening stages of CI, after scripts/test.sh:
#
#   1. the whole project built with AddressSanitizer and
#      UndefinedBehaviorSanitizer (WM4_SANITIZE=ON, build-asan/), halting on
#      the first report, and the whole test suite run there;
#   2. the fuzz targets of fuzz/ built with clang and libFuzzer (WM4_FUZZ=ON,
#      build-fuzz/), each run for a bounded time from its seed corpus.
#
# Any sanitizer report, leak, crash, slow input (over 10 s) or failing test
# fails the run. Stages can be run alone: scripts/ci_hardening.sh asan|fuzz.
#
#   WM4_FUZZ_SECONDS   seconds per fuzz target (60)
#   WM4_ASAN_BUILD_DIR, WM4_FUZZ_BUILD_DIR   the build folders
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)
asan_dir=${WM4_ASAN_BUILD_DIR:-build-asan}
fuzz_dir=${WM4_FUZZ_BUILD_DIR:-build-fuzz}
fuzz_seconds=${WM4_FUZZ_SECONDS:-60}
targets=(client_file wm3_file settings_file template_merge)
# The longest input each target tries, well above the largest real file of
# its kind: cases of several MB (the large test case is 9 MB), settings files
# of a few hundred bytes, templates under 30 kB. libFuzzer alone stops at
# 4,096 bytes (or the largest seed).
declare -A max_len=(
  [client_file]=33554432 [wm3_file]=33554432 [settings_file]=1048576 [template_merge]=4194304
)

# Halt on the first report, leaks included; third-party leaks are suppressed
# by name in scripts/lsan.supp (never a frame of this program).
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
symbolizer=$(command -v llvm-symbolizer-14 || true)
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer

stage_asan() {
  echo "== the test suite under AddressSanitizer and UndefinedBehaviorSanitizer ($asan_dir)"
  # -O1 with line tables only (-g1): reports still name file and line, and
  # the sanitized build stays light enough to run on every CI pass.
  cmake -S . -B "$asan_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWM4_SANITIZE=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
        -DWM4_BUILD_BENCHMARKS=OFF >/dev/null
  cmake --build "$asan_dir" -j "$jobs"
  # Reports go to files, not to standard error: a test that captures the
  # standard error of a command it runs would otherwise swallow the report
  # with the output it was reading, and a report of a child process would
  # not reach CTest at all.
  local reports
  reports="$(cd "$asan_dir" && pwd)/sanitizer-reports"
  rm -rf "$reports" && mkdir -p "$reports"
  local status=0
  (cd "$asan_dir" &&
     ASAN_OPTIONS=$ASAN_OPTIONS:log_path=$reports/asan \
     UBSAN_OPTIONS=$UBSAN_OPTIONS:log_path=$reports/ubsan \
     QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs") || status=$?
  if compgen -G "$reports/*" >/dev/null; then
    echo "sanitizer reports ($reports):"
    cat "$reports"/*
    return 1
  fi
  return "$status"
}

stage_fuzz() {
  echo "== fuzz targets, ${fuzz_seconds} s each ($fuzz_dir)"
  cmake -S . -B "$fuzz_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 -DWM4_FUZZ=ON \
        -DWM4_BUILD_TESTS=OFF -DWM4_BUILD_BENCHMARKS=OFF >/dev/null
  cmake --build "$fuzz_dir" -j "$jobs" --target fuzz_targets
  mkdir -p "$fuzz_dir/artifacts"
  for target in "${targets[@]}"; do
    # New inputs go to a scratch corpus; the committed seeds stay as they are.
    work="$fuzz_dir/corpus/$target"
    mkdir -p "$work"
    # Real files of realistic size to start from as well (the samples of
    # the tests; a template and its width file joined by a NUL byte).
    case "$target" in
      client_file) cp tests/fixtures/rich_sample.wm4 tests/fixtures/relief_sample.wm4 "$work/" ;;
      template_merge)
        { printf '\x0b'; cat data/RTF/Page11.rtf; printf '\0'; cat data/DAT/PAGE11.DAT; } \
          >"$work/page11_real" ;;
    esac
    echo "-- fuzz_$target"
    log="$fuzz_dir/artifacts/$target.log"
    status=0
    "$fuzz_dir/fuzz/fuzz_$target" "$work" "fuzz/corpus/$target" \
      -max_total_time="$fuzz_seconds" -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=1024 \
      -print_final_stats=1 -artifact_prefix="$fuzz_dir/artifacts/$target-" >"$log" 2>&1 ||
      status=$?
    # The progress lines are many; the report and the final statistics count.
    grep -v '^#[0-9]*[[:space:]]*\(NEW\|REDUCE\|pulse\)' "$log" | tail -n 60
    if [ "$status" -ne 0 ]; then
      echo "fuzz_$target failed (status $status); the input is in $fuzz_dir/artifacts/"
      return 1
    fi
  done
}

case "${1:-all}" in
  asan) stage_asan ;;
  fuzz) stage_fuzz ;;
  all) stage_asan; stage_fuzz ;;
  *) echo "usage: $0 [asan|fuzz|all]"; exit 2 ;;
esac
