#!/usr/bin/env python3
"""Compares what Vok's version reader gives (vok-bench version) with what exiftool reports for
the same PE files, for the default language and code page (1033, 1252) and for the string table
the file holds.

Usage: compare_with_exiftool.py --bench BUILD/bench/vok-bench [--min N] [--all] [FILE|DIR ...]
Without files it looks in the directories of Debian packages that ship PE files (wine, nsis,
win32-loader, mono, mingw-w64). Exits 77 (skipped) when exiftool or enough PE files are missing.
"""
import argparse
import json
import os
import shutil
import subprocess
import sys

PACKAGE_DIRS = [
    "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows",
    "/usr/lib/x86_64-linux-gnu/wine/i386-windows",
    "/usr/lib/i386-linux-gnu/wine/i386-windows",
    "/usr/share/win32",
    "/usr/share/nsis/Plugins",
    "/usr/lib/mono/4.5",
    "/usr/lib/mono/gac",
    "/usr/lib/gcc/x86_64-w64-mingw32",
    "/usr/lib/gcc/i686-w64-mingw32",
]
PE_EXTENSIONS = (".dll", ".exe", ".sys", ".drv", ".fon", ".ocx", ".acm", ".cpl")
PROPERTIES = ["Comment", "CompanyName", "FileDescription", "FileVersion", "InternalName",
              "LegalCopyright", "LegalTradeMarks", "OriginalFileName", "PrivateBuild",
              "ProductName", "ProductVersion", "SpecialBuild", "FileOS", "FileType", "FileSubType"]
# String table entries: the entry's name, matched without regard to case, and its property.
ENTRIES = {"comments": "Comment", "companyname": "CompanyName",
           "filedescription": "FileDescription", "internalname": "InternalName",
           "legalcopyright": "LegalCopyright", "legaltrademarks": "LegalTradeMarks",
           "originalfilename": "OriginalFileName", "privatebuild": "PrivateBuild",
           "productname": "ProductName", "productversion": "ProductVersion",
           "specialbuild": "SpecialBuild"}
FILE_OS = {1: "Windows 3.0 or later", 2: "16 bit OS/2 Presentation Manager",
           3: "32 bit OS/2 Presentation Manager", 4: "32 bit Windows", 65536: "MS-Dos",
           65537: "Windows 3.0 or later with MS-Dos", 65540: "32 bit Windows with MS-Dos",
           131072: "16 bit OS/2", 131074: "16 bit OS/2 with Presentation Manager",
           196608: "32 bit OS/2", 196611: "32 bit OS/2 with Presentation Manager",
           262144: "Windows NT", 262148: "Windows NT with 32 bit Windows"}
FILE_TYPE = {1: "Application", 2: "Dynamic-Link Library", 3: "Device Driver", 4: "Font",
             5: "Virtual Device Driver", 7: "Static-Link Library"}
DRIVER = ["Printer", "Keyboard", "Language", "Display", "Mouse", "Network", "System",
          "Installable", "Sound", "Communications"]
FONT = ["Raster", "Vector", "TrueType"]
LANGUAGES = {0x0401, 0x0402, 0x0403, 0x0404, 0x0405, 0x0406, 0x0407, 0x0408, 0x0409, 0x040A,
             0x040B, 0x040C, 0x040D, 0x040E, 0x040F, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414,
             0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E,
             0x041F, 0x0420, 0x0421, 0x0804, 0x0807, 0x0809, 0x080A, 0x080C, 0x0810, 0x0813,
             0x0814, 0x0816, 0x081A, 0x0C0C, 0x100C}
CODE_PAGES = {0, 932, 949, 950, 1200, 1250, 1251, 1252, 1253, 1254, 1255, 1256}


def escaped(text):
    return (text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")
            .replace("\r", "\\r"))


def subtype_text(file_type, subtype):
    if file_type == 3:
        return DRIVER[subtype - 1] if 1 <= subtype <= 10 else "Unknown"
    if file_type == 4:
        return FONT[subtype - 1] if 1 <= subtype <= 3 else "Unknown"
    return ""


def find_files(paths):
    found = []
    for p in paths:
        if os.path.isfile(p):
            found.append(p)
        elif os.path.isdir(p):
            for root, _, names in os.walk(p):
                found += [os.path.join(root, n) for n in sorted(names)
                          if n.lower().endswith(PE_EXTENSIONS)]
    return sorted(set(found))


def exiftool_records(files):
    out = subprocess.run(["exiftool", "-j", "-n", "-a", "-G1", "-q", "-q", "-EXE:all"] + files,
                         capture_output=True, text=True, check=False).stdout
    # Numbers as exiftool wrote them: "1.00" must stay "1.00".
    records = json.loads(out or "[]", parse_float=str, parse_int=str)
    return {r["SourceFile"]: {k.split(":", 1)[-1]: v for k, v in r.items()} for r in records}


