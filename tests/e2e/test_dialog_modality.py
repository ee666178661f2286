"""While a dialog of the knight's road is open (the input box, "Missing File(s)" or the
result), the launcher's window takes no clicks: GO! launches nothing, a click on the
caption does not close the launcher, and the pointer's way over them changes no caption.

target_recorder.exe stands in for the target, so that a launch would leave a line in
recorder.log beside it. Every click here, the ones that close the dialogs too, is the
mouse's: input is handled in order, so once a dialog has taken the click on its OK, the
window has had the clicks before it.
"""

import unittest

import action_support as support
import harness
import window_layout as layout

INPUT_TITLE = "MD5 Checksum Compare"
RESULT_TITLE = "Result:"
MISSING_TITLE = "Missing File(s)"


def inside(rect, point):
    left, top, right, bottom = rect
    return left <= point[0] < right and top <= point[1] < bottom


class DialogModalityTest(support.ActionTestCase):
    def open_dialog(self, program, window, title):
        """Clicks the knight and, for the result, OK on the input box; returns probe.exe's
        report on the dialog `title`."""
        self.session.click(*support.control_point(window, "center"))
        if title == RESULT_TITLE:
            support.click_button(self.session, program.wait_for_dialog(INPUT_TITLE), "OK")
        return program.wait_for_dialog(title)

    def close_by_mouse(self, program, dialog):
        """Clicks OK on `dialog` and on the result that follows an input box's OK, and
        waits until the launcher shows no window but its own."""
        support.click_button(self.session, dialog, "OK")
        if dialog["title"] == INPUT_TITLE:
            support.click_button(self.session, program.wait_for_dialog(RESULT_TITLE), "OK")
        harness.wait_until(lambda: not support.other_windows(self.session, program.windows_pid),
                           f"the launcher's dialogs to close after {dialog['title']!r}")

    def test_the_window_takes_no_click_while_a_dialog_of_the_knight_is_open(self):
        # (dialog, whether md5sum.exe is in the system folder)
        cases = ((INPUT_TITLE, True), (MISSING_TITLE, False), (RESULT_TITLE, True))
        for title, tool_installed in cases:
            with self.case(title):
                if tool_installed:
                    support.install_checksum_tool_recorder(self.session)
                else:
                    support.prepare_system_folder(self.session)
                folder = self.program_dir({"talqo.ini": support.settings_file("target.exe")},
                                          name="talqo demo")
                launches = self.put_recorder(folder.path, "target.exe")
                program = self.launch(folder)
                window = program.wait_for_window()

                dialog = self.open_dialog(program, window, title)
                caption_with_dialog_open = self.label_pixels(window,
                                                             self.session.settled_screenshot())
                for control in ("top", "label"):
                    point = support.control_point(window, control)
                    self.assertFalse(inside(dialog["window_rect"], point),
                                     f"the dialog covers the {control}")
                    self.session.click(*point)
                self.session.park_pointer()
                self.close_by_mouse(program, dialog)

                main = self.session.probe("window", harness.MAIN_TITLE)
                self.assertTrue(main["found"] and main["visible"]
                                and main["pid"] == program.windows_pid,
                                "the window is still there: neither click reached it")
                self.assertIsNone(program.exit_status(), "the launcher runs on")
                self.assertEqual(support.log_records(launches), [], "GO! launched nothing")
                self.assertEqual(self.label_pixels(window, self.session.settled_screenshot()),
                                 caption_with_dialog_open,
                                 "the pointer's way over GO! and the caption changed nothing")
                # The window takes the pointer again once the dialogs are gone. Wine
                # reports no move to the place where it last saw the pointer, the click on
                # the caption, so the pointer comes to another point of it.
                left, top, _, _ = layout.RECTS["label"]
                self.session.mouse_move(*window.screen_point(left + 10, top + 10))
                harness.wait_until(
                    lambda: self.label_pixels(window) != caption_with_dialog_open,
                    "the credit caption as the pointer comes over the caption")


if __name__ == "__main__":
    unittest.main()
