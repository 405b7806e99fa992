#!/usr/bin/env python3
"""Turns a recording of record_terminal_input.py into a table of
tests/data/terminal-input/: one line per event sent, the replay line it stands for
(a click is a press and a release) and the reads it arrived in, each as
milliseconds:bytes with C escapes.

  terminal_input_table.py RECORDING EVENTS [LEFT_OUT...] > TABLE

EVENTS holds the replay lines of the events in the order they were sent; LEFT_OUT
names events the terminal kept for itself and never sent. Reads less than 150 ms
apart belong to one event (events were sent 300 ms apart).
"""
import sys

RELEASE = {"click": "left", "rclick": "right", "mclick": "middle"}


def escape(data):
    out = ""
    for b in data:
        if 0x21 <= b < 0x7F and b != 0x5C:
            out += chr(b)
        else:
            out += "\\x%02x" % b
    return out


def expected(line):
    words = line.split()
    if words[0] in RELEASE:
        return f"{line} + release {words[1]} {words[2]} {RELEASE[words[0]]}"
    return line


def main():
    recording, events_file, *left_out = sys.argv[1:]
    reads = []
    for line in open(recording):
        ms, hexbytes = line.split()
        reads.append((int(ms), bytes.fromhex(hexbytes)))
    groups = []
    for ms, data in reads:
        if groups and ms - groups[-1][-1][0] < 150:
            groups[-1].append((ms, data))
        else:
            groups.append([(ms, data)])
    events = [e.strip() for e in open(events_file) if e.strip() and e.strip() not in left_out]
    if len(events) != len(groups):
        sys.exit(f"{len(events)} events but {len(groups)} groups of reads")
    for event, group in zip(events, groups):
        print(expected(event) + "\t" + " ".join(f"{ms}:{escape(data)}" for ms, data in group))


if __name__ == "__main__":
    main()
