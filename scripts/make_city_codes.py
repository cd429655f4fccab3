#!/usr/bin/env python3
"""Builds the default city code file Qmk_Code.ini from the list of JARL areas.

The list is UTF-8, tab-separated: code, name, prefecture, reading (lines starting with '#'
are comments). The output is CP932 with CR LF line ends, one record per area in the list's
order, "code:name:reading", after a comment header.

Usage: make_city_codes.py [AREAS_TSV] [OUTPUT_INI]
Defaults: data/jarl-areas.tsv and data/Qmk_Code.ini of this repository.
"""

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_INPUT = os.path.join(ROOT, "data", "jarl-areas.tsv")
DEFAULT_OUTPUT = os.path.join(ROOT, "data", "Qmk_Code.ini")

HEADER = [
    "// クイルマーク 都市コードデータベース",
    "// JARL 国内コンテストのエリア番号 (都府県・北海道の振興局・市・郡・区) と",
    "// その名称・読み (半角カタカナ) の一覧です。",
    "// 書式 : 都市コード:都市名:都市名の読み",
    "// このファイルは scripts/make_city_codes.py により data/jarl-areas.tsv から生成されています。",
]


def fail(message):
    sys.stderr.write("make_city_codes: " + message + "\n")
    sys.exit(1)


def read_areas(path):
    areas = []
    with open(path, encoding="utf-8", newline="") as tsv:
        for number, raw in enumerate(tsv, start=1):
            line = raw.rstrip("\r\n")
            if not line or line.startswith("#"):
                continue
            columns = line.split("\t")
            if len(columns) != 4:
                fail("%s:%d: expected 4 tab-separated columns, found %d"
                     % (path, number, len(columns)))
            code, name, _prefecture, reading = columns
            for label, value in (("code", code), ("name", name), ("reading", reading)):
                if not value:
                    fail("%s:%d: empty %s" % (path, number, label))
                if ":" in value or "\r" in value or "\n" in value:
                    fail("%s:%d: %s holds a colon or a line end" % (path, number, label))
            if not code.isdigit() or not code.isascii():
                fail("%s:%d: code %r is not a number" % (path, number, code))
            areas.append((code, name, reading))
    return areas


def encode(text, where):
    try:
        return text.encode("cp932")
    except UnicodeEncodeError as error:
        fail("%s: not encodable in CP932: %s" % (where, error))


def main(argv):
    if len(argv) > 3 or (len(argv) > 1 and argv[1] in ("-h", "--help")):
        sys.stdout.write(__doc__)
        return 0 if len(argv) > 1 and argv[1] in ("-h", "--help") else 2
    source = argv[1] if len(argv) > 1 else DEFAULT_INPUT
    target = argv[2] if len(argv) > 2 else DEFAULT_OUTPUT
    areas = read_areas(source)
    if not areas:
        fail("%s holds no areas" % source)
    codes = set()
    for code, _name, _reading in areas:
        if code in codes:
            fail("code %s appears twice" % code)
        codes.add(code)
    lines = [encode(text, "header") for text in HEADER]
    lines += [encode("%s:%s:%s" % area, "area " + area[0]) for area in areas]
    data = b"".join(line + b"\r\n" for line in lines)
    temporary = target + ".tmp"
    with open(temporary, "wb") as ini:
        ini.write(data)
    os.replace(temporary, target)
    sys.stderr.write("make_city_codes: wrote %d areas to %s\n" % (len(areas), target))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
