"""The knight: md5sum.exe from the system folder checks the target, and the launcher
compares the checksum that the user pastes with the expected one.

Where a test must see the exact command line that md5sum.exe gets, the test tools'
command-line recorder stands in for it and appends that line to md5sum.log beside
itself. The road as a person walks it runs the project's own md5sum.exe and takes the
checksum from its window.

The module runs in a Wine prefix of its own, so each test sets up the system folder
as it needs it.
"""

import hashlib
import re
import unittest

import action_support as support
import harness

INPUT_TITLE = "MD5 Checksum Compare"
PROMPT = "When the cheksum is generated, paste it here to see if it matches."
# 50 twips from the screen's corner at 96 dpi.
INPUT_BOX_CORNER = [3, 3]

RESULT_TITLE = "Result:"
MATCH = "Checksums Match!"
MISMATCH = "Checksums do NOT Match. Please do not share this file."

MISSING_TITLE = "Missing File(s)"
MISSING_TEXT = ("Error: Please install md5sum available at "
                "https://gnuwin32.sourceforge.net/packages/coreutils.htm")

TARGET_NAME = "release notes.txt"
TARGET_CONTENT = b"T.A.L.Q.O. demo release\r\n" + bytes(range(256))
# What the person who hands the file out records in the settings file.
EXPECTED = hashlib.md5(TARGET_CONTENT).hexdigest()
A_DIFFERENT_CHECKSUM = "0123456789abcdef" * 2


class ChecksumTestCase(support.ActionTestCase):
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

    def answer_by_probe(self, text, button):
        self.assertTrue(self.session.probe("settext", INPUT_TITLE, text)["found"])
        self.assertTrue(self.session.probe("press", INPUT_TITLE, button)["found"])


class ChecksumCheckTest(ChecksumTestCase):
    def setUp(self):
        self.md5sum_log = support.prepare_system_folder(
            self.session, self.session.tool("command_line_recorder.exe"))

    def open_input_box(self, program, window, target, click):
        """Clicks the knight for the `click`-th time; checks what md5sum.exe was given and
        the input box. Returns the input box's report."""
        self.session.click(*support.control_point(window, "center"))
        box = program.wait_for_dialog(INPUT_TITLE)

        records = support.wait_for_records(self.md5sum_log, click)
        self.assertEqual(len(records), click, "one run of md5sum.exe for each click")
        quoted_target = f'"{support.windows_path(target)}"'
        self.assertTrue(records[-1]["command_line"].endswith(" " + quoted_target),
                        records[-1]["command_line"])

        self.assertEqual(box["pid"], program.windows_pid)
        self.assertEqual(box["window_rect"][:2], INPUT_BOX_CORNER)
        self.assertEqual(box["statics"], [PROMPT])
        self.assertEqual(box["edits"], [""])
        self.assertEqual(support.button_texts(box), ["OK", "Cancel"])
        self.assertEqual(support.foreign_windows(self.session, program.windows_pid), [],
                         "the recorder shows nothing")
        return box

    def test_each_click_runs_md5sum_on_the_target_and_compares_the_answer(self):
        program, window, target = self.start_with_target()
        before = self.label_pixels(window)
        self.session.mouse_move(*support.control_point(window, "center"))
        harness.wait_until(lambda: self.label_pixels(window) != before,
                           "the label to change as the pointer comes over the knight")

        # The recorded checksum as another tool may print it, pasted from the clipboard
        # into the box, which has the focus as it opens; Enter is OK.
        self.open_input_box(program, window, target, 1)
        self.assertTrue(self.session.probe("copy", f"  {EXPECTED.upper()} ")["copied"])
        self.session.xdotool("key", "ctrl+v", "Return")
        self.assertEqual(self.close_message(program, RESULT_TITLE), [MATCH])

        # Typing lands in the entry, so the entry has the focus.
        self.open_input_box(program, window, target, 2)
        self.session.xdotool("type", "--delay", "20", A_DIFFERENT_CHECKSUM)
        self.session.xdotool("key", "Return")
        self.assertEqual(self.close_message(program, RESULT_TITLE), [MISMATCH])

        # Escape is Cancel, which drops whatever the entry holds, the right checksum too.
        self.open_input_box(program, window, target, 3)
        self.assertTrue(self.session.probe("settext", INPUT_TITLE, EXPECTED)["found"])
        self.session.xdotool("key", "Escape")
        self.assertEqual(self.close_message(program, RESULT_TITLE), [MISMATCH])

        self.open_input_box(program, window, target, 4)
        self.answer_by_probe(EXPECTED, "Cancel")
        self.assertEqual(self.close_message(program, RESULT_TITLE), [MISMATCH])


