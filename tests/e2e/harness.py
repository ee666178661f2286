"""Runs talqo.exe under Wine on a virtual X display for the end-to-end tests.

A test module calls start_session() in setUpModule and stop_session() in
tearDownModule: the module's tests share one Xvfb display and one wineserver,
in a private copy of the Wine prefix that scripts/wine-env.sh builds once and
reuses (its rules are repeated here: change both together). CTest gives the
paths of the programs under test in TALQO_EXE, TALQO_MD5SUM_EXE and TALQO_TOOLS_DIR.

Nothing here sleeps for a fixed time: every wait polls with a timeout.
"""

import contextlib
import fcntl
import json
import os
import select
import shutil
import struct
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

POLL_SECONDS = 0.05
TIMEOUT_SECONDS = 20.0
SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
MAIN_TITLE = "T.A.L.Q.O."
SOURCE_DIR = Path(__file__).resolve().parents[2]
RESOURCES_DIR = SOURCE_DIR / "resources"


def wait_until(condition, what, timeout=TIMEOUT_SECONDS):
    """Polls condition() until it gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(POLL_SECONDS)


# ---------------------------------------------------------------- Wine

def template_prefix():
    """The Wine prefix that scripts/wine-env.sh uses, built once and reused."""
    configured = os.environ.get("TALQO_WINEPREFIX")
    if configured:
        return Path(configured)
    cache = os.environ.get("XDG_CACHE_HOME") or str(Path.home() / ".cache")
    return Path(cache) / "talqo" / "wineprefix"


def wine_environment(prefix, display=None):
    environment = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
    environment.update(
        WINEPREFIX=str(prefix),
        WINEARCH="win64",
        WINEDEBUG="-all",
        # Without these Wine offers to download Mono and Gecko on the prefix's first start.
        WINEDLLOVERRIDES="mscoree,mshtml=",
    )
    if display:
        environment["DISPLAY"] = display
    return environment


def ensure_template_prefix():
    """Builds the shared prefix unless an earlier run finished building it."""
    prefix = template_prefix()
    marker = prefix / ".talqo-prefix-ready"
    if marker.exists():
        return prefix
    prefix.parent.mkdir(parents=True, exist_ok=True)
    # The same lock as scripts/wine-env.sh, so that concurrent runs build it once.
    with open(f"{prefix}.lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if not marker.exists():
            shutil.rmtree(prefix, ignore_errors=True)
            environment = wine_environment(prefix)
            subprocess.run(["wine", "wineboot", "-i"], env=environment, check=True, timeout=300,
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=environment, check=True, timeout=300)
            marker.touch()
    return prefix


# Files that no run of Wine writes to: a private prefix shares them with the template.
_UNCHANGING_SUFFIXES = (".dll", ".exe", ".sys", ".drv", ".ocx", ".cpl", ".acm", ".tlb", ".nls")


def _link_or_copy(source, target):
    if source.lower().endswith(_UNCHANGING_SUFFIXES):
        with contextlib.suppress(OSError):
            os.link(source, target)
            return
    shutil.copy2(source, target)


def _leave_out_installed_tools(directory, names):
    # The demo installs md5sum.exe into the shared prefix; each test decides for itself.
    return {"md5sum.exe"} if directory.endswith("system32") else set()


def copy_prefix(template, target):
    """A prefix of one's own: a Wine prefix serves one wineserver, and a test must
    neither see the windows of other runs nor end their programs."""
    shutil.copytree(template, target, symlinks=True, copy_function=_link_or_copy,
                    ignore=_leave_out_installed_tools)


def start_wineserver(environment, timeout=TIMEOUT_SECONDS):
    """Starts the prefix's wineserver to last until stop_wineserver: Wine's own
    ends with the last program, so that every later start would start it again
    with all of Wine's own processes."""
    server = subprocess.Popen(["wineserver", "--foreground", "--persistent"], env=environment,
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)

    def serving():
        if server.poll() is not None:
            raise RuntimeError(f"wineserver ended with status {server.returncode}")
        # Signal 0 only asks whether the prefix's server answers.
        return subprocess.run(["wineserver", "-k0"], env=environment,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    try:
        wait_until(serving, "wineserver to serve the prefix", timeout)
        # The first program starts Wine's own processes, the desktop among them, on this
        # display now rather than in the middle of a test.
        # Without a window manager, Wine waits two seconds for one to acknowledge each
        # managed window that goes away, the window of an ending program among them.
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                        "/d", "N", "/f"], env=environment, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120, check=True)
    except BaseException:
        stop_wineserver(server, environment)
        raise
    return server


