"""Starts qlx-sim for a test and writes the driver's record naming its terminal."""
import os
import subprocess
import time

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "scripts")


class Simulator:
    def __init__(self, program, options=()):
        self.process = subprocess.Popen([program, *options], stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, text=True)
        self.pty = self.process.stdout.readline().strip()
        if not self.pty:
            raise RuntimeError("qlx-sim did not start: " + self.process.stderr.read())

    def stop(self):
        self.process.kill()
        self.process.wait()


def write_record(folder, port):
    """The demo's record writer, so the tests use the same bytes as scripts/run.sh."""
    subprocess.run(["python3", os.path.join(SCRIPTS, "make-config-record.py"), folder, port], check=True)


def linear_fruit_csv(path, samples=400):
    """Raw samples on a straight line: 0.1 mm and 0.2 kg per sample with the
    simulator's default ratios, so every resampled row lies on the line."""
    with open(path, "w") as f:
        for k in range(samples):
            f.write(f"{20 + 200 * k},{5 * k}\n")


def wait_until(condition, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.005)
    return False
