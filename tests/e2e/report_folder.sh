# Sourced by the tests of numora-report's command line: a program folder of
# its own in $work with a copy of the program ($report, its first argument),
# since the practice bank goes beside the program, and an empty job/.
set -euo pipefail

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/numora-report"
report=$work/numora-report
fail() { echo "FAIL: $*" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
mkdir -p "$work/job"