def stop_wineserver(server, environment):
    """Ends the server and every program still running in its prefix: all of them
    were started by this session, as the prefix is its own."""
    if server.poll() is None:
        subprocess.run(["wineserver", "--kill"], env=environment, timeout=60)
    server.wait(timeout=60)


# ---------------------------------------------------------------- X display

def start_xvfb(timeout=TIMEOUT_SECONDS):
    """Starts Xvfb on a display that no other server uses; returns (process, ":N")."""
    read_end, write_end = os.pipe()
    # -wr: a white root, which no part of the window's artwork shares with the
    # shape's outside, whose corners are black.
    process = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
         f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp", "-wr"],
        pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
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


# ---------------------------------------------------------------- pictures

class Picture:
    """RGB pixels, rows top to bottom."""

    def __init__(self, width, height, rgb):
        if len(rgb) != width * height * 3:
            raise ValueError("pixel data does not match the size")
        self.width = width
        self.height = height
        self.rgb = bytes(rgb)

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"({x}, {y}) lies outside {self.width} x {self.height}")
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])

    def ppm(self):
        return b"P6\n%d %d\n255\n" % (self.width, self.height) + self.rgb


def parse_ppm(data):
    """A binary PPM (P6) of 8 or 16 bits a sample."""
    fields = []
    at = 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    if fields[0] != b"P6":
        raise ValueError("not a binary PPM")
    width, height, maximum = (int(field) for field in fields[1:])
    samples = data[at + 1:]
    if maximum < 256:
        rgb = samples[:width * height * 3]
    else:
        wide = struct.unpack(f">{width * height * 3}H", samples[:width * height * 6])
        rgb = bytes(value * 255 // maximum for value in wide)
    return Picture(width, height, rgb)


def read_bmp(path):
    """An uncompressed 24- or 32-bit BMP file."""
    data = Path(path).read_bytes()
    if data[:2] != b"BM":
        raise ValueError(f"{path} is not a BMP file")
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits not in (24, 32) or compression != 0:
        raise ValueError(f"{path}: {bits}-bit BMP with compression {compression} is not read here")
    step = bits // 8
    row_size = (width * step + 3) & ~3
    rgb = bytearray()
    for row in range(abs(height)):
        stored = abs(height) - 1 - row if height > 0 else row
        line = data[offset + stored * row_size:offset + stored * row_size + width * step]
        for x in range(width):
            b, g, r = line[x * step:x * step + 3]
            rgb += bytes((r, g, b))
    return Picture(width, abs(height), rgb)


def read_icon(path):
    """The first image of a .ico file of 4 bits per pixel with its AND mask, as ARGB pixels
    (transparent ones 0) rows top to bottom: (width, height, pixels)."""
    data = Path(path).read_bytes()
    width, height = data[6] or 256, data[7] or 256
    offset, = struct.unpack_from("<I", data, 18)
    header_size, _, _, _, bits = struct.unpack_from("<IiiHH", data, offset)
    if bits != 4:
        raise ValueError(f"{path}: {bits} bits per pixel is not read here")
    palette_at = offset + header_size
    palette = [struct.unpack_from("<BBBx", data, palette_at + 4 * index) for index in range(16)]
    colour_row = (width * 4 + 31) // 32 * 4
    mask_row = (width + 31) // 32 * 4
    colours_at = palette_at + 16 * 4
    mask_at = colours_at + colour_row * height
    pixels = []
    for y in range(height):
        stored = height - 1 - y
        for x in range(width):
            if data[mask_at + stored * mask_row + x // 8] & (0x80 >> (x % 8)):
                pixels.append(0)
                continue
            byte = data[colours_at + stored * colour_row + x // 2]
            blue, green, red = palette[byte >> 4 if x % 2 == 0 else byte & 0x0F]
            pixels.append(0xFF000000 | red << 16 | green << 8 | blue)
    return width, height, pixels


def bmp_bytes(width, height, colour_at):
    """A 24-bit BMP file whose pixel (x, y) is colour_at(x, y)."""
    row_size = (width * 3 + 3) & ~3
    padding = b"\0" * (row_size - width * 3)
    pixels = bytearray()
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b = colour_at(x, y)
            pixels += bytes((b, g, r))
        pixels += padding
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def solid_bmp(width, height, colour):
    return bmp_bytes(width, height, lambda x, y: colour)


# ---------------------------------------------------------------- windows

class WindowInfo:
    """What probe.exe reports about a window; rectangles as (left, top, right, bottom)."""

    def __init__(self, report):
        self.window_rect = tuple(report["window_rect"])
        self.client_rect = tuple(report["client_rect"])
        self.client_origin = tuple(report["client_origin"])
        box = report["region_box"]
        self.region_box = tuple(box) if box is not None else None

    @property
    def client_size(self):
        return (self.client_rect[2] - self.client_rect[0], self.client_rect[3] - self.client_rect[1])

    def screen_point(self, client_x, client_y):
        return (self.client_origin[0] + client_x, self.client_origin[1] + client_y)

    def window_to_screen(self, window_x, window_y):
        return (self.window_rect[0] + window_x, self.window_rect[1] + window_y)

    def client_to_window(self, client_x, client_y):
        return (self.client_origin[0] - self.window_rect[0] + client_x,
                self.client_origin[1] - self.window_rect[1] + client_y)

    def inside_region(self, client_x, client_y, margin=0):
        """Whether the client pixel lies in the window's elliptic region, `margin`
        pixels away from its edge."""
        if self.region_box is None:
            raise AssertionError("the window has no region")
        x, y = self.client_to_window(client_x, client_y)
        left, top, right, bottom = self.region_box
        a = (right - left) / 2 - margin
        b = (bottom - top) / 2 - margin
        if a <= 0 or b <= 0:
            return False
        dx = x + 0.5 - (left + right) / 2
        dy = y + 0.5 - (top + bottom) / 2
        return (dx / a) ** 2 + (dy / b) ** 2 < 1


# ---------------------------------------------------------------- the session

class Session:
    """A virtual display and a Wine prefix of its own, for the tests of one module."""

    def __init__(self):
        self.talqo_exe = _required_path("TALQO_EXE", "talqo.exe, built by the windows preset")
        self.tools_dir = _required_path("TALQO_TOOLS_DIR", "the end-to-end test tools")
        self.artifacts_dir = Path(os.environ.get("TALQO_E2E_ARTIFACTS")
                                  or Path(tempfile.gettempdir()) / "talqo-e2e-artifacts")
        self.programs = []
        self._wineserver = None
        self._private_dir = Path(tempfile.mkdtemp(prefix="talqo-e2e-wine-"))
        self._xvfb = None
        try:
            prefix = self._private_dir / "prefix"
            copy_prefix(ensure_template_prefix(), prefix)
            self._xvfb, self.display = start_xvfb()
            self.environment = wine_environment(prefix, self.display)
            self._wineserver = start_wineserver(self.environment)
            self.park_pointer()
            self.blank_screen = self.screenshot()
        except BaseException:
            self.close()
            raise

    @property
    def md5sum_exe(self):
        """The project's checksum tool, built beside talqo.exe."""
        return _required_path("TALQO_MD5SUM_EXE", "md5sum.exe, built by the windows preset")

    @property
    def prefix(self):
        return Path(self.environment["WINEPREFIX"])

    def close(self):
        try:
            for program in self.programs:
                program.kill()
            if self._wineserver is not None:
                stop_wineserver(self._wineserver, self.environment)
        finally:
            if self._xvfb is not None:
                self._stop_xvfb()
            shutil.rmtree(self._private_dir, ignore_errors=True)

    def _stop_xvfb(self):
        self._xvfb.terminate()
        try:
            self._xvfb.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self._xvfb.kill()
            self._xvfb.wait()

    # Wine programs

    def tool(self, name):
        return self.tools_dir / name

    def wine(self, *arguments, cwd=None, timeout=60):
        """Runs a Windows program to its end; returns (exit status, stdout, stderr)."""
        # Files, not pipes: a Wine process that the program starts could hold a pipe
        # open long after the program has ended.
        with tempfile.TemporaryFile() as stdout, tempfile.TemporaryFile() as stderr:
            status = subprocess.run(["wine", *map(str, arguments)], cwd=cwd, env=self.environment,
                                    stdin=subprocess.DEVNULL, stdout=stdout, stderr=stderr,
                                    timeout=timeout).returncode
            stdout.seek(0)
            stderr.seek(0)
            return status, stdout.read().decode("utf-8", "replace"), stderr.read().decode(
                "utf-8", "replace")

    def probe(self, *arguments, attempts=3):
        """probe.exe's report as a dict; {"found": False} when it found nothing.

        Now and then Wine's loader dies as the probe starts or ends and leaves no
        report; such a run is tried again."""
        for attempt in range(attempts):
            status, stdout, stderr = self.wine(self.tool("probe.exe"), *arguments)
            lines = stdout.strip().splitlines()
            if status in (0, 1) and lines:
                return json.loads(lines[-1])
        raise RuntimeError(f"probe.exe {' '.join(arguments)} ended with status {status} "
                           f"{attempts} times: {stderr}")

    def install_in_system32(self, source, name=None):
        """Copies a program into the prefix's system folder, as a new file: the
        prefix's own programs there are shared with the template prefix."""
        target = self.prefix / "drive_c" / "windows" / "system32" / (name or Path(source).name)
        target.unlink(missing_ok=True)
        shutil.copyfile(source, target)
        return target

    # Screen

    def screenshot(self):
        result = subprocess.run(
            ["import", "-display", self.display, "-window", "root", "-depth", "8", "ppm:-"],
            stdin=subprocess.DEVNULL, capture_output=True, check=True, timeout=60)
        return parse_ppm(result.stdout)

    def settled_screenshot(self, timeout=TIMEOUT_SECONDS):
        """A screenshot once two in a row are the same, so that painting has ended."""
        previous = [self.screenshot()]

        def unchanged():
            current = self.screenshot()
            same = current.rgb == previous[0].rgb
            previous[0] = current
            return current if same else None

        return wait_until(unchanged, "the screen to stop changing", timeout)

    def save_screenshot(self, picture, name):
        """Keeps the picture as <artifacts>/<name>.png for people to look at."""
        self.artifacts_dir.mkdir(parents=True, exist_ok=True)
        ppm = self.artifacts_dir / f"{name}.ppm"
        ppm.write_bytes(picture.ppm())
        png = ppm.with_suffix(".png")
        converted = subprocess.run(["convert", str(ppm), str(png)], stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if converted.returncode == 0:
            ppm.unlink()
            return png
        return ppm

    def x_window_icon(self, title=MAIN_TITLE):
        """The first icon of the visible X window so titled, as the window manager and
        the taskbar get it: (width, height, [ARGB pixel, ...] rows top to bottom)."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                               env=self.environment, stdin=subprocess.DEVNULL,
                               capture_output=True, text=True, timeout=30)
        window = found.stdout.split()[0]
        shown = subprocess.run(["xprop", "-id", window, "-notype", "32c", "_NET_WM_ICON"],
                               env=self.environment, stdin=subprocess.DEVNULL,
                               capture_output=True, text=True, check=True, timeout=30)
        values = [int(value) for value in shown.stdout.split("=", 1)[1].split(",")]
        width, height = values[0], values[1]
        return width, height, values[2:2 + width * height]

    # Mouse, at screen coordinates

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *map(str, arguments)], env=self.environment,
                       stdin=subprocess.DEVNULL, check=True, timeout=30)

    def park_pointer(self):
        """Moves the pointer off every window, so that no window sees it move."""
        self.mouse_move(0, 0)

    def mouse_move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "click", button)

    def mouse_down(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "mousedown", button)

    def mouse_up(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "mouseup", button)


def _required_path(variable, what):
    value = os.environ.get(variable)
    if not value or not Path(value).exists():
        raise AssertionError(f"{variable} must name {what}; it is {value!r}, which does not exist")
    return Path(value)


_session = None


def start_session():
    global _session
    _session = Session()


def stop_session():
    global _session
    if _session is not None:
        session, _session = _session, None
        session.close()


def current_session():
    if _session is None:
        raise RuntimeError("the test module must call harness.start_session() in setUpModule")
    return _session


# ---------------------------------------------------------------- programs

class ProgramDir:
    """A fresh folder named `name` holding a copy of talqo.exe and the given files.

    files maps a path relative to the folder ("skin/top.bmp") to its bytes."""

    def __init__(self, talqo_exe, files=None, name="talqo"):
        self._parent = Path(tempfile.mkdtemp(prefix="talqo-e2e-"))
        self.path = self._parent / name
        self.path.mkdir()
        self.exe = self.path / "talqo.exe"
        shutil.copyfile(talqo_exe, self.exe)
        for relative, data in (files or {}).items():
            self.write(relative, data)

    def file(self, relative):
        return self.path / relative

    def write(self, relative, data):
        target = self.file(relative)
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)
        return target

    def remove(self):
        shutil.rmtree(self._parent, ignore_errors=True)


class RunningProgram:
    """A Windows program started under Wine; pid is the Linux pid of its wine process."""

    def __init__(self, session, exe, cwd, arguments=()):
        self.session = session
        self.exe = Path(exe)
        self._stderr = tempfile.TemporaryFile()
        self.process = subprocess.Popen(["wine", str(self.exe), *map(str, arguments)], cwd=cwd,
                                        env=session.environment,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=self._stderr)
        session.programs.append(self)
        # Known once a window of the program has been seen.
        self.windows_pid = None

    @property
    def pid(self):
        return self.process.pid

    def stderr(self):
        self._stderr.seek(0)
        return self._stderr.read().decode("utf-8", "replace")

    def exit_status(self):
        """The program's exit status once it has ended, else None."""
        return self.process.poll()

    def _alive_or_fail(self, waiting_for):
        status = self.exit_status()
        if status is not None:
            raise AssertionError(f"{self.exe.name} ended with status {status} while waiting for "
                                 f"{waiting_for}; its error output: {self.stderr()!r}")

    def wait_for_window(self, title=MAIN_TITLE, timeout=TIMEOUT_SECONDS):
        """The program's main window once it is visible."""
        return WindowInfo(self._wait_until_visible("window", title, timeout))

    def wait_for_dialog(self, title, timeout=TIMEOUT_SECONDS):
        """probe.exe's report on the dialog once it is visible."""
        return self._wait_until_visible("dialog", title, timeout)

    def _wait_until_visible(self, kind, title, timeout):
        """probe.exe's report on the window of that kind ("window" or "dialog")."""
        def visible():
            self._alive_or_fail(f"the {kind} {title!r}")
            report = self.session.probe(kind, title)
            if not (report["found"] and report["visible"]):
                return None
            self.windows_pid = report["pid"]
            return report

        return self._waiting(visible, f"the {kind} {title!r} to be visible", timeout)

    def wait_for_exit(self, timeout=TIMEOUT_SECONDS):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self._save_screen("still-running")
            raise AssertionError(f"{self.exe.name} still runs {timeout:g} s later") from None

    def _waiting(self, condition, what, timeout):
        try:
            return wait_until(condition, what, timeout)
        except TimeoutError as error:
            path = self._save_screen("timeout")
            raise AssertionError(f"{error}; the screen is in {path}") from None

    def _save_screen(self, reason):
        stamp = time.strftime("%H%M%S")
        return self.session.save_screenshot(self.session.screenshot(),
                                            f"{self.exe.stem}-{reason}-{stamp}-{self.pid}")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        self._stderr.close()


# ---------------------------------------------------------------- test cases

class TalqoTestCase(unittest.TestCase):
    """Gives each test fresh program folders and programs that end with the test."""

    @property
    def session(self):
        return current_session()

    def program_dir(self, files=None, name="talqo"):
        folder = ProgramDir(self.session.talqo_exe, files, name)
        self.addCleanup(folder.remove)
        return folder

    def launch(self, program_dir, cwd=None):
        """Starts program_dir's talqo.exe, in program_dir unless `cwd` says otherwise."""
        self.session.park_pointer()
        program = RunningProgram(self.session, program_dir.exe, cwd or program_dir.path)
        self.addCleanup(self.end, program)
        return program

    def assert_no_mismatches(self, mismatches):
        if mismatches:
            self.fail(f"{len(mismatches)} differences, among them: " + "; ".join(mismatches[:4]))

    def end(self, program):
        """Kills the program and waits until its windows have gone."""
        program.kill()
        if program.windows_pid is None:
            return

        def gone():
            report = self.session.probe("list")
            return all(window["pid"] != program.windows_pid for window in report["windows"])

        wait_until(gone, f"the windows of {program.exe.name} to go")

    @contextlib.contextmanager
    def case(self, description):
        """One case of a table: a subtest whose programs and files go when it ends."""
        with self.subTest(description):
            try:
                yield
            finally:
                self.doCleanups()

    @contextlib.contextmanager
    def keeping_screenshot_on_failure(self, picture):
        """Saves the picture to the artifacts folder when a check inside fails."""
        try:
            yield
        except self.failureException as failure:
            path = self.session.save_screenshot(picture, self.id())
            raise self.failureException(f"{failure}\nscreenshot: {path}") from None
