#!/usr/bin/env bash
# Types a line into the real desktop application on a virtual X display with
# xdotool, each key pressed and released at once and the keys a few
# milliseconds apart, as typing tools and remote desktops send them. The
# screen is then saved through the window's own "&Screenshot" command (F8
# and its save dialog) and must equal the runner's screenshot of the same
# line typed on the machine's keyboard at its own pace.
#   window_typing_test.sh <quillor binary> <quillor-cli binary> <scratch dir>
# Run under xvfb-run (see CMakeLists.txt).
set -euo pipefail
app=$1
cli=$2
scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch"
# The desktop starts in the Hungarian layout, where the host's 0, Y and Z
# play other keys: the line does without them. The doubled letters and
# digits must arrive twice.
line="25 rem hello 1122 see"

"$cli" --until READY --type "$(tr a-z A-Z <<<"$line")\n" --frames 25 --screenshot "$scratch/runner.jpg"

export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
HOME=$scratch XDG_CONFIG_HOME=$scratch/config "$app" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --name '^Quillor' 2>/dev/null | head -1 || true)
  [[ -n $window ]] && break
  kill -0 "$pid" 2>/dev/null || { echo "quillor exited early"; exit 1; }
  sleep 0.2
done
[[ -n $window ]] || { echo "no Quillor window appeared"; exit 1; }
# The timer calibration (about a second) and the ROM reaching its prompt.
sleep 3
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 8 "$line"
xdotool key Return
# About 0.2 s of machine time a key; the machine runs in real time.
sleep 6

xdotool key F8
dialog=
for _ in $(seq 1 50); do
  dialog=$(xdotool search --onlyvisible --name '^Save screenshot' 2>/dev/null | head -1 || true)
  [[ -n $dialog ]] && break
  sleep 0.2
done
[[ -n $dialog ]] || { echo "F8 did not open the screenshot dialog"; exit 1; }
sleep 0.5
# The dialog gives the JPEG its own extension (window.JPG).
xdotool type --delay 5 "$scratch/window.jpg"
xdotool key Return
shot=
for _ in $(seq 1 50); do
  shot=$(ls "$scratch"/window.* 2>/dev/null | head -1 || true)
  [[ -n $shot && -s $shot ]] && break
  sleep 0.2
done
[[ -n $shot ]] || { echo "no screenshot written: $(ls "$scratch")"; exit 1; }
sleep 0.5

differing=$(compare -metric AE "$shot" "$scratch/runner.jpg" null: 2>&1 || true)
if [[ $differing != 0 ]]; then
  echo "the window's screen differs from the runner's in $differing pixels:"
  echo "  window $shot, runner $scratch/runner.jpg"
  exit 1
fi
echo "typed '$line' at 8 ms spacing; the window's screenshot equals the runner's ($shot)"
