#!/usr/bin/env python3
"""Packs the movable source files of the system ROM into the gaps between
its fixed entry points.

The documented entry points of system_rom.asm sit at fixed addresses (AT);
the second ROM (monitor_rom.asm) is assembled with it, as in roms.asm;
the files INCLUDEd between them may lie anywhere. When a file grows past its
gap, run this from resources/rom:

    python3 pack_layout.py            # show the gaps and what would move
    python3 pack_layout.py --write    # rewrite system_rom.asm

It assembles the layout with pasmo once with an AT that never fails, reads
each file's size and each gap's room from the symbols, then places the files
largest first, each into the gap with the least room that still holds it
(files already in a gap that holds them stay there unless --repack). It
refuses files whose last instruction may go on into the next file. When
that leaves a file out, a complete search fills the gaps one by one. The
variant with the longest banner (SERIES=1) is measured. A file that jumps
with JR into another file may need a JP after a move: the assembler says so.
"""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
LAYOUT = HERE / "system_rom.asm"
# Files that hold fixed entry points or must follow the restart vectors.
FIXED = {"system/vectors.asm", "system/fixed_entries.asm", "system/keyboard.asm",
         "system/type_and_syntax.asm", "system/line_input.asm",
         "system/decimal_input.asm", "basic/double_div.asm", "basic/num_text.asm",
         "basic/number_entry.asm", "system/command_level.asm", "basic/single_add.asm",
         "basic/double_convert.asm", "basic/int_div.asm", "system/tape_motor_off.asm",
         "system/tape_motor_on.asm", "system/clear_screen.asm",
         "basic/single_mul.asm", "basic/single_div.asm", "system/new_command.asm",
         "basic/double_add.asm",
         "system/tape_read_byte.asm", "system/tape_write_byte.asm",
         "basic/int_add.asm", "basic/integer.asm"}
END_ADDRESS = 0x3000


def parse(lines):
    """Splits the layout into a head and segments; a segment starts at an AT
    line (with the comments right above it) and holds fixed lines and
    movable includes."""
    head, segments = [], []
    current = None
    pending = []
    for line in lines:
        text = line.strip()
        m = re.match(r'INCLUDE "([^"]+\.asm)"', text)
        if current is None and not text.startswith("ORG"):
            head.append(line)
            continue
        if text.startswith("ORG") and current is None:
            current = {"at": None, "fixed": [line], "moving": []}
            segments.append(current)
            continue
        if text.startswith(";") or text == "":
            pending.append(line)
            continue
        if text.startswith("AT "):
            current = {"at": text[3:].split(";")[0].strip(), "fixed": pending + [line], "moving": []}
            pending = []
            segments.append(current)
            continue
        if m and m.group(1) not in FIXED:
            current["fixed"].extend(pending)
            pending = []
            current["moving"].append(m.group(1))
            continue
        current["fixed"].extend(pending + [line])
        pending = []
    if pending:
        segments[-1]["fixed"].extend(pending)
    return head, segments


def lenient_source(head, segments):
    out = [l.replace('INCLUDE "fixed_address.inc"', 'INCLUDE "lenient_at.inc"') for l in head]
    marks = []
    for i, seg in enumerate(segments):
        for line in seg["fixed"]:
            if line.strip() == "END":
                continue
            out.append(line)
            if line.strip().startswith(("AT ", "ORG ")):
                out.append(f"PackStart{i}:")
        out.append(f"PackFixedEnd{i}:")
        for name in seg["moving"]:
            out.append(f"PackFile{len(marks)}:")
            out.append(f'  INCLUDE "{name}"')
            marks.append(name)
        out.append(f"PackFileEnd{i}:")
    out.append('  INCLUDE "monitor_rom.asm"')  # the second ROM, whose routines the first calls
    out.append("  END")
    return out, marks


def measure(head, segments):
    lenient = (HERE / "fixed_address.inc").read_text().replace(
        "  .ERROR Code has grown past a fixed entry address\n  ENDIF\n  DEFS addr - $, 0FFh",
        "  ELSE\n  DEFS addr - $, 0FFh\n  ENDIF").replace(
        "  .ERROR A routine that is fallen into is not at its fixed entry address\n", "")
    source, marks = lenient_source(head, segments)
    with tempfile.TemporaryDirectory() as tmp:
        inc = HERE / "lenient_at.inc"
        top = HERE / "pack_measure.asm"
        inc.write_text(lenient)
        top.write_text("\n".join(source) + "\n")
        try:
            subprocess.run(["pasmo", "--bin", "--equ", "SERIES=1", str(top), f"{tmp}/m.bin",
                            f"{tmp}/m.sym"], check=True, cwd=HERE)
            symbols = {}
            for line in Path(f"{tmp}/m.sym").read_text().splitlines():
                m = re.match(r"(\S+)\s+EQU\s+0?([0-9A-Fa-f]+)H", line)
                if m:
                    symbols[m.group(1)] = int(m.group(2), 16)
        finally:
            inc.unlink()
            top.unlink()
    sizes = {}
    for k, name in enumerate(marks):
        following = f"PackFile{k + 1}" if f"PackFile{k + 1}" in symbols else None
        seg_end = next(f"PackFileEnd{i}" for i, s in enumerate(segments) if name in s["moving"])
        nxt = symbols[following] if following and symbols[following] <= symbols[seg_end] else symbols[seg_end]
        sizes[name] = nxt - symbols[f"PackFile{k}"]
    rooms = []
    def address(at):
        return symbols[at] if at in symbols else int(at.rstrip("hH"), 16)

    for i, seg in enumerate(segments):
        fixed = symbols[f"PackFixedEnd{i}"] - symbols[f"PackStart{i}"]
        start = (address(seg["at"]) if seg["at"] else 0) + fixed
        if i + 1 < len(segments):
            limit = address(segments[i + 1]["at"])
        else:
            limit = END_ADDRESS
        rooms.append(limit - start)
    return sizes, rooms


