#!/usr/bin/python3
"""Composes the game's music as MIDI and renders each piece to a looping OGG.

Every piece is written note by note below (melody, chords, bass, drums over
a chord progression), saved as a standard MIDI file, rendered by FluidSynth
with Debian's FluidR3 General MIDI sound font (fluid-soundfont-gm, MIT
licence), and encoded to OGG Vorbis by sox. The reverb tail that rings past
the loop's end is folded back onto its start, so the loop is seamless.

Usage: /usr/bin/python3 tools/make_music.py [audio folder] [midi folder]
       (defaults: Resources/Audio and tools/music, which keeps the .mid sources)
"""
# Contents:
#   pitch, vlq and Song: notes written as a MIDI file
#   CHORDS and accompany
#   the pieces: main_menu, game, menu_bg, win, lose, end_scene; PIECES
#   run, render and main
import os
import struct
import subprocess
import sys
import tempfile

SOUND_FONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
RATE = 22050
TICKS = 480  # per beat

NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def pitch(name):
    """'C4' -> 60, 'F#3' -> 54, 'Bb2' -> 46."""
    n = NOTE[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        n, rest = n + 1, rest[1:]
    elif rest.startswith("b"):
        n, rest = n - 1, rest[1:]
    return 12 * (int(rest) + 1) + n


def vlq(v):
    out = [v & 0x7F]
    v >>= 7
    while v:
        out.insert(0, (v & 0x7F) | 0x80)
        v >>= 7
    return bytes(out)


class Song:
    def __init__(self, bpm, beats_per_bar=4):
        self.bpm = bpm
        self.bar = beats_per_bar
        self.events = []  # (tick, order, bytes)
        self.programs = {}

    def program(self, channel, number):
        self.programs[channel] = number

    def note(self, channel, start, length, note, velocity=90):
        if isinstance(note, str):
            note = pitch(note)
        on = int(round(start * TICKS))
        off = int(round((start + length) * TICKS)) - 1
        self.events.append((on, 1, bytes([0x90 | channel, note, velocity])))
        self.events.append((off, 0, bytes([0x80 | channel, note, 0])))

    def melody(self, channel, start, notes, velocity=96):
        """notes: 'E5:1 G5:0.5 -:0.5 ...' ('-' is a rest)."""
        t = start
        for token in notes.split():
            name, length = token.split(":")
            length = float(length)
            if name != "-":
                self.note(channel, t, length * 0.92, name, velocity)
            t += length
        return t

    def chord(self, channel, start, length, names, velocity=70):
        for n in names.split():
            self.note(channel, start, length, n, velocity)

    def drum(self, start, note, velocity=80):
        self.note(9, start, 0.1, note, velocity)

    def write(self, path, length_beats):
        header = struct.pack(">4sIHHH", b"MThd", 6, 0, 1, TICKS)
        track = bytearray()
        tempo = int(60000000 / self.bpm)
        track += vlq(0) + bytes([0xFF, 0x51, 0x03]) + tempo.to_bytes(3, "big")
        for channel, number in sorted(self.programs.items()):
            track += vlq(0) + bytes([0xC0 | channel, number])
            track += vlq(0) + bytes([0xB0 | channel, 7, 100])
        now = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1], e[2])):
            track += vlq(tick - now) + data
            now = tick
        end = int(length_beats * TICKS)
        track += vlq(max(0, end - now)) + bytes([0xFF, 0x2F, 0x00])
        with open(path, "wb") as out:
            out.write(header + struct.pack(">4sI", b"MTrk", len(track)) + bytes(track))


# Chord tables: name -> (bass note, chord tones for the middle register).
CHORDS = {
    "C": ("C2", "C4 E4 G4"), "Am": ("A1", "A3 C4 E4"), "F": ("F2", "F3 A3 C4"), "G": ("G2", "G3 B3 D4"),
    "Dm": ("D2", "D4 F4 A4"), "Em": ("E2", "E4 G4 B4"), "Bb": ("Bb1", "Bb3 D4 F4"), "E": ("E2", "E4 G#4 B4"),
    "D": ("D2", "D4 F#4 A4"), "Gm": ("G2", "G3 Bb3 D4"), "Cm": ("C2", "C4 Eb4 G4"), "Ab": ("Ab1", "Ab3 C4 Eb4"),
    "Eb": ("Eb2", "Eb4 G4 Bb4"), "Fm": ("F2", "F3 Ab3 C4"),
}


def accompany(song, progression, bass_ch, chord_ch, style="bounce", drums=True, velocity=64):
    """One chord a bar: bass pattern, chord pattern and a simple beat."""
    b = song.bar
    for k, name in enumerate(progression):
        t = k * b
        bass, tones = CHORDS[name]
        fifth = pitch(bass) + 7
        if style == "bounce":
            for beat in range(b):
                song.note(bass_ch, t + beat, 0.45, bass if beat % 2 == 0 else fifth, 92)
                song.chord(chord_ch, t + beat + 0.5, 0.35, tones, velocity)
        elif style == "waltz":
            song.note(bass_ch, t, 0.9, bass, 88)
            for beat in range(1, b):
                song.chord(chord_ch, t + beat, 0.8, tones, velocity)
        else:  # "pad": held chords, bass on one and three
            song.chord(chord_ch, t, b * 0.98, tones, velocity)
            song.note(bass_ch, t, 1.8, bass, 84)
            if b >= 4:
                song.note(bass_ch, t + 2, 1.8, fifth, 76)
        if drums:
            for beat in range(b):
                song.drum(t + beat, 36 if beat % 2 == 0 else 38, 88 if beat % 2 == 0 else 70)
                song.drum(t + beat + 0.5, 42, 52)
    return len(progression) * b


