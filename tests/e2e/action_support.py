"""What the tests of the launch and checksum buttons share: settings files, the helper
programs that stand in for the target and for md5sum.exe and the logs they write, and what
probe.exe tells about one process's windows."""

import json
import shutil
from pathlib import PurePosixPath

import harness
import window_layout as layout
from wine_session.prefix import system_folder

# The window class of dialog boxes, message boxes among them.
DIALOG_CLASS = "#32770"
# md5sum.exe's window.
TOOL_TITLE = "MD5 checksum"


def windows_path(path):
    """The path as a program under Wine sees it: Wine maps drive Z: to the root."""
    return "Z:" + str(PurePosixPath(path)).replace("/", "\\")


def settings_file(target, checksum="00000000000000000000000000000000", name="Demo file"):
    """A talqo.ini naming `target`, with the label black and the built-in artwork."""
    return f'"{target}","{name}",{checksum},0,0,0,False\r\n'.encode()


def control_point(window, control):
    """The screen point in the middle of the control's rectangle."""
    left, top, right, bottom = layout.RECTS[control]
    return window.screen_point((left + right) // 2, (top + bottom) // 2)


def log_records(path):
    """The JSON records of a helper program's log, one a line; none while it does not exist."""
    try:
        data = path.read_bytes()
    except FileNotFoundError:
        return []
    # A line still being written has no line end yet.
    return [json.loads(line) for line in data.decode("utf-8").split("\r\n")[:-1]]


def wait_for_records(path, count, timeout=harness.TIMEOUT_SECONDS):
    """The log's records once it holds `count` of them."""
    return harness.wait_until(lambda: len(log_records(path)) >= count and log_records(path),
                              f"{count} records in {path}", timeout)


def is_main_window(window):
    return window["title"] == harness.MAIN_TITLE and window["class"] != DIALOG_CLASS


def other_windows(session, pid):
    """The visible top-level windows of Windows process `pid` other than its main window."""
    return [window for window in session.probe("list")["windows"]
            if window["pid"] == pid and not is_main_window(window)]


def foreign_windows(session, pid):
    """The visible top-level windows that belong to processes other than `pid`."""
    return [window for window in session.probe("list")["windows"] if window["pid"] != pid]


def button_texts(report):
    return [text.replace("&", "") for text in report["buttons"]]


def click_button(session, report, text):
    """Clicks the middle of the dialog's button `text`, where probe.exe's report has it."""
    left, top, right, bottom = report["button_rects"][button_texts(report).index(text)]
    session.click((left + right) // 2, (top + bottom) // 2)


def tool_finished(report):
    """Whether md5sum.exe's window shows its results and its progress line is gone."""
    return bool(report["edits"][0]) and not report["statics"]


def prepare_system_folder(session, md5sum=None):
    """Installs the program `md5sum` as the prefix's system folder's md5sum.exe, or
    leaves none there, with no md5sum.log from earlier runs. Returns the path of
    md5sum.log, which the command-line recorder writes."""
    folder = system_folder(session.prefix)
    for name in ("md5sum.exe", "md5sum.log"):
        (folder / name).unlink(missing_ok=True)
    if md5sum is not None:
        session.install_in_system32(md5sum, "md5sum.exe")
    return folder / "md5sum.log"


def install_checksum_tool_recorder(session):
    """Puts the test stand-in for md5sum.exe into the prefix's system folder, without the
    log of earlier runs. Returns a function that gives the command lines the stand-in was
    started with so far, one a run, as the system handed them over."""
    log = prepare_system_folder(session, session.tool("command_line_recorder.exe"))
    return lambda: [record["command_line"] for record in log_records(log)]


class ActionTestCase(harness.TalqoTestCase):
    """A test of what the buttons do: the stand-ins it puts in place and what it reads
    back from them and from the window."""

    def put_recorder(self, folder, name):
        """A target_recorder.exe named `name` in `folder`; returns the log it would write."""
        shutil.copyfile(self.session.tool("target_recorder.exe"), folder / name)
        return folder / "recorder.log"

    def assert_started_once(self, log, target, working_directory):
        """The recorder at `target` ran once, without parameters, in `working_directory`."""
        records = wait_for_records(log, 1)
        module = windows_path(target)
        # The shell puts the path it starts in quotes; nothing follows it.
        self.assertEqual(records, [{"module": module,
                                    "command_line": f'"{module}"',
                                    "current_directory": windows_path(working_directory)}])

    def label_pixels(self, window, shot=None):
        """The label's pixels on `shot`, or on the screen as it is now."""
        left, top, right, bottom = layout.RECTS["label"]
        shot = shot or self.session.screenshot()
        return [shot.pixel(*window.screen_point(x, y))
                for y in range(top, bottom) for x in range(left, right)]
