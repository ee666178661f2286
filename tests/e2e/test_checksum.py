"""The knight: md5sum.exe from the system folder checks the target, and the launcher
compares the checksum that the user pastes with the expected one.

md5sum.exe from the test tools stands in for the GNU one: it prints the real MD5 of the
files named on its command line and appends its raw command line and what it printed
to md5sum.log beside itself.

The module runs in a Wine prefix of its own, so each test sets up the system folder
as it needs it.
"""

import hashlib
import unittest

import action_support as support
import harness
import window_layout as layout

INPUT_TITLE = "MD5 Checksum Compare"
PROMPT = "When the cheksum is generated, paste it here to see if it matches."
# 50 twips from the screen's corner at 96 dpi.
INPUT_BOX_CORNER = [3, 3]
# Below the box's upper edge, in the middle of its title bar.
TITLE_BAR_MIDDLE = 12

RESULT_TITLE = "Result:"
MATCH = "Checksums Match!"
MISMATCH = "Checksums do NOT Match. Please do not share this file."

MISSING_TITLE = "Missing File(s)"
MISSING_TEXT = ("Error: Please install md5sum available at "
                "https://gnuwin32.sourceforge.net/packages/coreutils.htm")

TARGET_NAME = "release notes.txt"
TARGET_CONTENT = b"T.A.L.Q.O. demo release\r\n" + bytes(range(256))
EXPECTED = hashlib.md5(TARGET_CONTENT).hexdigest()


def setUpModule():
    harness.start_session()


def tearDownModule():
    harness.stop_session()


class ChecksumTestCase(harness.TalqoTestCase):
    def prepare_system_folder(self, with_md5sum):
        """Puts md5sum.exe into the prefix's system folder or takes it away, with no
        md5sum.log from earlier runs. Returns the path of md5sum.log."""
        folder = self.session.prefix / "drive_c" / "windows" / "system32"
        for name in ("md5sum.exe", "md5sum.log"):
            (folder / name).unlink(missing_ok=True)
        if with_md5sum:
            self.session.install_in_system32(self.session.tool("md5sum.exe"))
        return folder / "md5sum.log"

    def start_with_target(self):
        """Starts the launcher from a folder with a blank in its name, beside a target
        whose real MD5 the settings expect; returns the program, its window and the
        target's path."""
        folder = self.program_dir({"talqo.ini": support.settings_file(TARGET_NAME, EXPECTED),
                                   TARGET_NAME: TARGET_CONTENT}, name="talqo demo")
        program = self.launch(folder)
        return program, program.wait_for_window(), folder.file(TARGET_NAME)

    def windows_besides_main(self, program):
        return support.other_windows(self.session, program.windows_pid)

    def assert_main_window_stays(self, program):
        main = self.session.probe("window", harness.MAIN_TITLE)
        self.assertTrue(main["found"] and main["visible"], "the window stays open")
        self.assertEqual(main["pid"], program.windows_pid)
        self.assertIsNone(program.exit_status(), "the launcher keeps running")

    def close_message(self, program, title):
        """Checks that the message box `title` is the only window that the launcher shows
        besides its main window and that it has only OK; presses OK and checks that the
        main window stays. Returns the message's text."""
        report = program.wait_for_dialog(title)
        self.assertEqual(report["pid"], program.windows_pid)
        shown = self.windows_besides_main(program)
        self.assertEqual([window["title"] for window in shown], [title])
        self.assertEqual(support.button_texts(report), ["OK"])
        self.assertTrue(self.session.probe("press", title, "OK")["found"])
        remaining = []

        def closed():
            remaining[:] = self.windows_besides_main(program)
            return not remaining

        try:
            harness.wait_until(closed, f"{title!r} to close")
        except TimeoutError as error:
            self.fail(f"{error}; the launcher still shows {remaining}")
        self.assert_main_window_stays(program)
        return report["statics"]


