#!/usr/bin/env python3
"""Finds what Doxygen itself lets pass in the API reference.

Doxygen warns about undocumented classes and members, with two gaps that this
check closes, reading the XML that Doxygen writes beside the HTML:

- It does not warn about an undocumented enumerator.
- Inside a member group, a member without a comment silently takes the comment
  of the group's first documented member (DISTRIBUTE_GROUP_DOC). That is meant
  for a field's getters and setter; a member of any other name that shows the
  same text has no description of its own.

Usage: check_reference.py XML_FOLDER. Prints one line per fault and exits with
status 1 when there is any.
"""

import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def text_of(element):
    if element is None:
        return ""
    return " ".join("".join(element.itertext()).split())


def description(member):
    return (text_of(member.find("briefdescription")) + " " +
            text_of(member.find("detaileddescription"))).strip()


def field_of(name):
    """The field a getter or setter stands for: setZipCode and zipcode are one."""
    name = re.sub(r"^set(?=[A-Z])", "", name)
    return name.replace("_", "").lower()


def check_compound(compound, faults):
    scope = text_of(compound.find("compoundname"))
    for section in compound.findall("sectiondef"):
        members = section.findall("memberdef")
        if section.get("kind") == "user-defined":
            seen = {}
            for member in members:
                name = text_of(member.find("name"))
                text = description(member)
                if not text:
                    continue
                first = seen.setdefault(text, name)
                if field_of(first) != field_of(name):
                    faults.append(f"{scope}::{name}: no description of its own "
                                  f"(it shows the one of {scope}::{first})")
        for member in members:
            if member.get("kind") != "enum" or member.get("prot") == "private":
                continue
            for value in member.findall("enumvalue"):
                if not (text_of(value.find("briefdescription")) or
                        text_of(value.find("detaileddescription"))):
                    faults.append(f"{scope}::{text_of(value.find('name'))}: "
                                  "enumerator is not documented")


def main():
    if len(sys.argv) != 2:
        print("usage: check_reference.py XML_FOLDER", file=sys.stderr)
        return 2
    folder = Path(sys.argv[1])
    files = sorted(folder.glob("*.xml"))
    if not files:
        print(f"check_reference.py: no Doxygen XML in {folder}", file=sys.stderr)
        return 2
    faults = []
    for path in files:
        if path.name in ("index.xml", "Doxyfile.xml"):
            continue
        for compound in ET.parse(path).getroot().findall("compounddef"):
            check_compound(compound, faults)
    for fault in faults:
        print(f"error: {fault}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
