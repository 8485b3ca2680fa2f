#!/usr/bin/env python3
"""Keeps, of a formatter's diff (standard input, as git diff prints it), the
hunks that touch lines changed since BASE. clang-format reflows a whole
statement around a changed line, and a table of cases is one statement: an
author answers for the lines they changed, not for the whole table. Prints
the hunks kept and exits 1 when there are any."""
import re
import subprocess
import sys

base = sys.argv[1]
intestazione = re.compile(r"^@@ -(\d+)(?:,\d+)? \+(\d+)(?:,(\d+))? @@")


def righe_cambiate(file):
    """The line numbers of the working file that differ from BASE."""
    uscita = subprocess.run(["git", "diff", "-U0", base, "--", file], check=True, capture_output=True,
                            text=True, errors="replace").stdout
    righe = set()
    for riga in uscita.splitlines():
        m = intestazione.match(riga)
        if m:
            inizio, quante = int(m.group(2)), int(m.group(3) or 1)
            # A deletion touches the lines on either side of it.
            righe.update(range(inizio, inizio + quante) if quante else (inizio, inizio + 1))
    return righe


def toccate(pezzo, inizio):
    """The working file's lines that a hunk of the formatter's diff changes."""
    righe, numero = set(), inizio
    for riga in pezzo:
        if riga.startswith("-"):
            righe.add(numero)
        elif riga.startswith("+"):
            righe.update((numero - 1, numero))
        if not riga.startswith("+"):
            numero += 1
    return righe


tenuti, file, cambiate, pezzo, inizio = [], None, set(), None, 0


def chiudi():
    if pezzo and toccate(pezzo[1:], inizio) & cambiate:
        tenuti.append(pezzo)


for riga in sys.stdin.read().splitlines():
    if riga.startswith("--- "):
        chiudi()
        pezzo = None
        file = riga[4:].removeprefix("a/")
        cambiate = righe_cambiate(file)
    elif riga.startswith("+++ ") or riga.startswith("diff ") or riga.startswith("index "):
        continue
    elif m := intestazione.match(riga):
        chiudi()
        pezzo, inizio = [f"{file}:", riga], int(m.group(1))
    elif pezzo is not None and riga[:1] in (" ", "+", "-"):
        pezzo.append(riga)
chiudi()

for pezzo in tenuti:
    print("\n".join(pezzo))
sys.exit(1 if tenuti else 0)
