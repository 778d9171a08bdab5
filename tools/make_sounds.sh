#!/usr/bin/env bash
# Makes every sound of the game and the sound list Resources/Audio/Audio.dat.
# Effects are synthesised here with sox (tones, sweeps, plucks and filtered
# noise, layered and sequenced); the music is composed as MIDI and rendered by
# tools/make_music.py. sox runs in repeatable mode (-R), so re-running the
# script gives the same files byte for byte.
# Needs: sox, libsox-fmt-all (OGG), fluidsynth, fluid-soundfont-gm, python3.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=Resources/Audio
RATE=22050
mkdir -p "$OUT"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

# part NAME SOX-SYNTH-AND-EFFECTS...: one mono layer in the work folder.
part() {
  local name=$1
  shift
  sox -R -q -n -r "$RATE" -c 1 "$WORK/$name.wav" "$@"
}

# silence NAME SECONDS
silence() { part "$1" trim 0 "$2"; }

# mix NAME PART...: layers played together.
mix() {
  local name=$1
  shift
  local files=()
  for p in "$@"; do files+=("$WORK/$p.wav"); done
  sox -R -q -G -m "${files[@]}" "$WORK/$name.wav"
}

# chain NAME PART...: parts one after another.
chain() {
  local name=$1
  shift
  local files=()
  for p in "$@"; do files+=("$WORK/$p.wav"); done
  sox -R -q "${files[@]}" "$WORK/$name.wav"
}

# finish KEY PART [EFFECTS...]: normalise a little below full scale and encode.
finish() {
  local key=$1 name=$2
  shift 2
  sox -R -q "$WORK/$name.wav" -C 3 "$OUT/$key.ogg" gain -6 "$@" gain -n -2
}

# ---- Buttons ----
part hover synth 0.05 sine 1400 fade q 0.003 0.05 0.04
finish ButtonHover hover
part click_a synth 0.012 square 1800 vol 0.4
part click_b synth 0.09 sine 880:660 fade q 0.002 0.09 0.08
chain ButtonClick click_a click_b
finish ButtonClick ButtonClick
part rustle synth 0.16 pinknoise gain -4 highpass 2500 tremolo 40 60 fade q 0.02 0.16 0.1
finish ButtonHoverLeaf rustle
part swish synth 0.12 pinknoise gain -4 highpass 1500 fade q 0.03 0.12 0.08 vol 0.5
part pluck synth 0.35 pluck G5 fade q 0 0.35 0.3
chain ButtonClickLeaf swish pluck
finish ButtonClickLeaf ButtonClickLeaf
part pop synth 0.1 sine 500:950 fade q 0.002 0.1 0.08
finish Button_Sound pop

# ---- The apple ----
part boing synth 0.3 sine 150:520 tremolo 28 50 fade q 0.005 0.3 0.22
finish AppleBounce boing
part whoosh synth 0.55 brownnoise gain -4 highpass 600 lowpass 3000 fade t 0.25 0.55 0.3
part whistle synth 0.55 sine 700:1300 fade t 0.25 0.55 0.3 vol 0.15
mix AppleFly whoosh whistle
finish AppleFly AppleFly
part thud synth 0.16 sine 140:55 fade q 0.002 0.16 0.14
part thud_noise synth 0.06 brownnoise gain -4 lowpass 500 fade q 0 0.06 0.05 vol 0.8
mix AppleLand thud thud_noise
finish AppleLand AppleLand
part bonk synth 0.18 square 320:110 gain -6 lowpass 1800 fade q 0.002 0.18 0.15
part bonk_noise synth 0.05 whitenoise gain -4 lowpass 3000 fade q 0 0.05 0.04 vol 0.5
mix AppleHit bonk bonk_noise
finish AppleHit AppleHit
part chime1 synth 0.1 pluck C6 fade q 0 0.1 0.03
part chime2 synth 0.1 pluck E6 fade q 0 0.1 0.03
part chime3 synth 0.5 pluck G6 fade q 0 0.5 0.45
chain Checkpoint chime1 chime2 chime3
finish Checkpoint Checkpoint reverb 30

# ---- Level things ----
part clack1 synth 0.02 whitenoise gain -4 highpass 2000 fade q 0 0.02 0.015
part clack_gap synth 0.05 sine 300:180 fade q 0 0.05 0.04 vol 0.6
part clack2 synth 0.03 square 900:600 gain -6 lowpass 3000 fade q 0 0.03 0.025 vol 0.5
chain SwitchPress clack1 clack_gap clack2
finish SwitchPress SwitchPress
part skitter synth 0.6 whitenoise gain -4 bandpass 3500 1500 tremolo 22 95 fade q 0.05 0.6 0.15
finish RoachWalk skitter
part squeak1 synth 0.09 sine 2400:3300 fade q 0.01 0.09 0.03
silence squeak_gap 0.07
part squeak2 synth 0.12 sine 2700:3600 fade q 0.01 0.12 0.04
chain MiceSound squeak1 squeak_gap squeak2
finish MiceSound MiceSound
part glug1 synth 0.09 sine 180:460 fade q 0.005 0.09 0.03
silence glug_gap 0.05
part glug2 synth 0.1 sine 160:420 fade q 0.005 0.1 0.03
part glug3 synth 0.12 sine 140:380 fade q 0.005 0.12 0.05
chain KetchupBobble glug1 glug_gap glug2 glug_gap glug3
finish KetchupBobble KetchupBobble
part crash synth 0.35 whitenoise gain -6 highpass 3500 fade q 0 0.35 0.3 vol 0.6
part tink1 synth 0.25 sine 3100:2600 fade q 0 0.25 0.22 vol 0.5
part tink2 synth 0.3 sine 4200:3900 fade q 0 0.3 0.28 vol 0.4
mix IcicleLand crash tink1 tink2
finish IcicleLand IcicleLand
part hum synth 2.0 brownnoise gain -4 lowpass 900 vol 0.8
part hum_tone synth 2.0 sine 60 vol 0.3
part hum_whine synth 2.0 sine 240 tremolo 3 30 vol 0.08
mix AirCon hum hum_tone hum_whine
finish AirCon AirCon fade t 0.15 2.0 0.15
part bell synth 1.3 sine 1568 fade q 0 1.3 1.28
part bell_over synth 1.3 sine 3920 fade q 0 0.8 0.78 vol 0.3
part bell_strike synth 0.01 whitenoise gain -4 highpass 4000 vol 0.3
mix CounterBell bell bell_over bell_strike
finish CounterBell CounterBell

