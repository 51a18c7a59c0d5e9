#!/usr/bin/python3
"""Reads and writes Sealscribe documents with plistlib, hashlib and Debian's
python3-cryptography: an implementation of the file format independent of ours.

    sealscribe_doc.py read FILE PASSWORD
        Unlocks FILE and prints JSON: "appversion", "body" (hex), "check" (the check
        string's bytes, hex), "sha1" (hex of "sha1-rc"), "checkMatches", "crDate"
        (seconds since 2001-01-01), "crMAC" (hex), "salt", "IV" (hex), and the plain keys.
        Exits non-zero with a message when the file is no such document or the password
        is refused.

    sealscribe_doc.py write VERSION PASSWORD BODYFILE OUTPUT
        Writes a document of format VERSION (20400, 20000 or 10600) whose body is the
        bytes of BODYFILE, with the public note "written by python", the frame
        (120.9, -35.5, 640, 480) and a creation date of 650000000.5.
"""
import hashlib
import json
import os
import plistlib
import sys
import warnings
from plistlib import UID

from cryptography.hazmat.primitives import padding
from cryptography.hazmat.primitives.ciphers import Cipher, algorithms, modes

BLOWFISH_VECTOR = bytes.fromhex("5e19a7c40b3ff286")
ROUNDS = 10000
CREATION_TIME = 650000000.5
MAC = bytes.fromhex("001b638445e6")


def fail(message):
    sys.exit("sealscribe_doc: " + message)


class Date:
    def __init__(self, seconds):
        self.seconds = seconds


# Keyed archives ------------------------------------------------------------------------

def archive(root):
    objects = ["$null"]
    classes = {}

    def class_uid(name):
        if name not in classes:
            objects.append({"$classname": name, "$classes": [name, "NSObject"]})
            classes[name] = UID(len(objects) - 1)
        return classes[name]

    def encode(value):
        index = len(objects)
        objects.append(None)
        if isinstance(value, dict):
            keys = [encode(key) for key in value]
            members = [encode(member) for member in value.values()]
            objects[index] = {"NS.keys": keys, "NS.objects": members,
                              "$class": class_uid("NSDictionary")}
        elif isinstance(value, Date):
            objects[index] = {"NS.time": float(value.seconds), "$class": class_uid("NSDate")}
        else:
            objects[index] = value
        return UID(index)

    top = encode(root)
    return plistlib.dumps({"$version": 100000, "$archiver": "NSKeyedArchiver",
                           "$top": {"root": top}, "$objects": objects},
                          fmt=plistlib.FMT_BINARY, sort_keys=False)


def unarchive(data):
    try:
        plist = plistlib.loads(data)
    except Exception as error:
        fail(f"no property list: {error}")
    if not isinstance(plist, dict) or plist.get("$archiver") != "NSKeyedArchiver":
        fail("no keyed archive")
    objects = plist["$objects"]

    def resolve(uid):
        value = objects[uid.data]
        if not isinstance(value, dict):
            return value
        name = objects[value["$class"].data]["$classname"]
        if name in ("NSDictionary", "NSMutableDictionary"):
            return {resolve(key): resolve(member)
                    for key, member in zip(value["NS.keys"], value["NS.objects"])}
        if name == "NSDate":
            return Date(value["NS.time"])
        if name in ("NSMutableString", "NSString"):
            return value["NS.string"]
        if name in ("NSMutableData", "NSData"):
            return value["NS.data"]
        fail(f"unexpected class {name}")

    return resolve(plist["$top"]["root"])


# Ciphers -------------------------------------------------------------------------------

def aes_key(password, salt):
    # As many UTF-8 bytes as the password has UTF-16 units.
    units = len(password.encode("utf-16-le")) // 2
    return hashlib.pbkdf2_hmac("sha1", password.encode("utf-8")[:units], salt, ROUNDS, 32)


