#!/usr/bin/env bash
# A labelling board and an ordering board to full marks by keys alone, listened to through
# Orca: a private X display, session bus and accessibility bus, Orca with its speech written to
# a log (no sound device needed), and what a pupil hears checked from that log at each step
# (orca_board_road.sh).
#
#   tests/e2e/orca_board.sh PROGRAM [OUT]
#
# Exits 77, saying why, where Orca cannot run here (not installed, no buses, or another Orca of
# this user running, since Orca will not start beside it).
set -uo pipefail
source "$(dirname "$0")/lib.sh"
orca_session "screen reader on the boards" orca_board_road.sh "$@"
