#!/usr/bin/env python3
"""The C example qlx-measure measures a simulated fruit and prints its curve.

    measure_example_test.py QLX_MEASURE LIBRARY QLX_SIM
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sim_support import Simulator, write_record  # noqa: E402


def main():
    program, library, sim_path = sys.argv[1:4]
    work = tempfile.mkdtemp()
    sim = Simulator(sim_path, ["--fruit", "pear", "--seed", "4"])
    try:
        write_record(work, sim.pty)
        env = dict(os.environ, QLX_SERIAL_PORTS=sim.pty, QLX_MESSAGE_LOG=os.path.join(work, "m.jsonl"))
        run = subprocess.run([program, library, work, "20"], env=env, capture_output=True, text=True, timeout=60)
    finally:
        sim.stop()
    lines = run.stdout.splitlines()
    problems = []
    if run.returncode != 0:
        problems.append(f"exit code {run.returncode}: {run.stderr}")
    if lines[:1] != ["quantity,value,unit"] or "deflection_mm,force_kg" not in lines:
        problems.append("unexpected output:\n" + run.stdout[:500])
    else:
        table = lines[lines.index("deflection_mm,force_kg") + 1:]
        values = dict(line.split(",")[:2] for line in lines[1:5])
        deflections = [float(row.split(",")[0]) for row in table]
        forces = [float(row.split(",")[1]) for row in table]
        if len(table) < 20 or deflections[:3] != [0.0, 0.1, 0.2]:
            problems.append(f"table of {len(table)} rows starts {table[:3]}")
        elif not 0.8 * float(values["max_firmness"]) < max(forces) <= float(values["max_firmness"]) + 0.001:
            # Rows between samples cannot rise above the curve's own maximum.
            problems.append(f"table maximum {max(forces)} against {values['max_firmness']}")
    for p in problems:
        print("FAILED:", p)
    print(f"{0 if problems else 1} passed, {1 if problems else 0} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
