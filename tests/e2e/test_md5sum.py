"""md5sum.exe, the project's checksum tool: md5sum's lines when it runs with an output
or a console, a window that stays and lets a person copy the checksum when the shell
starts it with nowhere to print.

The window tests start it as talqo.exe has it started: by the shell, through probe.exe
shellrun, which waits for it and ends with its exit status.
"""

import json
import random
import shutil
import subprocess
import unittest

import action_support as support
import harness

# RFC 1321, appendix A.5: the test suite's strings and their digests.
RFC_1321_SUITE = [
    (b"", "d41d8cd98f00b204e9800998ecf8427e"),
    (b"a", "0cc175b9c0f1b6a831c399e269772661"),
    (b"abc", "900150983cd24fb0d6963f7d28e17f72"),
    (b"message digest", "f96b697d7cb7938d525a2f31aaf161d0"),
    (b"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"),
    (b"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "d174ab98d277d9f5a5611c2c9f419d9f"),
    (b"1234567890" * 8, "57edf4a22be3c955ac49da2e2107b67a"),
]

GREEK_NAME = "Ωμέγα.txt"
# Up from the results field's lower edge, above its horizontal scroll bar and below its
# third line.
BELOW_THE_LAST_LINE = 24
# Sparse: big to read, nothing on the disk.
BIG_SIZE = "3G"
# So big that the tool cannot finish it while a test waits: only a stop ends it.
ENDLESS_SIZE = "300G"


def host_md5sum(folder, *names):
    """What the host's md5sum prints for the files, run in `folder`."""
    return subprocess.run(["md5sum", "--", *names], cwd=folder, capture_output=True, text=True,
                          check=True, timeout=120).stdout


class ToolTestCase(harness.TalqoTestCase):
    def folder(self, files=None):
        """A fresh folder with md5sum.exe and the given files ({name: bytes})."""
        path = self.other_folder()
        shutil.copyfile(self.session.md5sum_exe, path / "md5sum.exe")
        for name, data in (files or {}).items():
            (path / name).write_bytes(data)
        return path


class ConsoleTest(ToolTestCase):
    """`wine md5sum.exe FILE... > out.txt`: the lines go to the file, nothing shows."""

    def run_tool(self, folder, *names):
        return self.session.wine(folder / "md5sum.exe", *names, cwd=folder)

    def test_prints_rfc_1321_suite_digests_as_md5sum_lines(self):
        files = {f"suite {index}.txt": text for index, (text, _) in enumerate(RFC_1321_SUITE)}
        folder = self.folder(files)
        status, stdout, stderr = self.run_tool(folder, *files)
        self.assertEqual((status, stderr), (0, ""))
        self.assertEqual(stdout, "".join(f"{digest}  {name}\n" for name, (_, digest)
                                         in zip(files, RFC_1321_SUITE)))

    def test_agrees_with_the_host_md5sum(self):
        generator = random.Random(1321)
        files = {
            "empty": b"",
            "every byte.bin": bytes(range(256)),
            # Longer than two of the tool's read chunks, and not a multiple of one.
            "chunks.bin": generator.randbytes(9 * 1024 * 1024 + 7),
            GREEK_NAME: "Καλημέρα\n".encode(),
        }
        folder = self.folder(files)
        status, stdout, stderr = self.run_tool(folder, *files)
        self.assertEqual((status, stderr), (0, ""))
        self.assertEqual(stdout, host_md5sum(folder, *files))

    def test_a_file_that_cannot_be_read_gets_a_reason_and_exit_status_1(self):
        for names, printed, unread in [
            (["missing.txt"], "", ["missing.txt"]),
            (["abc.txt", "missing.txt", "abc.txt"],
             "900150983cd24fb0d6963f7d28e17f72  abc.txt\n" * 2, ["missing.txt"]),
            (["a folder"], "", ["a folder"]),
        ]:
            with self.case(" ".join(names)):
                folder = self.folder({"abc.txt": b"abc"})
                (folder / "a folder").mkdir()
                status, stdout, stderr = self.run_tool(folder, *names)
                self.assertEqual(status, 1)
                self.assertEqual(stdout, printed)
                lines = stderr.splitlines()
                self.assertEqual(len(lines), len(unread), stderr)
                for line, name in zip(lines, unread):
                    self.assertRegex(line, f"^md5sum: {name}: .+")

    def test_without_a_file_it_says_how_to_use_it(self):
        status, stdout, stderr = self.run_tool(self.folder())
        self.assertEqual((status, stdout, stderr), (1, "", "usage: md5sum.exe FILE...\n"))

    def test_on_a_terminal_it_prints_to_the_console_and_ends(self):
        # Wine makes the terminal the program's console; `script` gives it one.
        folder = self.folder({GREEK_NAME: b"abc"})
        typescript = folder / "typescript"
        command = f"wine md5sum.exe {GREEK_NAME}"
        subprocess.run(["script", "--quiet", "--return", "--command", command, str(typescript)],
                       cwd=folder, env=self.session.environment, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, check=True, timeout=60)
        self.assertRegex(typescript.read_text(encoding="utf-8", errors="replace"),
                         f"900150983cd24fb0d6963f7d28e17f72  {GREEK_NAME}\r?\n")


class WindowTestCase(ToolTestCase):
    """Started by the shell with nowhere to print: the window, and what its tests share."""

    def start_by_shell(self, folder, *names):
        """Starts md5sum.exe by the shell on the files, each named by its full Windows path
        in double quotes, as talqo.exe names the target; returns the running probe.exe.
        md5sum.exe ends with the test, also when the test fails while its window is open."""
        parameters = " ".join(f'"{support.windows_path(folder / name)}"' for name in names)
        program = harness.RunningProgram(self.session, self.session.tool("probe.exe"), folder,
                                         ["shellrun", folder / "md5sum.exe", parameters])
        self.addCleanup(self.end, program)
        self.addCleanup(self.end_tool, program, self.started_tool(program))
        return program

    def started_tool(self, program):
        """The Windows pid of the md5sum.exe that the shell started for probe.exe."""

        def started():
            # Only whole lines: the probe may be writing one.
            lines = program.stdout().split("\n")[:-1]
            if lines:
                report = json.loads(lines[0])
                self.assertTrue(report["started"], "the shell did not start md5sum.exe")
                return report["pid"]
            if program.exit_status() is not None:
                self.fail(f"probe.exe ended with status {program.exit_status()} before the "
                          f"shell started md5sum.exe: {program.stderr()!r}")
            return None

        return harness.wait_until(started, "the shell to start md5sum.exe")

    def end_tool(self, program, tool_pid):
        """Ends md5sum.exe when it still runs: ending the probe that waits for it would
        leave its window open in the way of the tests after. Only while the probe waits,
        holding the process, does the pid stay md5sum.exe's."""
        if program.exit_status() is None:
            self.session.probe("end", tool_pid)

    def window(self):
        report = self.session.probe("dialog", support.TOOL_TITLE)
        self.assertTrue(report["found"], "the window is gone")
        return report

    def wait_until_done(self, program):
        """The window's report once its results are in and the progress line is gone."""
        program.wait_for_dialog(support.TOOL_TITLE)

        return self.window_once(support.tool_finished, "the checksums to show", timeout=120)

    def window_once(self, predicate, what, timeout=harness.TIMEOUT_SECONDS):
        """The window's report once `predicate` holds for it; fails at once if it goes."""

        def seen():
            report = self.window()
            return report if predicate(report) else None

        return harness.wait_until(seen, what, timeout)

    def clipboard(self):
        report = self.session.probe("clipboard")
        return report["text"] if report["found"] else None

    def assert_only_window_is_the_tool(self, program):
        windows = self.session.probe("list")["windows"]
        self.assertEqual([(window["title"], window["pid"]) for window in windows],
                         [(support.TOOL_TITLE, program.windows_pid)],
                         "no console window, nothing else")


class WindowTest(WindowTestCase):
    def test_lists_each_file_with_the_first_checksum_selected_and_copies_the_chosen_one(self):
        folder = self.folder({"abc.txt": b"abc", GREEK_NAME: b"message digest"})
        program = self.start_by_shell(folder, "abc.txt", "missing.txt", GREEK_NAME)
        report = self.wait_until_done(program)
        self.assert_only_window_is_the_tool(program)

        lines = report["edits"][0].split("\r\n")
        self.assertEqual(len(lines), 3, lines)
        self.assertEqual(lines[0], "900150983cd24fb0d6963f7d28e17f72  "
                         + support.windows_path(folder / "abc.txt"))
        self.assertRegex(lines[1], "^Cannot read " + support.windows_path(
            folder / "missing.txt").replace("\\", "\\\\") + ": .+")
        self.assertEqual(lines[2], "f96b697d7cb7938d525a2f31aaf161d0  "
                         + support.windows_path(folder / GREEK_NAME))
        self.assertEqual(report["edit_selections"], [[0, 32]])
        self.assertTrue(self.session.probe("copy", "something else")["copied"])

        support.click_button(self.session, report, "Copy")
        harness.wait_until(lambda: self.clipboard() == "900150983cd24fb0d6963f7d28e17f72",
                           "Copy to put the first checksum on the clipboard")
        self.assertEqual(self.window()["statics"],
                         [f"Copied the checksum of {support.windows_path(folder / 'abc.txt')}."])

        # A click below the last line puts the caret on it; Copy takes that line's checksum.
        left, _, _, bottom = report["edit_rects"][0]
        self.session.click(left + 40, bottom - BELOW_THE_LAST_LINE)
        harness.wait_until(lambda: self.window()["edit_selections"][0][0] > len(lines[0]) +
                           len(lines[1]), "the caret to move to the third line")
        support.click_button(self.session, report, "Copy")
        harness.wait_until(lambda: self.clipboard() == "f96b697d7cb7938d525a2f31aaf161d0",
                           "Copy to put the third line's checksum on the clipboard")

        self.session.xdotool("key", "Escape")
        self.assertEqual(program.wait_for_exit(), 1, "a file was missing")

    def test_started_without_a_file_it_says_so_and_waits_to_be_closed(self):
        program = self.start_by_shell(self.folder())
        program.wait_for_dialog(support.TOOL_TITLE)
        report = self.window_once(lambda report: report["statics"],
                                  "the window to say what it has")
        self.assertEqual(report["statics"], ["No file was named on the command line."])
        self.assertEqual(report["edits"], [""])
        self.assertIsNone(program.exit_status(), "the window waits for the person")
        support.click_button(self.session, report, "Close")
        self.assertEqual(program.wait_for_exit(), 1)

    def test_escape_in_the_results_field_closes_the_window(self):
        folder = self.folder({"abc.txt": b"abc"})
        program = self.start_by_shell(folder, "abc.txt")
        report = self.wait_until_done(program)
        # A click on the text keeps the focus where the window put it, in the field.
        left, top, _, _ = report["edit_rects"][0]
        self.session.click(left + 40, top + 8)
        self.session.xdotool("key", "Escape")
        self.assertEqual(program.wait_for_exit(), 0)

    def test_a_big_file_shows_progress_while_the_window_moves_then_its_checksum(self):
        folder = self.folder()
        subprocess.run(["truncate", "-s", BIG_SIZE, folder / "big.bin"], check=True)
        program = self.start_by_shell(folder, "big.bin")
        program.wait_for_dialog(support.TOOL_TITLE)
        reading = "Reading " + support.windows_path(folder / "big.bin") + "\u2026 "
        first = self.window_once(lambda report: report["statics"][0].startswith(reading),
                                 "the progress to show")

        left, top, right, _ = first["window_rect"]
        title_bar = ((left + right) // 2, top + 10)
        offset = (-150, -200)
        self.session.mouse_down(*title_bar)
        self.session.mouse_move(title_bar[0] - 50, title_bar[1] - 50)
        self.session.mouse_move(title_bar[0] + offset[0], title_bar[1] + offset[1])
        self.session.mouse_up(title_bar[0] + offset[0], title_bar[1] + offset[1])
        moved = self.window_once(
            lambda report: report["window_rect"][:2] == [left + offset[0], top + offset[1]],
            "the window to move")
        self.assertRegex(moved["statics"][0], "^" + reading.replace("\\", "\\\\") + r"\d+ %$",
                         "the window moved while the file was still being read")
        self.assertEqual(moved["edits"], [""])

        done = self.wait_until_done(program)
        expected = host_md5sum(folder, "big.bin").split()[0]
        self.assertEqual(done["edits"], [f"{expected}  {support.windows_path(folder / 'big.bin')}"])
        self.assertEqual(done["edit_selections"], [[0, 32]])
        support.click_button(self.session, done, "Close")
        self.assertEqual(program.wait_for_exit(), 0)

    def test_closing_while_it_reads_stops_the_work_and_ends_the_program(self):
        folder = self.folder()
        subprocess.run(["truncate", "-s", ENDLESS_SIZE, folder / "endless.bin"], check=True)
        program = self.start_by_shell(folder, "endless.bin")
        program.wait_for_dialog(support.TOOL_TITLE)
        harness.wait_until(lambda: self.window()["statics"][0].endswith(" %"),
                           "the progress to show")
        self.assertTrue(self.session.probe("close", support.TOOL_TITLE)["found"])
        self.assertEqual(program.wait_for_exit(), 1, "the file was not read to its end")


if __name__ == "__main__":
    unittest.main()
