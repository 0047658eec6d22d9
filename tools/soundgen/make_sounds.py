#!/usr/bin/python3
"""Synthesises the client's sounds: the background music, the countdown warning, the effects of
play and the voiced quick phrases, as 16-bit mono wave files under one folder, laid out as the
client looks for them beside itself (`../common/`).

    make_sounds.py OUT --phrases chat.ini [--speaker espeak-ng]   write every file under OUT
    make_sounds.py --list --phrases chat.ini [--speaker espeak-ng] the files' paths under OUT

Everything but the voices is made from sine waves and seeded noise, so every run writes the same
bytes. The voiced phrases are the [Phrase2] lines of the quick phrase file, spoken in Mandarin by
the speech synthesiser when one is given; without it they are left out and the client stays silent
for them.
"""

import argparse
import array
import concurrent.futures
import configparser
import math
import os
import subprocess
import sys
import tempfile
import wave

RATE = 22050
PEAK = 32767

# The voices the client gives the players at a table: set 27, four voices of each sex; a
# player's sex (0 a woman, 1 a man) and the voice kind it implies are part of the file name.
VOICE_SET = "27"
VOICE_IDS = ("10", "20", "30", "40")
SEXES = {0: ("2", ("f1", "f2", "f3", "f4")), 1: ("3", ("m1", "m2", "m3", "m4"))}
VOICE_LETTER = "a"


def note(name):
    """The frequency of a note such as 'A4' or 'C#5'."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = steps[name[0]] + name.count("#") - name.count("b")
    return 440.0 * 2 ** ((semitone + 12 * (int(name[-1]) - 4)) / 12)


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix(track, sound, at, gain=1.0, wrap=False):
    """Adds `sound` into `track` from `at` seconds; past the end it is cut, or wrapped to the
    start when the track is a loop."""
    start = int(at * RATE)
    length = len(track)
    for i, value in enumerate(sound):
        j = start + i
        if wrap:
            j %= length
        elif j >= length:
            break
        if j >= 0:
            track[j] += gain * value


def tone(freq, seconds, decay, partials=((1, 1.0),), attack=0.004):
    """A struck tone: partials of `freq` (multiple, level) dying away `decay` times a second."""
    n = int(seconds * RATE)
    attack_n = max(1, int(attack * RATE))
    steps = [2 * math.pi * freq * k / RATE for k, _ in partials]
    levels = [level for _, level in partials]
    out = []
    for i in range(n):
        envelope = min(1.0, i / attack_n) * math.exp(-decay * i / RATE)
        out.append(envelope * sum(level * math.sin(step * i) for step, level in zip(steps, levels)))
    fade = min(n, int(0.01 * RATE))
    for i in range(fade):
        out[n - 1 - i] *= i / fade
    return out


def pad(freqs, seconds, swell):
    """A held chord that swells in and out over `swell` seconds at each end."""
    n = int(seconds * RATE)
    swell_n = int(swell * RATE)
    steps = [2 * math.pi * f / RATE for f in freqs]
    out = []
    for i in range(n):
        envelope = min(1.0, i / swell_n, (n - i) / swell_n)
        out.append(envelope * sum(math.sin(s * i) + 0.2 * math.sin(2 * s * i) for s in steps))
    return out


class Noise:
    """Seeded white noise, the same on every run."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x3FFFFFFF - 1.0


def burst(noise, seconds, decay, smooth):
    """A noise burst through a one-pole low-pass (`smooth` 0 to 1, higher is darker)."""
    out = []
    low = 0.0
    for i in range(int(seconds * RATE)):
        low = smooth * low + (1 - smooth) * noise.next()
        out.append(low * math.exp(-decay * i / RATE))
    return out


MARIMBA = ((1, 1.0), (4, 0.25))
BELL = ((1, 1.0), (2.76, 0.3), (5.4, 0.12))
SOFT = ((1, 1.0), (2, 0.15))


def raise_card():
    return tone(1760, 0.06, 70, MARIMBA)


def lower_card():
    return tone(1175, 0.06, 70, MARIMBA)


def card_played():
    out = burst(Noise(70), 0.16, 30, 0.55)
    mix(out, tone(150, 0.12, 35, SOFT), 0, 0.8)
    return out


def passed():
    out = silence(0.32)
    mix(out, tone(note("E5"), 0.16, 22, MARIMBA), 0, 0.6)
    mix(out, tone(note("B4"), 0.2, 18, MARIMBA), 0.11, 0.6)
    return out