def vok(bench, path, lang, page):
    out = subprocess.run([bench, "version", path, str(lang), str(page)], capture_output=True,
                         check=True).stdout.decode("utf-8")
    values = dict(line.split("\t", 1) for line in out.splitlines())
    return int(values.pop("size")), values


def expected(rec, lang, page):
    """What the reader must give under lang/page, from exiftool's record."""
    if "FileVersionNumber" not in rec:
        return {p: "" for p in PROPERTIES}
    table = (int(rec.get("LanguageCode", "-1"), 16), int(rec.get("CharacterSet", "-1"), 16))
    exp = {p: "" for p in PROPERTIES}
    file_type = int(rec["ObjectFileType"])
    exp["FileVersion"] = rec["FileVersionNumber"]
    exp["ProductVersion"] = rec["ProductVersionNumber"]
    exp["FileOS"] = FILE_OS.get(int(rec["FileOS"]), "Unknown")
    exp["FileType"] = FILE_TYPE.get(file_type, "Unknown")
    exp["FileSubType"] = subtype_text(file_type, int(rec["FileSubtype"]))
    if table == (lang, page):
        for key, value in rec.items():
            if key.lower() in ENTRIES:
                exp[ENTRIES[key.lower()]] = escaped(str(value))
    return exp


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--bench", required=True)
    ap.add_argument("--min", type=int, default=20, help="files with version information needed")
    ap.add_argument("--all", action="store_true", help="every file found, not a sample")
    ap.add_argument("paths", nargs="*")
    args = ap.parse_args()
    if not shutil.which("exiftool"):
        print("SKIP: exiftool is not installed (Debian package libimage-exiftool-perl)")
        return 77
    files = find_files(args.paths or PACKAGE_DIRS)
    if not args.all:
        # A sample: every file outside wine's large folder, every tenth of wine's, and its
        # kernel32, whose version resource comes in several languages.
        wine = [f for f in files if "/wine/x86_64-windows/" in f]
        files = [f for f in files if f not in set(wine)] + wine[::10]
        files += [f for f in wine if f.endswith("/kernel32.dll") and f not in files]
    records = exiftool_records(files)
    with_version = [f for f in files if "FileVersionNumber" in records.get(f, {})]
    if len(with_version) < args.min:
        print(f"SKIP: {len(with_version)} PE files with version information found, "
              f"{args.min} needed (install e.g. libwine, nsis, win32-loader, "
              f"libmono-system4.0-cil)")
        return 77

    passed = failed = several = 0
    kinds = set()
    for f in files:
        rec = records.get(f)
        if rec is None or "PEType" not in rec:
            continue  # not a PE file for exiftool either
        has_version = "FileVersionNumber" in rec
        queries = [(1033, 1252)]
        if has_version:
            table = (int(rec.get("LanguageCode", "409"), 16), int(rec.get("CharacterSet", "4B0"), 16))
            readable = table[0] in LANGUAGES and table[1] in CODE_PAGES
            queries.append(table if readable and table != (1033, 1252) else (1033, 1200))
        problems = []
        for lang, page in queries:
            size, got = vok(args.bench, f, lang, page)
            exp = expected(rec, lang, page)
            if (size > 0) != has_version:
                problems.append(f"size {size}")
            if (lang, page) != (1033, 1252) and lang != 1033 and all(
                    got[p] == "" for p in ENTRIES.values() if p != "ProductVersion") and any(
                    exp[p] != "" for p in ENTRIES.values() if p != "ProductVersion"):
                # exiftool reads the first version resource; Vok prefers the neutral and the
                # US English one: with resources in several languages only the fixed block
                # is common ground.
                several += 1
                for p in ("FileVersion", "FileOS", "FileType", "FileSubType"):
                    if got[p] != exp[p]:
                        problems.append(f"{lang}/{page} {p}: vok {got[p]!r} exiftool {exp[p]!r}")
                continue
            for p in PROPERTIES:
                if got[p] != exp[p]:
                    problems.append(f"{lang}/{page} {p}: vok {got[p]!r} exiftool {exp[p]!r}")
        kind = ("PE32+" if rec["PEType"] == "523" else "PE32",
                "DLL" if int(rec.get("ImageFileCharacteristics", "0")) & 0x2000 else "EXE")
        if has_version:
            kinds.add(kind)
        tables = ",".join(f"{l}/{p}" for l, p in queries)
        if problems:
            failed += 1
            print(f"FAIL {f} ({' '.join(kind)}, {tables})")
            for p in problems:
                print("     " + p)
        else:
            passed += 1
            print(f"ok   {f} ({' '.join(kind)}, {tables}{'' if has_version else ', no version'})")
    print(f"files with version information: {len(with_version)}; kinds: "
          + ", ".join(" ".join(k) for k in sorted(kinds))
          + f"; with resources in several languages: {several}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
