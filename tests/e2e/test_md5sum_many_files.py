"""md5sum.exe's window, started by the shell on 300 files: it answers a person at once and
lists every file.

A window that took each file's result as it came would have a stream of messages queued
ahead of the person's click, since Windows hands out posted messages before input: the
click would wait until the reading had long ended.
"""

import random
import subprocess
import unittest

import action_support as support
import test_md5sum as md5sum_tests

FILE_COUNT = 300
# Each window line this long: together the lines outgrow the limit that an edit field
# puts on added text unless told otherwise, some 32 K characters, while the command line
# that names the files stays inside its own limit of 32767.
LINE_LENGTH = 115
CHECKSUM_AND_BLANKS = 34


class ManyFilesTest(md5sum_tests.WindowTestCase):
    def small_files(self):
        """A fresh folder with md5sum.exe and FILE_COUNT files of 0 to FILE_COUNT - 1 random
        bytes, each name long enough that its line in the window is LINE_LENGTH characters;
        returns the folder and the names."""
        folder = self.folder()
        room = LINE_LENGTH - CHECKSUM_AND_BLANKS - len(support.windows_path(folder)) - 1
        generator = random.Random(FILE_COUNT)
        names = []
        for index in range(FILE_COUNT):
            stem = f"file {index:03} "
            name = stem + "x" * (room - len(stem) - len(".txt")) + ".txt"
            (folder / name).write_bytes(generator.randbytes(index))
            names.append(name)
        return folder, names

    def test_a_click_on_close_is_answered_while_the_files_are_still_being_read(self):
        # After the small files comes a big one, still being read when the click lands, so
        # the exit status tells whether the click stopped the work (1) or came only after
        # it had ended (0). Reading it takes seconds, far less than what the queue of 300
        # files' messages would keep a click waiting.
        folder, names = self.small_files()
        subprocess.run(["truncate", "-s", md5sum_tests.BIG_SIZE, folder / "big.bin"], check=True)
        program = self.start_by_shell(folder, *names, "big.bin")

        report = program.wait_for_dialog(support.TOOL_TITLE)
        support.click_button(self.session, report, "Close")
        self.assertEqual(program.wait_for_exit(), 1,
                         "Close ended the program before every file was read")

    def test_every_file_is_listed_with_the_host_md5sums_checksum(self):
        folder, names = self.small_files()
        program = self.start_by_shell(folder, *names)

        report = self.wait_until_done(program)
        text = report["edits"][0]
        self.assertGreater(len(text), 32767, "more than an edit field takes by default")
        expected = []
        for line in md5sum_tests.host_md5sum(folder, *names).splitlines():
            checksum, name = line.split("  ", 1)
            expected.append(f"{checksum}  {support.windows_path(folder / name)}")
        self.assertEqual(text.split("\r\n"), expected)
        self.assertEqual(report["edit_selections"], [[0, 32]], "the first checksum is selected")
        support.click_button(self.session, report, "Close")
        self.assertEqual(program.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main()
