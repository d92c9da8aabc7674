#!/usr/bin/env bash
# What a blind pupil hears: Orca, the screen reader, over the program driven by keys alone, on
# Xvfb in a private D-Bus session with its own accessibility bus; each step is checked against
# the phrases in Orca's own log: the quiz (orca_quiz.sh), or another road beside it such as
# class mode's (orca_class.sh).
#
#   tests/e2e/orca.sh PROGRAM [OUT [ROAD]]
#
# Exits 77, saying why, where Orca cannot run here or never came up; 1 when a check failed.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
orca_session "screen reader tests" "${3:-orca_quiz.sh}" "$1" "${2:-}"
