#!/usr/bin/env bash
# Synthesises the game's first set of sounds with sox and writes the sound list
# Resources/Audio/Audio.dat that names them. Re-running gives the same files.
# Music: short looping phrases; effects: blips, sweeps and noise bursts.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=Resources/Audio
RATE=22050
mkdir -p "$OUT"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# note NAME LENGTH NOTE [WAVE]: one synthesised note with a short fade at both ends.
note() {
  sox -R -q -n -r "$RATE" -c 1 "$WORK/$1.wav" synth "$2" "${4:-triangle}" "$3" fade q 0.01 "$2" 0.05 vol 0.5
}

# phrase KEY TEMPO NOTE...: a melody of equal-length notes, written as KEY.ogg.
phrase() {
  local key=$1 beat=$2
  shift 2
  local parts=() i=0
  for n in "$@"; do
    if [ "$n" = "-" ]; then
      sox -R -q -n -r "$RATE" -c 1 "$WORK/n$i.wav" trim 0 "$beat"
    else
      note "n$i" "$beat" "$n"
    fi
    parts+=("$WORK/n$i.wav")
    i=$((i + 1))
  done
  sox -R -q "${parts[@]}" -C 0 "$OUT/$key.ogg"
}

# effect KEY SOX-SYNTH-ARGS...: one synthesised effect, written as KEY.ogg.
effect() {
  local key=$1
  shift
  sox -R -q -n -r "$RATE" -c 1 -C 0 "$OUT/$key.ogg" "$@"
}

# ---- Music (loops) ----
phrase MainMenu_Background_Music 0.25 C4 E4 G4 E4 F4 A4 C5 A4 G4 B4 D5 B4 C5 G4 E4 -
phrase Game_Background_Music 0.2 A3 C4 E4 A4 G3 B3 D4 G4 F3 A3 C4 F4 E3 G3 B3 E4
phrase MenuBG 0.3 E4 G4 A4 G4 E4 D4 C4 D4
phrase WinScreenBG 0.18 C5 E5 G5 C6 G5 E5 C5 -
phrase WinScreenBGM 0.18 C5 E5 G5 C6 G5 E5 C5 -
phrase LoseScreenBG 0.35 A3 G3 F3 E3 D3 - - -
phrase LoseScreenBGM 0.35 A3 G3 F3 E3 D3 - - -
phrase EndSceneBGM 0.3 F4 A4 C5 A4 G4 B4 D5 B4

# ---- Effects ----
effect ButtonClick synth 0.05 square 1200 fade 0 0.05 0.03 vol 0.4
effect ButtonClickLeaf synth 0.08 sine 900:600 fade 0 0.08 0.05 vol 0.5
effect ButtonHoverLeaf synth 0.06 sine 700 fade 0 0.06 0.04 vol 0.3
effect Button_Sound synth 0.1 triangle 500:800 fade 0 0.1 0.05 vol 0.5
effect AppleBounce synth 0.15 sine 300:150 fade 0 0.15 0.1 vol 0.6
effect AppleFly synth 0.6 pinknoise fade 0.1 0.6 0.3 vol 0.4
effect AppleHit synth 0.2 square 200:80 fade 0 0.2 0.15 vol 0.5
effect AppleLand synth 0.12 brownnoise fade 0 0.12 0.1 vol 0.6
effect Checkpoint synth 0.3 sine 660:1320 fade 0 0.3 0.1 vol 0.5
effect SwitchPress synth 0.1 square 400 fade 0 0.1 0.05 vol 0.4
effect RoachWalk synth 0.4 whitenoise tremolo 20 90 fade 0 0.4 0.1 vol 0.2
effect AirCon synth 2.0 brownnoise fade 0.2 2.0 0.2 vol 0.3
effect CounterBell synth 0.8 sine 1568 fade 0 0.8 0.7 vol 0.5
effect IntroTruck synth 1.5 brownnoise tremolo 8 60 fade 0.3 1.5 0.5 vol 0.5
effect EndSceneTruckMove synth 1.5 brownnoise tremolo 10 60 fade 0.2 1.5 0.3 vol 0.5
effect EndSceneTruckStay synth 1.0 brownnoise tremolo 4 40 fade 0.2 1.0 0.3 vol 0.3
effect WinStar0 synth 0.3 sine 330:220 fade 0 0.3 0.2 vol 0.5
effect WinStar1 synth 0.3 sine 880 fade 0 0.3 0.2 vol 0.5
effect WinStar2 synth 0.3 sine 1047 fade 0 0.3 0.2 vol 0.5
effect WinScreenStar synth 0.5 sine 1319:2637 fade 0 0.5 0.3 vol 0.5
effect IcicleLand synth 0.25 sine 2500:1800 fade 0 0.25 0.2 vol 0.4
effect KetchupBobble synth 0.2 sine 200:400 fade 0 0.2 0.1 vol 0.5
effect LogoSound synth 1.0 sine 523 sine 659 fade 0 1.0 0.6 vol 0.4
effect MiceSound synth 0.15 sine 3000:3500 fade 0 0.15 0.05 vol 0.3

# ---- The sound list: five lines per sound (tag, path, key, type, volume) ----
# Type 0 is music (looping, in the music group), 1 an effect. The tag's last
# character counts up from '0' through the characters after it.
MUSIC=(MainMenu_Background_Music Game_Background_Music MenuBG WinScreenBG WinScreenBGM LoseScreenBG
  LoseScreenBGM EndSceneBGM)
EFFECTS=(ButtonClick ButtonClickLeaf ButtonHoverLeaf Button_Sound AppleBounce AppleFly AppleHit AppleLand
  Checkpoint SwitchPress RoachWalk AirCon CounterBell IntroTruck EndSceneTruckMove EndSceneTruckStay
  WinStar0 WinStar1 WinStar2 WinScreenStar IcicleLand KetchupBobble LogoSound MiceSound)
{
  i=0
  for key in "${MUSIC[@]}"; do
    printf 'Sound\x'"$(printf %x $((48 + i)))"'\n%s\n%s\n0\n1\n' "$OUT/$key.ogg" "$key"
    i=$((i + 1))
  done
  for key in "${EFFECTS[@]}"; do
    printf 'Sound\x'"$(printf %x $((48 + i)))"'\n%s\n%s\n1\n1\n' "$OUT/$key.ogg" "$key"
    i=$((i + 1))
  done
} > "$OUT/Audio.dat"
