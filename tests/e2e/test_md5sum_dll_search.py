"""A DLL named like a system one, put beside md5sum.exe in a folder that others can write
to, never runs: md5sum.exe takes bcrypt.dll from the system folder only, says so plainly
when it finds none there, and keeps the one it took until the process ends.

Left to itself, Wine takes its own bcrypt.dll whatever lies beside a program; with
bcrypt=n,b its loader looks for the DLL as Windows does, in the program's folder first.
"""

import shutil
import subprocess
import unittest

import action_support as support
import harness
from wine_session.wine import run_to_end

PLANTED_DLL = "bcrypt.dll"
# What the planted DLL's start-up code writes beside itself: the path of the program that
# loaded it.
MARKER = "planted-dll-ran.txt"
FILES = {
    "abc.txt": b"abc",
    "every byte.bin": bytes(range(256)),
    "Ωμέγα.txt": "Καλημέρα\n".encode(),
}


class PlantedBcryptDllTest(harness.TalqoTestCase):
    def folder_with_planted_dll(self, program):
        """A fresh folder holding a copy of the program, the planted bcrypt.dll and FILES."""
        folder = self.other_folder()
        shutil.copyfile(program, folder / program.name)
        shutil.copyfile(self.session.tool("planted_bcrypt.dll"), folder / PLANTED_DLL)
        for name, data in FILES.items():
            (folder / name).write_bytes(data)
        return folder

    def run_in(self, folder, program, *arguments, bcrypt_load_order="n,b"):
        """Runs the folder's program with Wine's load order for bcrypt.dll; the harness's
        own overrides stay."""
        environment = dict(self.session.environment)
        environment["WINEDLLOVERRIDES"] += f";bcrypt={bcrypt_load_order}"
        return run_to_end(environment, [folder / program, *arguments], cwd=folder)

    def test_a_program_that_imports_bcrypt_dll_runs_the_one_beside_it(self):
        folder = self.folder_with_planted_dll(self.session.tool("bcrypt_importer.exe"))
        status, _, _ = self.run_in(folder, "bcrypt_importer.exe")
        self.assertTrue((folder / MARKER).exists(), "the planted DLL did not run")
        self.assertEqual((folder / MARKER).read_text(encoding="utf-8"),
                         support.windows_path(folder / "bcrypt_importer.exe"))
        # The planted DLL's functions answered, and they fail.
        self.assertEqual(status, 1)

    def test_md5sum_never_runs_the_one_beside_it_and_prints_the_right_checksums(self):
        folder = self.folder_with_planted_dll(self.session.md5sum_exe)
        status, stdout, stderr = self.run_in(folder, "md5sum.exe", *FILES)
        self.assertFalse((folder / MARKER).exists(), "the planted DLL ran")
        self.assertEqual((status, stderr), (0, ""))
        expected = subprocess.run(["md5sum", "--", *FILES], cwd=folder, capture_output=True,
                                  text=True, check=True, timeout=60).stdout
        self.assertEqual(stdout, expected)

    def test_without_bcrypt_dll_md5sum_says_the_system_offers_no_md5(self):
        folder = self.folder_with_planted_dll(self.session.md5sum_exe)
        # An empty load order: Wine loads no bcrypt.dll at all, neither its own nor the
        # planted one.
        status, stdout, stderr = self.run_in(folder, "md5sum.exe", "abc.txt", bcrypt_load_order="")
        self.assertEqual((status, stdout), (1, ""))
        self.assertIn("abc.txt: The system offers no MD5 (bcrypt.dll).", stderr)
        self.assertFalse((folder / MARKER).exists(), "the planted DLL ran")

    def test_md5sum_keeps_bcrypt_dll_loaded_until_the_process_ends(self):
        # Wine's loader says which DLLs it loads and which it unloads before the process
        # ends; what the process still holds as it ends goes without a word.
        folder = self.other_folder()
        shutil.copyfile(self.session.md5sum_exe, folder / "md5sum.exe")
        (folder / "abc.txt").write_bytes(b"abc")
        environment = dict(self.session.environment, WINEDEBUG="+loaddll")
        status, stdout, stderr = run_to_end(environment, [folder / "md5sum.exe", "abc.txt"],
                                            cwd=folder)
        self.assertEqual((status, stdout), (0, "900150983cd24fb0d6963f7d28e17f72  abc.txt\n"))
        bcrypt_lines = [line for line in stderr.splitlines() if "\\bcrypt.dll" in line]
        self.assertTrue(any("Loaded" in line for line in bcrypt_lines), stderr)
        self.assertEqual([line for line in bcrypt_lines if "Unloaded" in line], [])


if __name__ == "__main__":
    unittest.main()
