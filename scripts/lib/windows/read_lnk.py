#!/usr/bin/python3
"""Prints a Windows shortcut's (.lnk) target, arguments and description.

One line each, "target=…", "arguments=…", "description=…": what the Start
menu runs and shows, read from the file as the Shell Link format lays it out,
so that the installer's shortcuts are checked without Windows.
"""
import struct
import sys

HAS_ID_LIST, HAS_LINK_INFO, HAS_NAME = 0x1, 0x2, 0x4
HAS_RELATIVE_PATH, HAS_WORKING_DIR, HAS_ARGUMENTS = 0x8, 0x10, 0x20
HAS_ICON_LOCATION, IS_UNICODE = 0x40, 0x80
HEADER_SIZE = 0x4C


def read_shortcut(data):
    if len(data) < HEADER_SIZE or struct.unpack_from("<I", data, 0)[0] != HEADER_SIZE:
        raise ValueError("not a shortcut: the header is missing")
    (flags,) = struct.unpack_from("<I", data, 20)
    at = HEADER_SIZE
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = ""
    if flags & HAS_LINK_INFO:
        size, header_size, _, _, base_offset = struct.unpack_from("<5I", data, at)
        if header_size >= 0x24:
            (unicode_offset,) = struct.unpack_from("<I", data, at + 0x1C)
            end = at + unicode_offset
            while data[end:end + 2] != b"\0\0":
                end += 2
            target = data[at + unicode_offset:end].decode("utf-16-le")
        else:
            end = data.index(b"\0", at + base_offset)
            target = data[at + base_offset:end].decode("mbcs" if sys.platform == "win32" else "cp932")
        at += size

    strings = {}
    for flag, name in ((HAS_NAME, "description"), (HAS_RELATIVE_PATH, "relative"),
                       (HAS_WORKING_DIR, "working"), (HAS_ARGUMENTS, "arguments"),
                       (HAS_ICON_LOCATION, "icon")):
        if not flags & flag:
            continue
        (count,) = struct.unpack_from("<H", data, at)
        at += 2
        width = 2 if flags & IS_UNICODE else 1
        raw = data[at:at + count * width]
        # Some writers count the terminating null in.
        strings[name] = raw.decode("utf-16-le" if width == 2 else "cp932").rstrip("\0")
        at += count * width
    return target, strings.get("arguments", ""), strings.get("description", "")


def main():
    try:
        with open(sys.argv[1], "rb") as link:
            target, arguments, description = read_shortcut(link.read())
    except (OSError, ValueError, struct.error) as error:
        sys.exit(f"read_lnk: {sys.argv[1]}: {error}")
    print(f"target={target}\narguments={arguments}\ndescription={description}")


if __name__ == "__main__":
    main()
