# Sourced by the test command: runs its steps, times them, keeps their results and prints
# the summary. Expects $logs (a directory for logs) and the array report_only_checks.

vantrel_results=()   # "name|status|seconds|note"; status ok, FAILED, SKIPPED or FINDINGS
vantrel_closing_notes=()  # printed last, just above the counts, where a reader looks
vantrel_tests_total=0
vantrel_tests_failed=0

vantrel_record() {  # vantrel_record NAME STATUS SECONDS [NOTE]
  vantrel_results+=("$1|$2|$3|${4:-}")
}

vantrel_step() {  # vantrel_step NAME COMMAND...: runs it in the foreground
  local name=$1 start status
  shift
  start=$(date +%s)
  "$@"
  status=$?
  if [ "$status" -eq 0 ]; then
    vantrel_record "$name" ok $(($(date +%s) - start))
  else
    vantrel_record "$name" FAILED $(($(date +%s) - start)) "exit status $status"
  fi
  return "$status"
}

vantrel_ctest() {  # vantrel_ctest NAME BUILD_TREE [CTEST ARGS...]: runs and counts the tests
  local name=$1 tree=$2 start status log line total failed
  shift 2
  log=$logs/ctest-${name// /-}.log
  start=$(date +%s)
  ctest --test-dir "$tree" --output-on-failure --no-tests=error "$@" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -n "$line" ]; then
    total=${line##* out of }
    failed=$(sed -E 's/^[0-9]+% tests passed, ([0-9]+) tests? failed.*/\1/' <<< "$line")
    vantrel_tests_total=$((vantrel_tests_total + total))
    vantrel_tests_failed=$((vantrel_tests_failed + failed))
    line="$((total - failed))/$total passed"
  else
    line="ctest did not report a result"
  fi
  if [ "$status" -eq 0 ]; then
    vantrel_record "$name" ok $(($(date +%s) - start)) "$line"
  else
    vantrel_record "$name" FAILED $(($(date +%s) - start)) "$line"
  fi
  return "$status"
}

vantrel_background_count=0
vantrel_background_step() {  # like vantrel_step, with its output kept for later
  local name=$1 start status prefix
  shift
  vantrel_background_count=$((vantrel_background_count + 1))
  prefix=$logs/check-$(printf '%02d' "$vantrel_background_count")
  start=$(date +%s)
  "$@" > "$prefix.log" 2>&1
  status=$?
  printf '%s|%s|%s\n' "$name" "$status" $(($(date +%s) - start)) > "$prefix.result"
  return "$status"
}

vantrel_show_background_steps() {
  local result name status seconds report_only check
  for result in "$logs"/check-*.result; do
    [ -f "$result" ] || continue
    IFS='|' read -r name status seconds < "$result"
    echo "== $name (${seconds} s; log ${result%.result}.log)"
    cat "${result%.result}.log"
    report_only=0
    for check in "${report_only_checks[@]}"; do
      [ "$check" = "$name" ] && report_only=1
    done
    if [ "$status" -eq 0 ]; then
      vantrel_record "$name" ok "$seconds"
    elif [ "$report_only" = 1 ]; then
      vantrel_record "$name" FINDINGS "$seconds" "reported only, does not fail the run yet"
    else
      vantrel_record "$name" FAILED "$seconds" "exit status $status"
    fi
  done
}

vantrel_summary() {  # vantrel_summary START_EPOCH: prints the results; exits 1 on a failure
  local started=$1 entry name status seconds note failures=() elapsed passed percent
  elapsed=$(($(date +%s) - started))
  echo
  echo "== Summary"
  for entry in "${vantrel_results[@]}"; do
    IFS='|' read -r name status seconds note <<< "$entry"
    printf '  %-22s %-8s %5s s  %s\n' "$name" "$status" "$seconds" "$note"
    [ "$status" = FAILED ] && failures+=("$name")
  done
  echo "  Total time: ${elapsed} s"
  echo
  passed=$((vantrel_tests_total - vantrel_tests_failed))
  percent=0
  [ "$vantrel_tests_total" -gt 0 ] && percent=$((100 * passed / vantrel_tests_total))
  if [ "${#failures[@]}" -gt 0 ]; then
    echo "The following steps FAILED:"
    printf '\t%s\n' "${failures[@]}"
  fi
  [ "${#vantrel_closing_notes[@]}" -eq 0 ] || printf '%s\n' "${vantrel_closing_notes[@]}"
  echo "${percent}% tests passed, ${vantrel_tests_failed} tests failed out of ${vantrel_tests_total}"
  echo "Total Test time (real) = ${elapsed}.00 sec"
  if [ "${#failures[@]}" -gt 0 ] || [ "$vantrel_tests_total" -eq 0 ]; then
    echo "Errors while running the test command"
    exit 1
  fi
  exit 0
}
