#!/usr/bin/env bash
# Runs the Wine tests of a built Windows tree in a fresh prefix and cleans up.
#   tests/wine/run-e2e.sh BUILD_DIR [extra ctest arguments]
set -u
buildDir=${1:?usage: run-e2e.sh BUILD_DIR [ctest arguments]}
shift
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh" "$buildDir" || exit 1
trap kiv_wine_cleanup EXIT
started=$EPOCHREALTIME
ctest --test-dir "$buildDir" -L wine --output-on-failure "$@"
status=$?
awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "run-e2e: tests took %.1f s\n", b - a }' >&2
exit "$status"
