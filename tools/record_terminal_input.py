#!/usr/bin/env python3
"""Records what a terminal sends for keys and mouse clicks, in the modes Tessella puts
it in (keypad mode, mouse button reports in SGR form, Alt as ESC).

Run inside the terminal to record:  record_terminal_input.py OUT [SECONDS]
It writes OUT.size (rows cols xpixels ypixels, once it is ready) and then, in OUT, one
line per read: milliseconds since the start and the bytes in hex. It stops after
SECONDS (default 60) or at a read that is Ctrl-D alone.
"""
import os
import select
import struct
import subprocess
import sys
import termios
import time
import fcntl


def terminfo(name):
    try:
        return subprocess.run(["tput", name], capture_output=True, check=False).stdout
    except OSError:
        return b""


def main():
    out_path = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 60.0
    fd = sys.stdin.fileno()
    saved = termios.tcgetattr(fd)
    raw = termios.tcgetattr(fd)
    raw[0] &= ~(termios.BRKINT | termios.ICRNL | termios.INLCR | termios.IGNCR |
                termios.INPCK | termios.ISTRIP | termios.IXON)
    raw[3] &= ~(termios.ECHO | termios.ICANON | termios.IEXTEN | termios.ISIG)
    raw[6][termios.VMIN] = 1
    raw[6][termios.VTIME] = 0
    enter = (b"\x1b[?1049h" + (terminfo("smkx") or b"\x1b[?1h\x1b=") + b"\x1b[?7l" +
             b"\x1b[?1000h\x1b[?1006h" + b"\x1b[?1036;1039s\x1b[?1036;1039h")
    leave = (b"\x1b[?1000l\x1b[?1006l\x1b[?1036;1039r" + (terminfo("rmkx") or b"") +
             b"\x1b[?1049l")
    termios.tcsetattr(fd, termios.TCSAFLUSH, raw)
    os.write(sys.stdout.fileno(), enter + b"recording\r\n")
    rows, cols, xpixels, ypixels = struct.unpack(
        "HHHH", fcntl.ioctl(fd, termios.TIOCGWINSZ, b"\0" * 8))
    with open(out_path + ".size", "w") as f:
        f.write(f"{rows} {cols} {xpixels} {ypixels}\n")
    start = time.monotonic()
    try:
        with open(out_path, "w") as log:
            while time.monotonic() - start < seconds:
                ready, _, _ = select.select([fd], [], [], 0.5)
                if not ready:
                    continue
                data = os.read(fd, 4096)
                if not data or data == b"\x04":
                    break
                ms = int((time.monotonic() - start) * 1000)
                log.write(f"{ms} {data.hex()}\n")
                log.flush()
    finally:
        os.write(sys.stdout.fileno(), leave)
        termios.tcsetattr(fd, termios.TCSAFLUSH, saved)


if __name__ == "__main__":
    main()
