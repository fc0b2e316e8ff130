#!/usr/bin/env python3
"""A Python ctypes client measures a fruit through the shared library and gets
the expected table at each resolution.

    measure_ctypes_test.py LIBRARY QLX_SIM
"""
import ctypes
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sim_support import Simulator, linear_fruit_csv, wait_until, write_record  # noqa: E402


def main():
    library_path, sim_path = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp()
    csv = os.path.join(work, "fruit.csv")
    linear_fruit_csv(csv)
    sim = Simulator(sim_path, ["--csv", csv])
    failures = []
    try:
        write_record(work, sim.pty)
        os.environ["QLX_SERIAL_PORTS"] = sim.pty
        os.environ["QLX_MESSAGE_LOG"] = os.path.join(work, "messages.jsonl")
        qlx = ctypes.CDLL(library_path)
        for name in ("QLXReadMaxFirmness", "QLXReadLastFirmness", "QLXReadEnergy"):
            getattr(qlx, name).restype = ctypes.c_float
        qlx.QLXGetGraphCoord.argtypes = [ctypes.POINTER(ctypes.c_float)] * 2 + [ctypes.c_int32]

        qlx.QLXInit2(work.encode())
        if not wait_until(lambda: qlx.QLXBitStatus(7) == 1):
            raise SystemExit("the instrument did not respond")
        qlx.QLXDoFirmnessReading()
        if not wait_until(lambda: qlx.QLXBitStatus(1) == 1):
            raise SystemExit("no reading arrived")

        for resolution, step in ((0, 0.5), (1, 0.1), (2, 0.01)):
            rows = qlx.QLXGetCoordCnt(resolution)
            x = (ctypes.c_float * (rows + 1))()
            y = (ctypes.c_float * (rows + 1))()
            if qlx.QLXGetGraphCoord(x, y, rows + 1) != rows or rows < 10:
                failures.append(f"resolution {resolution}: {rows} rows not copied")
                continue
            # 0.2 kg per 0.1 mm from the trigger point on, starting at the trigger's force.
            base = y[0]
            for i in range(rows):
                if abs(x[i] - i * step) > 0.006 or abs(y[i] - (base + 2.0 * x[i])) > 0.0015:
                    failures.append(f"resolution {resolution} row {i}: ({x[i]}, {y[i]})")
                    break
        maximum = qlx.QLXReadMaxFirmness()
        if not maximum > 0 or qlx.QLXBitStatus(1) != 0:
            failures.append(f"maximum {maximum} or the ready bit is wrong")
        qlx.QLXQuit()
        log = os.environ["QLX_MESSAGE_LOG"]
        if os.path.exists(log) and os.path.getsize(log):
            failures.append("messages: " + open(log).read())
    finally:
        sim.stop()
    for failure in failures:
        print("FAILED:", failure)
    print(f"{3 - min(len(failures), 3)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
