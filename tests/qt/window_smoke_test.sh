#!/usr/bin/env bash
# Starts the real desktop application on a virtual X display, waits for its
# window, takes screenshots of it and passes once the screen panel shows the
# machine's start-up text: some lit pixels on a dark screen, neither blank
# nor black nor one flat colour.
#   window_smoke_test.sh <quillor binary> <scratch dir>
# Run under xvfb-run (see CMakeLists.txt).
set -euo pipefail
app=$1
scratch=$2
mkdir -p "$scratch"
shot=$scratch/window.png

export QT_QPA_PLATFORM=xcb
HOME=$scratch XDG_CONFIG_HOME=$scratch/config "$app" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=
for _ in $(seq 1 100); do
  window=$(xwininfo -root -tree 2>/dev/null |
           awk '/"Quillor/ && / 7[0-9][0-9]x5[0-9][0-9]\+/ {print $1; exit}')
  [[ -n $window ]] && break
  kill -0 "$pid" 2>/dev/null || { echo "quillor exited early"; exit 1; }
  sleep 0.2
done
[[ -n $window ]] || { echo "no Quillor window appeared"; exit 1; }

# The client area is the bottom 762 x 512 of the window, under the menu bar.
height=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
top=$((height - 512))
screen="537x403+54+$((top + 60))"

last=
for _ in $(seq 1 60); do
  if import -window "$window" "$shot" 2>/dev/null; then
    # Share of lit pixels (brightness above 40 %) in the screen panel.
    lit=$(convert "$shot" -crop "$screen" +repage -colorspace Gray -threshold 40% \
            -format '%[fx:mean]' info:)
    last=$lit
    if awk -v l="$lit" 'BEGIN { exit !(l > 0.002 && l < 0.5) }'; then
      echo "screen panel shows text (lit share $lit); screenshot $shot"
      exit 0
    fi
  fi
  sleep 0.5
done
echo "screen panel never showed the start-up text (lit share ${last:-none}); see $shot"
exit 1
