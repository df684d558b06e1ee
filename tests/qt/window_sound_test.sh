#!/usr/bin/env bash
# Starts the real desktop application on a virtual X display with a program
# that plays a sound generator tone, lets SDL's file-writing audio driver
# take what the window queues, and checks the file holds the tone: 1108.75 Hz
# in the machine, 20 samples a cycle (22050 / 20 = 1102.5 Hz played, within
# the 2 % the audio pacer may stretch), swinging by 53 above the zero line.
#   window_sound_test.sh <quillor binary> <scratch dir>
# Run under xvfb-run (see CMakeLists.txt).
set -euo pipefail
app=$1
scratch=$2
mkdir -p "$scratch"
program=$scratch/tone.cmd
audio=$scratch/audio.u8
rm -f "$audio"

# DI, then the generator: R7 = 3Eh (tone A only), R8 = 15, R0/R1 = period 100,
# then JR $. Each write is LD A,reg / OUT (1Fh),A / LD A,value / OUT (1Eh),A.
{
  printf '\x01\x25\x00\x50\xf3'
  printf '\x3e\x07\xd3\x1f\x3e\x3e\xd3\x1e'
  printf '\x3e\x08\xd3\x1f\x3e\x0f\xd3\x1e'
  printf '\x3e\x00\xd3\x1f\x3e\x64\xd3\x1e'
  printf '\x3e\x01\xd3\x1f\x3e\x00\xd3\x1e'
  printf '\x18\xfe\x02\x02\x00\x50'
} > "$program"

export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$audio
HOME=$scratch XDG_CONFIG_HOME=$scratch/config "$app" "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
# About a second of timer calibration, then the program plays.
sleep 5
kill -0 "$pid" 2>/dev/null || { echo "quillor exited early"; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
trap - EXIT

[[ -s $audio ]] || { echo "the audio driver received nothing"; exit 1; }
od -An -v -tu1 "$audio" | tr -s ' ' '\n' | awk '
  NF == 0 { next }
  { n++; v = $1 + 0
    if (v > max) max = v
    if (v >= 154 && prev < 154 && n > 1) { if (last) { d = n - last; if (d >= 15 && d <= 25) { sum += d; good++ } else other++ } last = n }
    prev = v }
  END {
    if (good < 100) { printf "no steady tone in %d samples (%d cycles)\n", n, good; exit 1 }
    cycle = sum / good
    printf "%d samples; %d tone cycles of %.3f samples (%.1f Hz played), %d breaks; peak %d\n", n, good, cycle, 22050 / cycle, other, max
    if (cycle < 19.6 || cycle > 20.4) { print "wrong pitch"; exit 1 }
    if (max != 128 + 53) { print "wrong amplitude"; exit 1 }
  }'