def place(names, free, placed, sizes):
    """Puts each file into the gap with the least room that holds it. False
    when one finds no gap."""
    for name in names:
        fits = [i for i in range(len(free)) if free[i] >= sizes[name]]
        if not fits:
            return False
        best = min(fits, key=lambda i: free[i])
        free[best] -= sizes[name]
        placed[best].append(name)
    return True


def exact(sizes, rooms):
    """Bin completion: the gaps are filled one at a time, smallest first,
    each with a set of the files left whose room unused keeps within the
    spare room; a state that failed once is not tried again. Complete: None
    only when no packing exists."""
    order = sorted(range(len(rooms)), key=lambda i: rooms[i])
    failed = set()

    def fillings(left, room, least, start=0, chosen=(), total=0):
        if total >= least:
            yield chosen, total
        for j in range(start, len(left)):
            size = sizes[left[j]]
            # Of files of one size, take them in order: the same set once.
            if j > start and sizes[left[j - 1]] == size:
                continue
            if total + size <= room:
                yield from fillings(left, room, least, j + 1, chosen + (left[j],), total + size)

    def go(b, left, spare):
        if not left:
            return {}
        if b == len(order) or (b, left, spare) in failed:
            return None
        room = rooms[order[b]]
        options = sorted(fillings(left, room, room - spare), key=lambda o: -o[1])
        for chosen, total in options:
            rest = tuple(n for n in left if n not in chosen)
            result = go(b + 1, rest, spare - (room - total))
            if result is not None:
                result[order[b]] = list(chosen)
                return result
        failed.add((b, left, spare))
        return None

    names = tuple(sorted(sizes, key=lambda n: -sizes[n]))
    result = go(0, names, sum(rooms) - sum(sizes.values()))
    return None if result is None else [result.get(i, []) for i in range(len(rooms))]


def pack(segments, sizes, rooms, repack):
    free = list(rooms)
    placed = [[] for _ in segments]
    # Keep what fits where it is; from a gap that overflows, the smallest
    # files leave first (they find a new place most easily).
    waiting = []
    for i, seg in enumerate(segments):
        names = list(seg["moving"])
        if repack:
            waiting += names
            continue
        while names and sum(sizes[n] for n in names) > free[i]:
            smallest = min(names, key=lambda n: sizes[n])
            names.remove(smallest)
            waiting.append(smallest)
        placed[i] = names
        free[i] -= sum(sizes[n] for n in names)
    if place(sorted(waiting, key=lambda n: -sizes[n]), free, placed, sizes):
        for i, names in enumerate(placed):
            for name in names:
                if name not in segments[i]["moving"]:
                    print(f"move {name} ({sizes[name]} bytes) to the gap after {segments[i]['at'] or 'ORG'}")
        return placed, free
    # Largest first did not do: search the placements of the smaller files
    # with the larger ones kept where they are (the search of every
    # placement grows too fast with many large files), then of all.
    result = None
    for limit in (150, 300, None):
        pinned = {n: i for i, seg in enumerate(segments) for n in seg["moving"]
                  if limit is not None and sizes[n] > limit}
        free = list(rooms)
        for n, i in pinned.items():
            free[i] -= sizes[n]
        if min(free) < 0:
            continue
        loose = {n: sizes[n] for n in sizes if n not in pinned}
        result = exact(loose, free)
        if result:
            for n, i in pinned.items():
                result[i].append(n)
            break
    if result:
        for i, names in enumerate(result):
            for name in names:
                if name not in segments[i]["moving"]:
                    print(f"move {name} ({sizes[name]} bytes) to the gap after {segments[i]['at'] or 'ORG'}")
        return result, [rooms[i] - sum(sizes[n] for n in result[i]) for i in range(len(rooms))]
    sys.exit(f"no packing found; {sum(rooms) - sum(sizes.values())} bytes of room to spare in all")




def falls_out(name):
    """True when a file's last instruction may go on into whatever follows
    it (a conditional RET or jump, or plain code): such a file must not be
    moved away from its neighbour. Data and unconditional jumps end a file
    safely."""
    last = ""
    for line in (HERE / name).read_text().splitlines():
        code = line.split(";")[0].strip()
        if code and not re.fullmatch(r"[A-Za-z_][A-Za-z0-9_]*:", code) and code not in ("ENDIF", "ELSE"):
            last = code
    if re.match(r"(DEFB|DEFW|DEFS|DEFM)\b", last, re.I):
        return False
    return not re.fullmatch(r"(RET|JP\s+\(HL\)|(JP|JR)\s+[A-Za-z_][A-Za-z0-9_]*)", last, re.I)


def main():
    lines = LAYOUT.read_text().splitlines()
    head, segments = parse(lines)
    loose = [n for seg in segments for n in seg["moving"] if falls_out(n)]
    if loose:
        sys.exit("these files end where the next one would go on: " + ", ".join(loose))
    sizes, rooms = measure(head, segments)
    placed, free = pack(segments, sizes, rooms, "--repack" in sys.argv)
    for seg, room, left in zip(segments, rooms, free):
        print(f"{seg['at'] or 'ORG 0000h':>12}: room {room:5d}, free {left:5d}")
    print(f"total free {sum(free)}")
    if "--write" in sys.argv:
        out = list(head)
        for seg, names in zip(segments, placed):
            end = [l for l in seg["fixed"] if l.strip() == "END"]
            out += [l for l in seg["fixed"] if l.strip() != "END"]
            out += [f'  INCLUDE "{n}"' for n in names]
            out += end
        LAYOUT.write_text("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
