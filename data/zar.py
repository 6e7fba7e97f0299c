# SPDX-License-Identifier: GPL-3.0-or-later
"""Writer of the object-archive encoding shared by CIEL.ZAR, ELEMENTS.ZAR and
OBJETS.ZAR.

Everything is little-endian. The primitives return bytes; `ArchiveWriter`
appends them to one buffer and keeps the table of classes and objects that
lets an object be written once and then referred to by its index.

Index numbering: one table per file, starting at 1 (0 is "no object"), shared
by classes and objects. A class takes the next index when its name is first
written; an object takes the next index as soon as its tag is written, before
its own fields, so objects nested in those fields (the stars of a
constellation) are numbered after the object that holds them.
"""

import struct

# Leading words of an object reference.
NULL_TAG = 0x0000
NEW_CLASS_TAG = 0xFFFF
CLASS_TAG = 0x8000
BIG_TAG = 0x7FFF          # a 32-bit value follows
BIG_CLASS_FLAG = 0x80000000


def byte(v):
    """One byte; accepts a signed (-128..-1) or unsigned (0..255) value."""
    if not -128 <= v <= 255:
        raise ValueError(f"byte out of range: {v}")
    return struct.pack("<B", v & 0xFF)


def word(v):
    """16-bit word; accepts a signed or an unsigned value."""
    if not -0x8000 <= v <= 0xFFFF:
        raise ValueError(f"word out of range: {v}")
    return struct.pack("<H", v & 0xFFFF)


def long(v):
    """32-bit signed integer."""
    return struct.pack("<i", v)


def dword(v):
    """32-bit unsigned integer."""
    return struct.pack("<I", v)


def double(v):
    """IEEE 754 binary64."""
    return struct.pack("<d", v)


def count(v):
    """Element count: a word below 0xFFFF, else 0xFFFF and a 32-bit value."""
    if v < 0:
        raise ValueError(f"negative count: {v}")
    if v < 0xFFFF:
        return word(v)
    return word(0xFFFF) + dword(v)


def text(s):
    """Windows-1252 text with its 1-, 3- or 7-byte length prefix."""
    data = s.encode("cp1252")   # a character outside the code page fails loudly
    n = len(data)
    if n < 0xFF:
        head = byte(n)
    elif n < 0xFFFE:
        head = byte(0xFF) + word(n)
    else:
        head = byte(0xFF) + word(0xFFFF) + dword(n)
    return head + data


class ArchiveWriter:
    """Builds one archive file in memory.

    An archived object is any Python object with a `zar_class` attribute (the
    registered class name), an optional `zar_schema` (default 0) and a
    `zar_fields(writer)` method that writes its fields with this writer.
    Objects are identified by identity: the same object met twice is written
    once, then by index.
    """

    def __init__(self):
        self._out = bytearray()
        self._next_index = 1
        self._classes = {}      # class name -> index
        self._objects = {}      # id(object) -> (index, object kept alive)

    # -- primitives -------------------------------------------------------
    def raw(self, data):
        self._out += data

    def byte(self, v):
        self._out += byte(v)

    def word(self, v):
        self._out += word(v)

    def long(self, v):
        self._out += long(v)

    def double(self, v):
        self._out += double(v)

    def count(self, v):
        self._out += count(v)

    def text(self, s):
        self._out += text(s)

    # -- objects ----------------------------------------------------------
    def object(self, obj):
        """Writes an object reference (and the object itself the first time)."""
        if obj is None:
            self.word(NULL_TAG)
            return
        known = self._objects.get(id(obj))
        if known is not None:
            self._reference(known[0])
            return
        name = obj.zar_class
        class_index = self._classes.get(name)
        if class_index is None:
            self.word(NEW_CLASS_TAG)
            self.word(getattr(obj, "zar_schema", 0))
            encoded = name.encode("ascii")
            self.word(len(encoded))
            self.raw(encoded)
            self._classes[name] = self._take_index()
        elif class_index < BIG_TAG:
            self.word(CLASS_TAG | class_index)
        else:
            self.word(BIG_TAG)
            self.raw(dword(BIG_CLASS_FLAG | class_index))
        self._objects[id(obj)] = (self._take_index(), obj)
        obj.zar_fields(self)

    def _reference(self, index):
        if index < BIG_TAG:
            self.word(index)
        else:
            self.word(BIG_TAG)
            self.raw(dword(index))

    def _take_index(self):
        index = self._next_index
        self._next_index += 1
        return index

    def index_of(self, obj):
        """Index under which an already written object is known, else None."""
        known = self._objects.get(id(obj))
        return known[0] if known else None

    # -- containers -------------------------------------------------------
    def object_array(self, objects):
        self.count(len(objects))
        for obj in objects:
            self.object(obj)

    def word_array(self, values):
        self.count(len(values))
        for v in values:
            self.word(v)

    def text_map(self, pairs):
        """Text-to-text map from (key, value) pairs, written in the given order."""
        pairs = list(pairs)
        self.count(len(pairs))
        for key, value in pairs:
            self.text(key)
            self.text(value)

    def getvalue(self):
        return bytes(self._out)

    def save(self, path):
        """Writes the archive to `path` through a temporary file and a rename,
        so a failed build never leaves a truncated file behind."""
        import os
        tmp = f"{path}.tmp"
        with open(tmp, "wb") as f:
            f.write(self._out)
        os.replace(tmp, path)
