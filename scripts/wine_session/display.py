"""Virtual X displays and what they show."""

import os
import select
import subprocess
import time
from pathlib import Path

from .waits import TIMEOUT_SECONDS, wait_until

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768


def start_xvfb(white_root=False, timeout=TIMEOUT_SECONDS):
    """Starts Xvfb on a display that no other server uses; returns (process, ":N")."""
    read_end, write_end = os.pipe()
    # -noreset: by default the server starts afresh whenever its last client leaves, which
    # puts the pointer back at the screen's centre after every xdotool call made before
    # Wine connects.
    command = ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
               f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp", "-noreset"]
    if white_root:
        command.append("-wr")
    process = subprocess.Popen(command, pass_fds=(write_end,), stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        # Xvfb picks the display number itself and writes it once it accepts connections.
        number = b""
        deadline = time.monotonic() + timeout
        while not number.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            if remaining <= 0 or not select.select([read_end], [], [], remaining)[0]:
                raise TimeoutError("Xvfb did not report its display number")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise RuntimeError(f"Xvfb ended with status {process.wait()}")
            number += chunk
        display = ":" + number.decode().strip()
        wait_until(lambda: subprocess.run(["xdpyinfo", "-display", display],
                                          stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL).returncode == 0,
                   f"Xvfb to answer on {display}", timeout)
        return process, display
    except BaseException:
        process.kill()
        process.wait()
        raise
    finally:
        os.close(read_end)


def stop_xvfb(process):
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def screenshot(display):
    """The whole screen as a binary PPM of 8 bits a sample."""
    return subprocess.run(
        ["import", "-display", display, "-window", "root", "-depth", "8", "ppm:-"],
        stdin=subprocess.DEVNULL, capture_output=True, check=True, timeout=60).stdout


def settled_screenshot(display, timeout=TIMEOUT_SECONDS):
    """A screenshot once two in a row are the same, so that painting has ended."""
    previous = [screenshot(display)]

    def unchanged():
        current = screenshot(display)
        same = current == previous[0]
        previous[0] = current
        return current if same else None

    return wait_until(unchanged, "the screen to stop changing", timeout)


def save_png(ppm, path):
    """Keeps the PPM picture as the PNG file `path`, or, when it cannot be converted, as
    the PPM file beside it; returns the file's path."""
    path = Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    kept = path.with_suffix(".ppm")
    kept.write_bytes(ppm)
    converted = subprocess.run(["convert", str(kept), str(path)], stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if converted.returncode == 0:
        kept.unlink()
        return path
    return kept