# ---- Trucks ----
part engine_rev synth 1.6 sawtooth 48:95 gain -4 lowpass 420 tremolo 9 45 fade t 0.2 1.6 0.5
part engine_rumble synth 1.6 brownnoise gain -4 lowpass 300 fade t 0.2 1.6 0.5 vol 0.6
mix IntroTruck engine_rev engine_rumble
finish IntroTruck IntroTruck
part idle synth 1.0 sawtooth 44 gain -4 lowpass 320 tremolo 11 60
part idle_rumble synth 1.0 brownnoise gain -4 lowpass 250 vol 0.5
mix EndSceneTruckStay idle idle_rumble
finish EndSceneTruckStay EndSceneTruckStay fade t 0.05 1.0 0.05
part go synth 1.6 sawtooth 50:120 gain -4 lowpass 480 tremolo 10 40 fade t 0.1 1.6 0.4
part go_rumble synth 1.6 brownnoise gain -4 lowpass 320 fade t 0.1 1.6 0.4 vol 0.6
mix EndSceneTruckMove go go_rumble
finish EndSceneTruckMove EndSceneTruckMove

# ---- Splash and win screen ----
part logo1 synth 1.6 pluck C5 fade q 0 1.6 1.5
part logo2 synth 1.6 pluck E5 fade q 0 1.6 1.5 pad 0.12
part logo3 synth 1.6 pluck G5 fade q 0 1.6 1.5 pad 0.24
part logo4 synth 1.6 pluck C6 fade q 0 1.6 1.5 pad 0.36
mix LogoSound logo1 logo2 logo3 logo4
finish LogoSound LogoSound reverb 40
part star0 synth 0.4 sine 392:262 fade q 0.005 0.4 0.3
finish WinStar0 star0
part star1 synth 0.45 pluck A5 fade q 0 0.45 0.4
finish WinStar1 star1 reverb 25
part star2a synth 0.12 pluck A5 fade q 0 0.12 0.03
part star2b synth 0.45 pluck D6 fade q 0 0.45 0.4
chain WinStar2 star2a star2b
finish WinStar2 WinStar2 reverb 25
part sparkle1 synth 0.08 pluck C6 fade q 0 0.08 0.02
part sparkle2 synth 0.08 pluck E6 fade q 0 0.08 0.02
part sparkle3 synth 0.08 pluck G6 fade q 0 0.08 0.02
part sparkle4 synth 0.6 pluck C7 fade q 0 0.6 0.55
chain sparkles sparkle1 sparkle2 sparkle3 sparkle4
part shimmer synth 0.84 sine 2093 tremolo 14 70 fade q 0.1 0.84 0.5 vol 0.15
mix WinScreenStar sparkles shimmer
finish WinScreenStar WinScreenStar reverb 35

# ---- Music ----
/usr/bin/python3 tools/make_music.py "$OUT" tools/music

# ---- The sound list: five lines per sound (tag, path, key, type, volume) ----
# Type 0 is music (looping, in the music group), 1 an effect. The tag's last
# character counts up from '0' through the characters after it.
MUSIC=(MainMenu_Background_Music Game_Background_Music MenuBG WinScreenBG WinScreenBGM LoseScreenBG
  LoseScreenBGM EndSceneBGM)
EFFECTS=(ButtonClick ButtonClickLeaf ButtonHoverLeaf Button_Sound AppleBounce AppleFly AppleHit AppleLand
  Checkpoint SwitchPress RoachWalk AirCon CounterBell IntroTruck EndSceneTruckMove EndSceneTruckStay
  WinStar0 WinStar1 WinStar2 WinScreenStar IcicleLand KetchupBobble LogoSound MiceSound ButtonHover)
# Quieter ceilings for the sounds that repeat or run in the background.
declare -A VOLUME=([RoachWalk]=0.6 [MiceSound]=0.7 [AirCon]=0.5 [EndSceneTruckStay]=0.8 [ButtonHover]=0.8)
{
  i=0
  for key in "${MUSIC[@]}"; do
    printf 'Sound\x'"$(printf %x $((48 + i)))"'\n%s\n%s\n0\n1\n' "$OUT/$key.ogg" "$key"
    i=$((i + 1))
  done
  for key in "${EFFECTS[@]}"; do
    printf 'Sound\x'"$(printf %x $((48 + i)))"'\n%s\n%s\n1\n%s\n' "$OUT/$key.ogg" "$key" "${VOLUME[$key]:-1}"
    i=$((i + 1))
  done
} > "$OUT/Audio.dat"
