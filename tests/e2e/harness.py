"""Runs talqo.exe under Wine on a virtual X display for the end-to-end tests.

The tests of a module share one session: an Xvfb display and a wineserver in a private
copy of the shared Wine prefix, started by the module's first TalqoTestCase class and
ended after its last. CTest gives the paths of the programs under test in TALQO_EXE,
TALQO_MD5SUM_EXE and TALQO_TOOLS_DIR, and puts scripts/, where wine_session lives, on
PYTHONPATH; a module run by hand needs the same, from this folder:

  PYTHONPATH=../../scripts TALQO_EXE=... TALQO_MD5SUM_EXE=... TALQO_TOOLS_DIR=... \
    python3 -m unittest -v test_window
"""

import contextlib
import os
import shutil
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

from pictures import parse_ppm
from wine_session import display
from wine_session.prefix import (copy_prefix, ensure_template_prefix, install_in_system32,
                                 wine_environment)
from wine_session.waits import TIMEOUT_SECONDS, wait_until
from wine_session.windows import probe, visible_report
from wine_session.wine import run_to_end, start_wineserver, stop_wineserver
from window_queries import WindowInfo

# The test modules take these from the harness, with the rest of what they use.
from pictures import Picture, read_icon, solid_bmp  # noqa: F401

MAIN_TITLE = "T.A.L.Q.O."
SOURCE_DIR = Path(__file__).resolve().parents[2]
RESOURCES_DIR = SOURCE_DIR / "resources"


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
            private_prefix = self._private_dir / "prefix"
            copy_prefix(ensure_template_prefix(), private_prefix)
            # -wr: a white root, which no part of the window's artwork shares with the
            # shape's outside, whose corners are black.
            self._xvfb, self.display = display.start_xvfb(white_root=True)
            self.environment = wine_environment(private_prefix, self.display)
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
                display.stop_xvfb(self._xvfb)
            shutil.rmtree(self._private_dir, ignore_errors=True)

    # Wine programs

    def tool(self, name):
        return self.tools_dir / name

    def wine(self, *arguments, cwd=None, timeout=60):
        """Runs a Windows program to its end; returns (exit status, stdout, stderr)."""
        return run_to_end(self.environment, arguments, cwd, timeout)

    def probe(self, *arguments):
        """probe.exe's report as a dict; {"found": False} when it found nothing."""
        return probe(self.environment, self.tool("probe.exe"), *arguments)

    def install_in_system32(self, source, name=None):
        return install_in_system32(self.prefix, source, name)

    # Screen

    def screenshot(self):
        return parse_ppm(display.screenshot(self.display))

    def settled_screenshot(self, timeout=TIMEOUT_SECONDS):
        """A screenshot once two in a row are the same, so that painting has ended."""
        return parse_ppm(display.settled_screenshot(self.display, timeout))

    def save_screenshot(self, picture, name):
        """Keeps the picture as <artifacts>/<name>.png for people to look at."""
        return display.save_png(picture.ppm(), self.artifacts_dir / f"{name}.png")

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


def current_session():
    """The session of the running test module, started when it is first needed and
    ended when the module's tests are done."""
    global _session
    if _session is None:
        _session = Session()
        unittest.addModuleCleanup(_end_session)
    return _session


def _end_session():
    global _session
    session, _session = _session, None
    session.close()


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

    def __init__(self, session, exe, cwd, arguments=(), wine_debug=None):
        self.session = session
        self.exe = Path(exe)
        self._stdout = tempfile.TemporaryFile()
        self._stderr = tempfile.TemporaryFile()
        environment = session.environment
        if wine_debug:
            # Wine's debug channels for this program alone; their trace goes to stderr().
            environment = dict(environment, WINEDEBUG=wine_debug)
        self.process = subprocess.Popen(["wine", str(self.exe), *map(str, arguments)], cwd=cwd,
                                        env=environment,
                                        stdin=subprocess.DEVNULL, stdout=self._stdout,
                                        stderr=self._stderr)
        session.programs.append(self)
        # Known once a window of the program has been seen.
        self.windows_pid = None

    @property
    def pid(self):
        return self.process.pid

    def stdout(self):
        """What the program has written to its standard output so far."""
        return _written(self._stdout)

    def stderr(self):
        return _written(self._stderr)

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
            report = visible_report(self.session.environment, self.session.tool("probe.exe"),
                                    kind, title)
            if report:
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
        self._stdout.close()
        self._stderr.close()


def _written(file):
    """The file's contents, read without moving the offset that the program, sharing it,
    writes at."""
    return os.pread(file.fileno(), os.fstat(file.fileno()).st_size, 0).decode("utf-8", "replace")


# ---------------------------------------------------------------- test cases

class TalqoTestCase(unittest.TestCase):
    """Gives each test the module's session, fresh program folders and programs that end
    with the test."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # Started here, a session that fails to start fails the class, not its first test.
        current_session()

    @property
    def session(self):
        return current_session()

    def program_dir(self, files=None, name="talqo"):
        folder = ProgramDir(self.session.talqo_exe, files, name)
        self.addCleanup(folder.remove)
        return folder

    def other_folder(self):
        """A fresh empty folder apart from the program folders, gone when the test ends."""
        folder = Path(tempfile.mkdtemp(prefix="talqo-e2e-elsewhere-"))
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        return folder

    def launch(self, program_dir, cwd=None, wine_debug=None):
        """Starts program_dir's talqo.exe, in program_dir unless `cwd` says otherwise."""
        self.session.park_pointer()
        program = RunningProgram(self.session, program_dir.exe, cwd or program_dir.path,
                                 wine_debug=wine_debug)
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
