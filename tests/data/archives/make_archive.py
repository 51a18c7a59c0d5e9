#!/usr/bin/python3
"""Writes a keyed archive as the platform's NSKeyedArchiver lays it out, built by hand with
plistlib (an archiver independent of ours): a mutable dictionary holding a string, a
boolean, an unsigned 64-bit number above INT64_MAX, a double, data and a date.

    make_archive.py [OUTPUT]    (default: python-made.archive beside this script)
"""
import os
import plistlib
import sys
from plistlib import UID

STRING = "Grüße ✓ \U0001D11E"
UNSIGNED = 2**64 - 1
DOUBLE = 120.9
DATA = bytes([0, 1, 2, 0xFF])
TIME = 650000000.5  # seconds since 2001-01-01 00:00:00 UTC

# The root dictionary first, then its keys, then its values, each class record after the
# first object of its class; plain strings, numbers and data inline.
objects = [
    "$null",
    {"NS.keys": [UID(2), UID(3), UID(4), UID(5), UID(6), UID(7)],
     "NS.objects": [UID(8), UID(9), UID(10), UID(11), UID(12), UID(13)],
     "$class": UID(15)},
    "string", "flag", "unsigned", "double", "data", "date",
    STRING, True, UNSIGNED, DOUBLE, DATA,
    {"NS.time": TIME, "$class": UID(14)},
    {"$classname": "NSDate", "$classes": ["NSDate", "NSObject"]},
    {"$classname": "NSMutableDictionary",
     "$classes": ["NSMutableDictionary", "NSDictionary", "NSObject"]},
]
archive = {
    "$version": 100000,
    "$archiver": "NSKeyedArchiver",
    "$top": {"root": UID(1)},
    "$objects": objects,
}

output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "python-made.archive")
with open(output, "wb") as file:
    plistlib.dump(archive, file, fmt=plistlib.FMT_BINARY, sort_keys=False)
