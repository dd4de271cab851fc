#!/usr/bin/env python3
"""The batch tool's progress line goes only where a person watches it.

Long work with standard error to a pipe or to a file writes no progress text; the same work with
standard error on a pseudo-terminal shows it. The line's delay is set to nothing, so the outcome
does not depend on how fast the machine finishes the work.

usage: progress_destinations.py BATCH_TOOL      (a native program, or the WebAssembly .js run by node)
"""
import os
import pty
import select
import subprocess
import sys
import tempfile
import unittest

TOOL = os.path.abspath(sys.argv.pop(1))
PROGRESS = b"qeb-vantrel-batch: working, "
STATIONS = "1201"


def command(*args):
    if TOOL.endswith(".js"):
        # This emscripten's loader would fetch() the module's file under node 18 and later.
        return ["node", "--no-experimental-fetch", TOOL, *args]
    return [TOOL, *args]


def environment():
    return dict(os.environ, VANTREL_PROGRESS_DELAY_MS="0")


def read_until_closed(descriptor):
    """Everything written to a pseudo-terminal until its last writer closes it."""
    seen = b""
    while True:
        ready, _, _ = select.select([descriptor], [], [])
        if not ready:
            continue
        try:
            chunk = os.read(descriptor, 4096)
        except OSError:  # EIO: the other end is closed
            return seen
        if not chunk:
            return seen
        seen += chunk


class ProgressDestinations(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        generated = subprocess.run(command("naca", "2412", "--stations", STATIONS),
                                   capture_output=True, check=True)
        with open(os.path.join(cls.folder.name, "long.nca"), "wb") as out:
            out.write(generated.stdout)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def run_long_work(self, stderr):
        return subprocess.run(command("open", "long.nca", "vortex"), cwd=self.folder.name,
                              env=environment(), stdout=subprocess.DEVNULL, stderr=stderr)

    def test_a_pipe_gets_no_progress(self):
        run = self.run_long_work(subprocess.PIPE)
        self.assertEqual(run.returncode, 0)
        self.assertNotIn(PROGRESS, run.stderr)
        self.assertEqual(run.stderr, b"")

    def test_a_file_gets_no_progress(self):
        with tempfile.TemporaryFile() as errors:
            self.assertEqual(self.run_long_work(errors).returncode, 0)
            errors.seek(0)
            self.assertEqual(errors.read(), b"")

    def test_a_terminal_shows_progress(self):
        main, terminal = pty.openpty()
        try:
            process = subprocess.Popen(command("open", "long.nca", "vortex"), cwd=self.folder.name,
                                       env=environment(), stdin=subprocess.DEVNULL,
                                       stdout=subprocess.DEVNULL, stderr=terminal)
            os.close(terminal)
            terminal = None
            shown = read_until_closed(main)
            self.assertEqual(process.wait(), 0)
        finally:
            os.close(main)
            if terminal is not None:
                os.close(terminal)
        self.assertIn(PROGRESS, shown)
        self.assertIn(b"% done", shown)


if __name__ == "__main__":
    unittest.main(verbosity=2)
