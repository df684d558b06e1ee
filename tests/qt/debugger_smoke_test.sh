#!/usr/bin/env bash
# Starts the real desktop application on a virtual X display and drives its
# debugger with real key presses:
#   F1 in the main window stops the machine: "Z80 CPU [Stopped]";
#   F9 runs on: "Z80 CPU [Running]";
#   F1 stops again, F6 sets a breakpoint on the line at PC and F9 runs on;
#   the ROM's key wait comes round and stops at the breakpoint, whose line is
#   drawn in the colour of "PC, breakpoint and view address" (0xFF60FF);
#   F6 removes it and F9 runs on for good.
# Screenshots of the debugger window are left in the scratch folder.
#   debugger_smoke_test.sh <quillor binary> <scratch dir>
# Run under xvfb-run (see CMakeLists.txt).
set -euo pipefail
app=$1
scratch=$2
mkdir -p "$scratch"

export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
HOME=$scratch XDG_CONFIG_HOME=$scratch/config "$app" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# The first visible window whose name matches, or nothing after 20 s.
wait_for() {
  local id=
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    kill -0 "$pid" 2>/dev/null || { echo "quillor exited early" >&2; return 1; }
    sleep 0.2
  done
  return 1
}

# Pixels of the line colour of PC at a breakpoint in a screenshot.
breakpoint_pixels() {
  convert "$1" -fill black +opaque '#FF60FF' -fill white -opaque '#FF60FF' \
    -format '%[fx:round(mean*w*h)]' info:
}

key() {
  xdotool key "$1"
  sleep 0.5
}

wait_for '^Quillor' >/dev/null || { echo "no Quillor window appeared"; exit 1; }
# The timer calibration (about a second) and the ROM reaching its prompt.
sleep 3
key F1
debug=$(wait_for '^Z80 CPU \[Stopped\]$') || { echo "F1 did not open the stopped debugger"; exit 1; }
sleep 0.5  # mapped, and given the keyboard
import -window "$debug" "$scratch/stopped.png"
[[ $(breakpoint_pixels "$scratch/stopped.png") -eq 0 ]] || { echo "a breakpoint line without a breakpoint"; exit 1; }
echo "F1: $(xdotool getwindowname "$debug")"

key F9
wait_for '^Z80 CPU \[Running\]$' >/dev/null || { echo "F9 did not run on"; exit 1; }
echo "F9: Z80 CPU [Running]"

key F1
debug=$(wait_for '^Z80 CPU \[Stopped\]$') || { echo "F1 did not stop again"; exit 1; }
sleep 0.5
key F6
key F9
sleep 1
debug=$(wait_for '^Z80 CPU \[Stopped\]$') || { echo "the breakpoint was never reached"; exit 1; }
import -window "$debug" "$scratch/breakpoint.png"
lit=$(breakpoint_pixels "$scratch/breakpoint.png")
[[ $lit -gt 1000 ]] || { echo "no line at PC on a breakpoint ($lit pixels); see $scratch/breakpoint.png"; exit 1; }
echo "F6 F9: stopped at the breakpoint ($lit pixels of its line); screenshot $scratch/breakpoint.png"

key F6
key F9
wait_for '^Z80 CPU \[Running\]$' >/dev/null || { echo "F9 did not run on from the breakpoint"; exit 1; }
sleep 1
[[ $(xdotool getwindowname "$debug") == "Z80 CPU [Running]" ]] || { echo "stopped again without a breakpoint"; exit 1; }
kill -0 "$pid" || { echo "quillor exited"; exit 1; }
echo "F6 F9: Z80 CPU [Running]"