def main_menu():
    s = Song(112)
    s.program(0, 12)   # marimba
    s.program(1, 32)   # acoustic bass
    s.program(2, 0)    # piano
    prog = ["C", "Am", "F", "G"] * 4
    n = accompany(s, prog, 1, 2, "bounce", drums=False, velocity=52)
    phrase_a = "E5:1 G5:0.5 E5:0.5 C5:1 D5:1 E5:1.5 C5:0.5 A4:2 C5:1 A4:0.5 C5:0.5 F5:1 E5:1 D5:2 G4:2"
    phrase_b = "E5:0.5 F5:0.5 G5:1 A5:1 G5:1 E5:1 C5:1 A4:1 C5:1 F5:1 A5:1 G5:1 F5:1 E5:1.5 D5:0.5 C5:1 -:1"
    t = s.melody(0, 0, phrase_a)
    t = s.melody(0, t, phrase_b)
    t = s.melody(0, t, phrase_a)
    s.melody(0, t, phrase_b.replace("C5:1 -:1", "C5:2"))
    for k in range(16):
        s.drum(k * 4 + 3.5, 75, 60)  # claves on the off-beat
    return s, n


def game():
    s = Song(132)
    s.program(0, 13)   # xylophone
    s.program(1, 33)   # finger bass
    s.program(2, 4)    # electric piano
    s.program(3, 73)   # flute, answering the lead
    prog = ["F", "Dm", "Bb", "C"] * 2 + ["Dm", "Bb", "F", "C"] * 2
    n = accompany(s, prog, 1, 2, "bounce", drums=True, velocity=50)
    # One bar per group of four beats, over F Dm Bb C, then Dm Bb F C.
    a = ("F5:0.5 A5:0.5 C6:1 A5:0.5 F5:0.5 A5:1 D5:0.5 F5:0.5 A5:1 G5:0.5 F5:0.5 D5:1 "
         "D5:0.5 F5:0.5 Bb5:1 A5:0.5 G5:0.5 F5:1 E5:0.5 G5:0.5 C6:1 -:2")
    b = ("D5:1 F5:0.5 A5:0.5 D6:1 C6:1 Bb5:0.5 A5:0.5 G5:1 F5:1 D5:1 "
         "A5:0.5 C6:0.5 F6:1 E6:0.5 D6:0.5 C6:1 G5:1 E5:1 C5:2")
    t = s.melody(0, 0, a)
    t = s.melody(0, t, a)
    t = s.melody(0, t, b)
    s.melody(0, t, b)
    for bar in range(16):
        if bar % 2 == 1:
            s.melody(3, bar * 4 + 2, "C5:0.5 D5:0.5 F5:1", 70)
    return s, n


def menu_bg():
    s = Song(96, 3)
    s.program(0, 46)   # harp
    s.program(1, 32)
    s.program(2, 48)   # strings
    prog = ["C", "F", "G", "C", "Am", "F", "G", "C"]
    n = accompany(s, prog, 1, 2, "waltz", drums=False, velocity=44)
    s.melody(0, 0, "G4:1 C5:1 E5:1 F5:2 A4:1 G4:1 B4:1 D5:1 E5:3 "
                   "A4:1 C5:1 E5:1 F5:1 E5:1 C5:1 D5:1.5 B4:0.5 G4:1 C5:3")
    return s, n


def win_short():
    s = Song(120)
    s.program(0, 56)   # trumpet
    s.program(1, 32)
    s.program(2, 61)   # brass section
    prog = ["C", "F", "G", "C"]
    n = accompany(s, prog, 1, 2, "pad", drums=True, velocity=60)
    s.melody(0, 0, "G4:0.5 C5:0.5 E5:0.5 G5:1.5 E5:0.5 G5:0.5 A5:1 F5:1 A5:1 C6:1 "
                   "B5:0.5 A5:0.5 G5:1 D5:1 B4:1 C5:2 -:2")
    return s, n


