#!/usr/bin/env bash
# The real desktop application on a virtual X display, with a configuration
# folder of its own: the first run is switched to model 3 and the amber skin
# through its menus and moved, then closed with E&xit; the second run must
# come up at the same place and, closed again, save model 3 and the amber
# colours it restored.
#   settings_restart_test.sh <quillor binary> <scratch dir>
# Run under xvfb-run (see CMakeLists.txt).
set -euo pipefail
app=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/config"
ini=$scratch/config/Emulators/Quillor.conf
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy HOME=$scratch XDG_CONFIG_HOME=$scratch/config

window_of() {
  local pid=$1 window=
  for _ in $(seq 1 100); do
    window=$(xdotool search --sync --onlyvisible --pid "$pid" --name '^Quillor' 2>/dev/null | head -1) || true
    [[ -n $window ]] && { echo "$window"; return 0; }
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}


position_of() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x "," y}'; }

wait_exit() {
  for _ in $(seq 1 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.2; done
  echo "quillor did not close"; kill "$1"; return 1
}

"$app" &
pid=$!
window=$(window_of "$pid") || { echo "no Quillor window appeared"; exit 1; }
sleep 1
xdotool windowactivate "$window" 2>/dev/null || true
xdotool windowfocus "$window"
xdotool windowmove "$window" 140 90
sleep 0.5
# Options > Config > the fourth model; Monitor > Skins > Amber monitor.
for key in alt+o c Down Down Down Return; do xdotool key "$key"; sleep 0.4; done
for key in alt+m k a; do xdotool key "$key"; sleep 0.4; done
moved=$(position_of "$window")
for key in alt+f x; do xdotool key "$key"; sleep 0.4; done
wait_exit "$pid"
[[ -f $ini ]] || { echo "no settings file $ini"; exit 1; }
grep -q '^Model=3' "$ini" || { echo "model 3 was not saved:"; cat "$ini"; exit 1; }
grep -q '^Colors\\Color=-1' "$ini" || { echo "the amber skin was not saved:"; cat "$ini"; exit 1; }
cp "$ini" "$scratch/first-run.conf"
# Nothing the second run does may change these; clear the first run's file
# of them only after the second has read it.
"$app" &
pid=$!
window=$(window_of "$pid") || { echo "no Quillor window on the second start"; exit 1; }
sleep 1
again=$(position_of "$window")
[[ $again == "$moved" ]] || { echo "window at $again, left at $moved"; kill "$pid"; exit 1; }
xdotool windowfocus "$window"
for key in alt+f x; do xdotool key "$key"; sleep 0.4; done
wait_exit "$pid"
grep -q '^Model=3' "$ini" || { echo "the second run did not restore model 3:"; cat "$ini"; exit 1; }
grep -q '^Colors\\Color=-1' "$ini" || { echo "the second run did not restore the skin:"; cat "$ini"; exit 1; }
echo "model 3, the amber skin and the window position ($moved) came back; settings in $ini"
