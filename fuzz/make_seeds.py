#!/usr/bin/env python3
"""Writes one seed file per golden transcript case: its typed lines, one per line.

usage: make_seeds.py TRANSCRIPT_DIR OUTPUT_DIR
"""
import pathlib
import sys


def cases(path):
    lines, typing = [], False
    for line in path.read_text(encoding="utf-8", errors="surrogateescape").splitlines():
        if line.startswith("=== "):
            lines, typing = [], True
        elif line == "--- console":
            typing = False
            yield lines
        elif typing:
            lines.append("" if line == "<empty>" else line)


def main():
    source, target = map(pathlib.Path, sys.argv[1:3])
    target.mkdir(parents=True, exist_ok=True)
    count = 0
    for transcript in sorted(source.glob("*.txt")):
        for number, lines in enumerate(cases(transcript)):
            seed = target / f"{transcript.stem}-{number:03d}"
            seed.write_bytes("\n".join(lines).encode("utf-8", errors="surrogateescape"))
            count += 1
    print(f"{count} seeds in {target}")


if __name__ == "__main__":
    main()