class CheckingByHandTest(ChecksumTestCase):
    """The road as a person walks it, with the project's md5sum.exe in the system folder:
    the checksum comes from the tool's window by its Copy button and goes into the input
    box with Ctrl+V. Nothing here computes a checksum."""

    def setUp(self):
        support.prepare_system_folder(self.session, self.session.md5sum_exe)
        self.addCleanup(self.close_tool_windows)

    def close_tool_windows(self):
        """Closes what a failed test left open: the tool is not the launcher's to end."""
        while self.session.probe("close", support.TOOL_TITLE)["found"]:
            self.wait_for_tool_to_close()

    def wait_for_tool_to_close(self):
        harness.wait_until(lambda: not self.session.probe("dialog", support.TOOL_TITLE)["found"],
                           "the tool's window to close")

    def wait_for_tool(self, predicate, what):
        def seen():
            report = self.session.probe("dialog", support.TOOL_TITLE)
            return report if report["found"] and report["visible"] and predicate(report) else None

        return harness.wait_until(seen, what, timeout=60)

    def check_by_hand(self, program, window, picture=None):
        """Clicks the knight, copies the checksum from the tool's window, pastes it into
        the input box, closes the tool and presses OK; returns the result message's text.
        Saves a screenshot as `picture` once the checksum is pasted, when asked to."""
        self.session.click(*support.control_point(window, "center"))
        box = program.wait_for_dialog(INPUT_TITLE)
        tool = self.wait_for_tool(support.tool_finished, "the tool's window to show the checksum")
        self.assertEqual([window["title"] for window
                          in support.foreign_windows(self.session, program.windows_pid)],
                         [support.TOOL_TITLE], "the tool's window and no console window")

        support.click_button(self.session, tool, "Copy")
        self.wait_for_tool(lambda report: report["statics"][:1] == [
            f"Copied the checksum of {support.windows_path(program.exe.parent / TARGET_NAME)}."],
                           "the tool to say that it copied the checksum")

        left, top, right, bottom = box["edit_rects"][0]
        self.session.click((left + right) // 2, (top + bottom) // 2)
        self.session.xdotool("key", "ctrl+v")
        harness.wait_until(lambda: self.session.probe("dialog", INPUT_TITLE)["edits"] != [""],
                           "the paste to fill the entry")
        if picture:
            self.session.save_screenshot(self.session.settled_screenshot(), picture)

        tool = self.session.probe("dialog", support.TOOL_TITLE)
        support.click_button(self.session, tool, "Close")
        self.wait_for_tool_to_close()
        support.click_button(self.session, box, "OK")
        return self.close_message(program, RESULT_TITLE)

    def test_the_copied_checksum_matches_and_after_a_change_to_the_file_it_does_not(self):
        program, window, target = self.start_with_target()
        self.assertEqual(self.check_by_hand(program, window, picture="checksum-road"), [MATCH])
        target.write_bytes(TARGET_CONTENT + b"changed after its checksum was recorded")
        self.assertEqual(self.check_by_hand(program, window), [MISMATCH])

    def test_with_no_target_the_tool_is_told_the_launchers_folder_as_one_name(self):
        folder = self.program_dir({"talqo.ini": support.settings_file("")}, name="talqo demo")
        program = self.launch(folder)
        window = program.wait_for_window()
        self.session.click(*support.control_point(window, "center"))
        program.wait_for_dialog(INPUT_TITLE)
        tool = self.wait_for_tool(support.tool_finished, "the tool to finish")
        # The folder with its backslash, and no quote taken into the name.
        folder_name = support.windows_path(program.exe.parent) + "\\"
        self.assertRegex(tool["edits"][0], "^Cannot read " + re.escape(folder_name) + ": .+$")
        self.answer_by_probe("", "Cancel")
        self.assertEqual(self.close_message(program, RESULT_TITLE), [MISMATCH])


class MissingToolTest(ChecksumTestCase):
    def test_without_md5sum_a_message_is_all_that_shows_and_the_window_stays(self):
        support.prepare_system_folder(self.session)
        program, window, _ = self.start_with_target()
        # The second click also shows that the first one ended with the message: had an
        # input box followed it, the window would not take the click.
        for _ in range(2):
            self.session.click(*support.control_point(window, "center"))
            self.assertEqual(self.close_message(program, MISSING_TITLE), [MISSING_TEXT])


if __name__ == "__main__":
    unittest.main()
