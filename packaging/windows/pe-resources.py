#!/usr/bin/python3
"""Prints what a Windows program carries as resources, as Explorer and the
loader read them: one line per resource ("resource TYPE ID LANGUAGE BYTES"),
each manifest's text, and the version strings ("version NAME: TEXT").

    pe-resources.py PROGRAM.exe

Needs Debian's python3-pefile (hence Debian's python3, not another one)."""
import sys

import pefile

pe = pefile.PE(sys.argv[1])
type_names = {value: name for name, value in pefile.RESOURCE_TYPE.items() if isinstance(value, int)}

manifests = []
resources = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
for kind in resources.entries if resources else []:
    type_name = type_names.get(kind.id, str(kind.name or kind.id))
    for entry in kind.directory.entries:
        for language in entry.directory.entries:
            data = language.data.struct
            print(f"resource {type_name} {entry.name or entry.id} {language.id} {data.Size}")
            if kind.id == pefile.RESOURCE_TYPE["RT_MANIFEST"]:
                manifests.append(pe.get_data(data.OffsetToData, data.Size).decode("utf-8"))
for text in manifests:
    print(text.rstrip("\n"))

for info in getattr(pe, "FileInfo", []):
    for block in info:
        for table in getattr(block, "StringTable", []):
            for name, text in table.entries.items():
                print(f"version {name.decode()}: {text.decode()}")
