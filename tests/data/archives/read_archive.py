#!/usr/bin/python3
"""Reads a keyed archive with plistlib (a reader independent of ours), checks the layout
of the platform's NSKeyedArchiver format, and prints it as JSON: the $objects as stored
(UIDs as {"UID": n}, data as hex, reals as {"real": x}) and the root resolved
(dates as {"NS.time": x}). Exits non-zero with a message on any deviation.

    read_archive.py ARCHIVE
"""
import json
import plistlib
import sys
from plistlib import UID


def fail(message):
    sys.exit("read_archive: " + message)


def stored(value):
    if isinstance(value, UID):
        return {"UID": value.data}
    if isinstance(value, bytes):
        return {"data": value.hex()}
    if isinstance(value, float):
        return {"real": value}
    if isinstance(value, dict):
        return {key: stored(member) for key, member in value.items()}
    if isinstance(value, list):
        return [stored(member) for member in value]
    return value


def check_class(record, index):
    if not isinstance(record, dict) or not isinstance(record.get("$classname"), str):
        fail(f"class record {index} has no $classname")
    classes = record.get("$classes")
    if not isinstance(classes, list) or classes[0] != record["$classname"] \
            or classes[-1] != "NSObject":
        fail(f"class record {index} has no class chain")
    return record["$classname"]


def resolve(objects, uid):
    if not isinstance(uid, UID) or not 0 < uid.data < len(objects):
        fail(f"bad reference {uid!r}")
    value = objects[uid.data]
    if not isinstance(value, dict):
        return stored(value)
    name = check_class(objects[value["$class"].data], value["$class"].data)
    if name in ("NSDictionary", "NSMutableDictionary"):
        keys, members = value["NS.keys"], value["NS.objects"]
        if len(keys) != len(members):
            fail("NS.keys and NS.objects differ in length")
        return {resolve(objects, key): resolve(objects, member)
                for key, member in zip(keys, members)}
    if name in ("NSArray", "NSMutableArray", "NSSet", "NSMutableSet"):
        return {name: [resolve(objects, member) for member in value["NS.objects"]]}
    if name == "NSDate":
        if not isinstance(value["NS.time"], float):
            fail("NS.time is no real")
        return {"NS.time": value["NS.time"]}
    fail(f"unexpected class {name}")


with open(sys.argv[1], "rb") as file:
    archive = plistlib.load(file)
if archive.get("$archiver") != "NSKeyedArchiver" or archive.get("$version") != 100000:
    fail("not an NSKeyedArchiver archive of version 100000")
objects = archive["$objects"]
if objects[0] != "$null":
    fail("$objects does not begin with $null")
print(json.dumps({"$top": stored(archive["$top"]),
                  "$objects": stored(objects),
                  "root": resolve(objects, archive["$top"]["root"])},
                 sort_keys=True, ensure_ascii=True))
