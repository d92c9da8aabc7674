#!/usr/bin/env bash
# What a blind pupil hears: Orca, the screen reader, over the program driven by keys alone, on
# Xvfb in a private D-Bus session with its own accessibility bus; each step is checked against
# the phrases in Orca's own log (orca_quiz.sh).
#
#   tests/e2e/orca.sh PROGRAM [OUT]
#
# Exits 77, saying why, where Orca cannot run here or never came up; 1 when a check failed.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
orca_session "screen reader tests" orca_quiz.sh "$@"