def won():
    out = silence(1.1)
    for k, name in enumerate(("C5", "E5", "G5", "C6")):
        mix(out, tone(note(name), 0.7, 5, BELL), 0.11 * k, 0.5)
    return out


def lost():
    out = silence(1.2)
    for k, name in enumerate(("G4", "Eb4", "C4")):
        mix(out, tone(note(name), 0.7, 4, SOFT), 0.22 * k, 0.5)
    return out


def dealt():
    noise = Noise(10)
    out = silence(0.75)
    for k in range(12):
        mix(out, burst(noise, 0.05, 90, 0.3), 0.055 * k, 0.5 + 0.04 * (k % 3))
    return out


def hint():
    out = silence(0.45)
    mix(out, tone(note("A5"), 0.3, 12, BELL), 0, 0.45)
    mix(out, tone(note("E6"), 0.34, 12, BELL), 0.1, 0.45)
    return out


def warning():
    out = silence(0.42)
    for at in (0, 0.2):
        mix(out, tone(880, 0.14, 14, ((1, 1.0), (3, 0.2)), attack=0.008), at, 0.6)
    return out


def music():
    """A calm loop of four bars, one chord each, with a pentatonic tune over it; it runs into its
    own start."""
    bar = 4.0
    chords = (("C3", "G3", "E4"), ("A2", "E3", "C4"), ("F2", "C3", "A3"), ("G2", "D3", "B3"))
    tune = (("E5", "G5", "A5", "G5"), ("E5", "D5", "C5", "D5"),
            ("C5", "D5", "E5", "G5"), ("D5", "E5", "D5", "B4"))
    out = silence(bar * len(chords))
    for k, chord in enumerate(chords):
        mix(out, pad([note(n) for n in chord], bar + 0.6, 0.6), bar * k - 0.3, 0.09, wrap=True)
        for beat, name in enumerate(tune[k]):
            mix(out, tone(note(name), 1.4, 3, MARIMBA), bar * k + beat, 0.22, wrap=True)
    return out


EFFECTS = {
    "music/majiang.wav": music,
    "music/tishi.wav": warning,
    "pk/sys020.wav": raise_card,
    "pk/sys030.wav": lower_card,
    "pk/sys070.wav": card_played,
    "pk/sys080.wav": passed,
    "pk/sys121.wav": won,
    "pk/sys150.wav": lost,
    "voices/sys010.wav": dealt,
    "Fennic/sys110.wav": hint,
}


def write_wave(path, samples):
    top = max(1e-9, max(abs(s) for s in samples))
    scale = 0.7 * PEAK / top if top > 1.0 else 0.7 * PEAK
    data = array.array("h", (int(round(s * scale)) for s in samples))
    if sys.byteorder != "little":
        data.byteswap()
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(data.tobytes())


def voiced_phrases(path):
    ini = configparser.ConfigParser(interpolation=None)
    with open(path, encoding="utf-8") as f:
        ini.read_file(f)
    count = int(ini["Phrase2"]["num"])
    return [ini["Phrase2"][str(k)] for k in range(1, count + 1)]


def voices(phrases):
    """(path, variant, text) of each voiced phrase in each voice."""
    for sex, (kind, variants) in SEXES.items():
        for voice_id, variant in zip(VOICE_IDS, variants):
            for number, text in enumerate(phrases, start=1):
                name = f"v{VOICE_SET}{voice_id}{sex}{kind}{VOICE_LETTER}{number}.wav"
                yield f"Gorsel/{name}", variant, text


def speak(speaker, variant, text, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt") as words:
        words.write(text)
        words.flush()
        subprocess.run([speaker, "-v", f"cmn+{variant}", "-s", "170", "-a", "80", "-f", words.name, "-w", path],
                       check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out", nargs="?")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--phrases", required=True)
    parser.add_argument("--speaker")
    args = parser.parse_args()
    spoken = list(voices(voiced_phrases(args.phrases))) if args.speaker else []
    if args.list:
        print("\n".join(list(EFFECTS) + [path for path, _, _ in spoken]))
        return 0
    if not args.out:
        parser.error("the output folder is missing")
    for name, make in EFFECTS.items():
        write_wave(os.path.join(args.out, name), make())
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        jobs = [pool.submit(speak, args.speaker, variant, text, os.path.join(args.out, name))
                for name, variant, text in spoken]
        for job in jobs:
            job.result()
    return 0


if __name__ == "__main__":
    sys.exit(main())