def win_long():
    s = Song(140)
    s.program(0, 12)
    s.program(1, 33)
    s.program(2, 0)
    s.program(3, 56)
    prog = ["C", "G", "Am", "F", "C", "G", "F", "C"]
    n = accompany(s, prog, 1, 2, "bounce", drums=True, velocity=50)
    # Over C G Am F, then C G F C.
    t = s.melody(0, 0, "C5:0.5 E5:0.5 G5:1 E5:0.5 G5:0.5 C6:1 B5:1 D6:0.5 B5:0.5 G5:2 "
                       "A5:0.5 C6:0.5 E6:1 C6:1 A5:1 F5:0.5 A5:0.5 C6:1 A5:2")
    s.melody(0, t, "E5:0.5 G5:0.5 C6:1 G5:0.5 E5:0.5 G5:1 B5:0.5 G5:0.5 D6:1 B5:2 "
                   "C6:0.5 A5:0.5 F5:1 A5:1 G5:1 C6:2 -:2")
    s.melody(3, 28, "G4:0.5 C5:0.5 E5:1 G5:2", 80)
    return s, n


def lose_short():
    s = Song(70)
    s.program(0, 71)   # clarinet
    s.program(1, 32)
    s.program(2, 48)
    prog = ["Am", "Dm", "E", "Am"]
    n = accompany(s, prog, 1, 2, "pad", drums=False, velocity=46)
    s.melody(0, 0, "E5:1 D5:1 C5:1 B4:1 A4:1.5 F4:0.5 D4:2 E4:1 G#4:1 B4:2 A4:3 -:1", 84)
    return s, n


def lose_long():
    s = Song(80)
    s.program(0, 0)    # piano
    s.program(1, 42)   # cello
    s.program(2, 48)
    prog = ["Am", "F", "Dm", "E", "Am", "F", "E", "Am"]
    n = accompany(s, prog, 1, 2, "pad", drums=False, velocity=40)
    s.melody(0, 0, "A4:1 C5:1 E5:1 D5:1 C5:2 A4:2 F4:1 A4:1 D5:1 C5:1 B4:3 -:1 "
                   "A4:1 C5:1 E5:1 F5:1 E5:2 C5:2 B4:1 G#4:1 E4:1 B4:1 A4:3 -:1", 80)
    return s, n


def end_scene():
    s = Song(100)
    s.program(0, 73)   # flute
    s.program(1, 32)
    s.program(2, 24)   # nylon guitar
    s.program(3, 48)
    prog = ["G", "Em", "C", "D"] * 2 + ["C", "D", "G", "Em", "C", "D", "G", "G"]
    n = accompany(s, prog, 1, 2, "bounce", drums=False, velocity=46)
    for k, name in enumerate(prog):
        s.chord(3, k * 4, 3.9, CHORDS[name][1], 36)
    a = "B4:1 D5:1 G5:1.5 F#5:0.5 E5:1 G5:1 B4:2 C5:1 E5:1 G5:1 E5:1 F#5:2 D5:2"
    b = "E5:1 D5:1 C5:1 E5:1 D5:1.5 C5:0.5 B4:2 C5:1 D5:1 E5:1 G5:1 A5:2 F#5:2"
    c = "E5:1 G5:1 C6:1 B5:1 A5:1 F#5:1 D5:2 B4:1 D5:1 G5:1 B5:1 A5:2 E5:2 "
    d = "C5:1 E5:1 A5:1 G5:1 F#5:1 A5:1 D6:2 B5:1 A5:1 G5:1 D5:1 G5:4"
    t = s.melody(0, 0, a)
    t = s.melody(0, t, b)
    t = s.melody(0, t, c)
    s.melody(0, t, d)
    return s, n


PIECES = {
    "MainMenu_Background_Music": main_menu,
    "Game_Background_Music": game,
    "MenuBG": menu_bg,
    "WinScreenBG": win_short,
    "WinScreenBGM": win_long,
    "LoseScreenBG": lose_short,
    "LoseScreenBGM": lose_long,
    "EndSceneBGM": end_scene,
}


def run(args):
    subprocess.run(args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def render(song, beats, midi_path, ogg_path, work):
    song.write(midi_path, beats + 8)  # a few beats of silence let the tail ring out
    wav = os.path.join(work, "render.wav")
    run(["fluidsynth", "-ni", "-q", "-g", "0.55", "-r", str(RATE), "-O", "s16", "-T", "wav",
         "-F", wav, SOUND_FONT, midi_path])
    loop = beats * 60.0 / song.bpm
    body = os.path.join(work, "body.wav")
    tail = os.path.join(work, "tail.wav")
    mixed = os.path.join(work, "mixed.wav")
    run(["sox", "-R", wav, body, "trim", "0", "%.6f" % loop])
    run(["sox", "-R", wav, tail, "trim", "%.6f" % loop, "2.5", "fade", "t", "0", "2.5", "2.4"])
    # Fold the tail onto the start so the last notes ring into the next pass.
    run(["sox", "-R", "-m", body, tail, mixed, "trim", "0", "%.6f" % loop, "gain", "-n", "-3"])
    run(["sox", "-R", mixed, "-C", "2", ogg_path])


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join("Resources", "Audio")
    midi = sys.argv[2] if len(sys.argv) > 2 else os.path.join("tools", "music")
    os.makedirs(out, exist_ok=True)
    os.makedirs(midi, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        for key, compose in PIECES.items():
            song, beats = compose()
            render(song, beats, os.path.join(midi, key + ".mid"), os.path.join(out, key + ".ogg"), work)


if __name__ == "__main__":
    main()