def aes(key, iv, data, encrypt):
    cipher = Cipher(algorithms.AES(key), modes.CBC(iv))
    if encrypt:
        padder = padding.PKCS7(128).padder()
        worker = cipher.encryptor()
        return worker.update(padder.update(data) + padder.finalize()) + worker.finalize()
    worker = cipher.decryptor()
    padded = worker.update(data) + worker.finalize()
    unpadder = padding.PKCS7(128).unpadder()
    return unpadder.update(padded) + unpadder.finalize()


def blowfish(password, data, encrypt):
    key = password.encode("mac_roman")[:16].ljust(16, b"\0")
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        cipher = Cipher(algorithms.Blowfish(key), modes.CBC(BLOWFISH_VECTOR))
    if encrypt:
        padder = padding.PKCS7(64).padder()
        worker = cipher.encryptor()
        return worker.update(padder.update(data) + padder.finalize()) + worker.finalize()
    worker = cipher.decryptor()
    padded = worker.update(data) + worker.finalize()
    unpadder = padding.PKCS7(64).unpadder()
    return unpadder.update(padded) + unpadder.finalize()


# Commands ------------------------------------------------------------------------------

def read(path, password):
    with open(path, "rb") as file:
        document = unarchive(file.read())
    if not isinstance(document, dict):
        fail("the root is no dictionary")
    version = document.get("appversion", 0)
    result = {"appversion": version,
              "publicTextData": document.get("publicTextData"),
              "isEditable": document.get("isEditable"),
              "frame": [document.get(key) for key in
                        ("windowRecX", "windowRecY", "windowRecWidth", "windowRecHeight")],
              "makeToolbarVisibleAtDecrypt": document.get("makeToolbarVisibleAtDecrypt")}
    if version < 10700:
        result["body"] = blowfish(password, document.get("textData", b""), False).hex()
        return result
    salt, iv = document["salt"], document["IV"]
    key = aes_key(password, salt)
    try:
        check = aes(key, iv, document["rc"], False)
    except ValueError:
        fail("wrong password")
    result["check"] = check.hex()
    result["sha1"] = document["sha1-rc"].hex()
    result["checkMatches"] = hashlib.sha1(check).digest() == document["sha1-rc"]
    if not result["checkMatches"]:
        fail("wrong password")
    date = unarchive(aes(key, iv, document["crDate"], False))
    if not isinstance(date, Date):
        fail("crDate holds no date")
    result["crDate"] = date.seconds
    result["crMAC"] = aes(key, iv, document["crMAC"], False).hex()
    result["body"] = aes(key, iv, document["textData"], False).hex()
    result["salt"], result["IV"] = salt.hex(), iv.hex()
    return result


def write(version, password, body, output):
    document = {"appversion": version, "publicTextData": "written by python",
                "isEditable": True}
    if version < 10700:
        document["textData"] = blowfish(password, body, True)
    else:
        salt, iv = os.urandom(8), os.urandom(16)
        key = aes_key(password, salt)
        check = bytes(range(1, 256)).decode("latin-1").encode("utf-8") + b"A"
        document.update({
            "textData": aes(key, iv, body, True),
            "crDate": aes(key, iv, archive(Date(CREATION_TIME)), True),
            "crMAC": aes(key, iv, MAC, True),
            "salt": salt, "IV": iv,
            "rc": aes(key, iv, check, True),
            "sha1-rc": hashlib.sha1(check).digest()})
    document.update({"windowRecX": 120.9, "windowRecY": -35.5,
                     "windowRecWidth": 640.0, "windowRecHeight": 480.0})
    if version >= 20100:
        document["makeToolbarVisibleAtDecrypt"] = False
    with open(output, "wb") as file:
        file.write(archive(document))


if len(sys.argv) == 4 and sys.argv[1] == "read":
    print(json.dumps(read(sys.argv[2], sys.argv[3]), sort_keys=True))
elif len(sys.argv) == 6 and sys.argv[1] == "write":
    with open(sys.argv[4], "rb") as body_file:
        write(int(sys.argv[2]), sys.argv[3], body_file.read(), sys.argv[5])
else:
    fail(__doc__)
