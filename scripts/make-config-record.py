#!/usr/bin/env python3
"""Writes the driver's configuration record QLX_DLL.CFG naming a serial port.

    make-config-record.py FOLDER PORT
"""
import os
import struct
import sys

RECORD_SIZE, VERSION_OFFSET, PORT_OFFSET = 1080, 12, 478


def main():
    folder, port = sys.argv[1], sys.argv[2].encode()
    record = bytearray(RECORD_SIZE)
    struct.pack_into("<i", record, VERSION_OFFSET, 3)
    name = port[: RECORD_SIZE - PORT_OFFSET - 1]
    record[PORT_OFFSET:PORT_OFFSET + len(name)] = name
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "QLX_DLL.CFG")
    with open(path + ".tmp", "wb") as f:
        f.write(record)
    os.replace(path + ".tmp", path)


if __name__ == "__main__":
    main()
