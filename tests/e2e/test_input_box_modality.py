"""While the knight's input box is open, the launcher's window takes no clicks: GO! does
not launch, the label does not close the launcher, and the box still answers afterwards.

target_recorder.exe stands in for the target, so that a launch would leave a line in
recorder.log beside it.
"""

import unittest

import action_support as support
import harness
import window_layout as layout

INPUT_TITLE = "MD5 Checksum Compare"
RESULT_TITLE = "Result:"
MISMATCH = "Checksums do NOT Match. Please do not share this file."


def inside(rect, point):
    left, top, right, bottom = rect
    return left <= point[0] < right and top <= point[1] < bottom


class InputBoxModalityTest(support.ActionTestCase):
    def test_the_window_ignores_clicks_while_the_input_box_is_open(self):
        support.install_checksum_tool_recorder(self.session)
        folder = self.program_dir({"talqo.ini": support.settings_file("target.exe")},
                                  name="talqo demo")
        launches = self.put_recorder(folder.path, "target.exe")
        program = self.launch(folder)
        window = program.wait_for_window()

        self.session.click(*support.control_point(window, "center"))
        box = program.wait_for_dialog(INPUT_TITLE)
        caption_with_box_open = self.label_pixels(window, self.session.settled_screenshot())
        for control in ("top", "label"):
            point = support.control_point(window, control)
            self.assertFalse(inside(box["window_rect"], point), f"the box covers the {control}")
            self.session.click(*point)
        self.session.park_pointer()

        # The box still takes an answer; its result follows the clicks above, which the
        # window would have had to handle first.
        self.assertTrue(self.session.probe("settext", INPUT_TITLE, "not the checksum")["found"])
        self.assertTrue(self.session.probe("press", INPUT_TITLE, "OK")["found"])
        result = program.wait_for_dialog(RESULT_TITLE)
        self.assertEqual(result["statics"], [MISMATCH])
        self.assertTrue(self.session.probe("press", RESULT_TITLE, "OK")["found"])
        harness.wait_until(lambda: not support.other_windows(self.session, program.windows_pid),
                           "the result message to close")

        self.assertIsNone(program.exit_status(), "the label's click did not close the launcher")
        self.assertEqual(support.log_records(launches), [], "GO! launched nothing")
        self.assertEqual(self.label_pixels(window, self.session.settled_screenshot()),
                         caption_with_box_open,
                         "the pointer's way over GO! and the label changed no caption")
        # The window takes the pointer again once the dialogs are gone. Wine reports no
        # move to the place where it last saw the pointer, the click on the label, so the
        # pointer comes to another point of the label.
        left, top, _, _ = layout.RECTS["label"]
        self.session.mouse_move(*window.screen_point(left + 10, top + 10))
        harness.wait_until(lambda: self.label_pixels(window) != caption_with_box_open,
                           "the credit caption as the pointer comes over the label")


if __name__ == "__main__":
    unittest.main()
