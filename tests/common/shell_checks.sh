# Sourced by the shell tests: skipping when a Debian tool is missing, and
# checks that count their failures instead of stopping the test.

# require HINT TOOL...: exit 77 (skipped) naming the first missing tool and
# the Debian packages that bring them.
require() {
  local hint="$1" tool
  shift
  for tool; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed ($hint)"
      exit 77
    fi
  done
}

failures=0
check() {  # check DESCRIPTION COMMAND...
  if ! "${@:2}"; then
    echo "FAIL: $1"
    failures=$((failures + 1))
  fi
}

# finish NAME: exit 1 when a check failed, else say that all passed.
finish() {
  if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "$1: all checks passed"
}