class ChecksumCheckTest(ChecksumTestCase):
    def setUp(self):
        self.md5sum_log = self.prepare_system_folder(with_md5sum=True)

    def label_pixels(self, window):
        left, top, right, bottom = layout.RECTS["label"]
        shot = self.session.screenshot()
        return [shot.pixel(*window.screen_point(x, y))
                for y in range(top, bottom) for x in range(left, right)]

    def open_input_box(self, program, window, target, click):
        """Clicks the knight for the `click`-th time; checks what md5sum.exe was given and
        printed, and the input box. Returns the input box's report."""
        self.session.click(*support.control_point(window, "center"))
        box = program.wait_for_dialog(INPUT_TITLE)

        records = support.wait_for_records(self.md5sum_log, click)
        self.assertEqual(len(records), click, "one run of md5sum.exe for each click")
        quoted_target = f'"{support.windows_path(target)}"'
        self.assertTrue(records[-1]["command_line"].endswith(" " + quoted_target),
                        records[-1]["command_line"])
        self.assertEqual(records[-1]["stdout"], [f"{EXPECTED}  {support.windows_path(target)}"])
        self.assertEqual(records[-1]["exit_status"], 0)

        self.assertEqual(box["pid"], program.windows_pid)
        self.assertEqual(box["window_rect"][:2], INPUT_BOX_CORNER)
        self.assertEqual(box["statics"], [PROMPT])
        self.assertEqual(box["edits"], [""])
        self.assertEqual(support.button_texts(box), ["OK", "Cancel"])
        # md5sum.exe is a console program: its console window comes and goes by itself.
        harness.wait_until(lambda: not support.foreign_windows(self.session,
                                                               program.windows_pid),
                           "md5sum.exe's console window to close")
        return box

    def activate(self, box):
        """Activates the input box as a user would, by a click on its title bar."""
        # md5sum.exe's console window took the activation, and on a display without a
        # window manager nothing gives it back when the console closes. A click on the
        # title bar activates the box, which gives the focus back to the control that had
        # it; typing then shows that this was the entry.
        left, top, right, _ = box["window_rect"]
        title_bar = ((left + right) // 2, top + TITLE_BAR_MIDDLE)
        inactive = self.session.screenshot().pixel(*title_bar)
        self.session.click(*title_bar)
        harness.wait_until(lambda: self.session.screenshot().pixel(*title_bar) != inactive,
                           "the input box's title bar to show it active")

    def answer_by_probe(self, text, button):
        self.assertTrue(self.session.probe("settext", INPUT_TITLE, text)["found"])
        self.assertTrue(self.session.probe("press", INPUT_TITLE, button)["found"])

    def test_each_click_runs_md5sum_on_the_target_and_compares_the_answer(self):
        program, window, target = self.start_with_target()
        before = self.label_pixels(window)
        self.session.mouse_move(*support.control_point(window, "center"))
        harness.wait_until(lambda: self.label_pixels(window) != before,
                           "the label to change as the pointer comes over the knight")

        # The checksum as another tool may print it, pasted from the clipboard; Enter is OK.
        box = self.open_input_box(program, window, target, 1)
        self.assertTrue(self.session.probe("copy", f"  {EXPECTED.upper()} ")["copied"])
        self.activate(box)
        self.session.xdotool("key", "ctrl+v", "Return")
        self.assertEqual(self.close_message(program, RESULT_TITLE), [MATCH])

        # Typing lands in the entry, so the entry has the focus.
        box = self.open_input_box(program, window, target, 2)
        self.activate(box)
        self.session.xdotool("type", "--delay", "20", hashlib.md5(TARGET_CONTENT + b"!").hexdigest())
        self.session.xdotool("key", "Return")
        self.assertEqual(self.close_message(program, RESULT_TITLE), [MISMATCH])

        # Escape is Cancel, which drops whatever the entry holds, the right checksum too.
        box = self.open_input_box(program, window, target, 3)
        self.assertTrue(self.session.probe("settext", INPUT_TITLE, EXPECTED)["found"])
        self.activate(box)
        self.session.xdotool("key", "Escape")
        self.assertEqual(self.close_message(program, RESULT_TITLE), [MISMATCH])

        self.open_input_box(program, window, target, 4)
        self.answer_by_probe(EXPECTED, "Cancel")
        self.assertEqual(self.close_message(program, RESULT_TITLE), [MISMATCH])


class MissingToolTest(ChecksumTestCase):
    def test_without_md5sum_a_message_is_all_that_shows_and_the_window_stays(self):
        self.prepare_system_folder(with_md5sum=False)
        program, window, _ = self.start_with_target()
        # The second click also shows that the first one ended with the message: had an
        # input box followed it, the window would not take the click.
        for _ in range(2):
            self.session.click(*support.control_point(window, "center"))
            self.assertEqual(self.close_message(program, MISSING_TITLE), [MISSING_TEXT])


if __name__ == "__main__":
    unittest.main()
