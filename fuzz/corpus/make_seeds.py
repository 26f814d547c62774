#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora: small hand-made files of each
format (a few KB at most, so that every input reads in well under a
millisecond). Run from anywhere; the seeds are committed."""
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))

source = open(os.path.join(ROOT, "src/case/answers.cpp")).read()
table = re.search(r"MaxSlot = \{(.*?)\};", source, re.S).group(1)
MAX_SLOT = [int(n) for n in re.findall(r"\b\d+\b", re.sub(r"//[^\n]*", "", table))]
assert len(MAX_SLOT) == 200

SHEETS = [("Kin Worksheet - ***************", 48), ("Asset Worksheet - ***************", 100),
          ("Expense Worksheet - ***************", 26),
          ("Time & Services Worksheet - ***************", 4)]
WM3_SHEETS = [("Kin", 44), ("Asset", 88), ("Expense", 25), ("Time", 5)]


def pages(copies):
    """copies: {page: [ {slot: (text, flag)} per copy ]}; other pages -1."""
    lines = []
    for page in range(200):
        page_copies = copies.get(page, [])
        lines.append(str(len(page_copies) - 1))
        for number, slots in enumerate(page_copies):
            lines.append("Page %d; No.%d; Count %d" % (page, number, MAX_SLOT[page]))
            for slot in range(MAX_SLOT[page] + 1):
                text, flag = slots.get(slot, ("", "0"))
                lines += [text, flag]
    return lines


def sheet(title, columns, rows, row_count=None):
    lines = [title, "Column Count", str(columns), "Row Count",
             str(len(rows) if row_count is None else row_count)]
    for c in range(columns):
        lines += [row[c] if c < len(row) else "" for row in rows]
    return lines


def write(target, name, lines, end="\r\n", raw=None):
    folder = os.path.join(HERE, target)
    os.makedirs(folder, exist_ok=True)
    data = raw if raw is not None else "".join(l + end for l in lines).encode("cp1252")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# Client files.
header = ["Wendmoor4", " 4.41000000000000E+0000", " 1.85000000000000E+0002"]
empty = header + pages({}) + sum((sheet(t, c, []) for t, c in SHEETS), [])
write("client_file", "empty_case.wm4", empty)
write("client_file", "empty_case_lf.wm4", empty, "\n")
write("client_file", "empty_case_cr.wm4", empty, "\r")
kin = [["Daughter", "Ann Doe", "12 Elm St."], ["Son", "Bob Doe"]]
assets = [["Sedan"] + [""] * 49 + ["1st automobile"] + [""] * 48 + ["$12,500.00"]]
rows = header + pages({7: [{0: ("Jane Q. Doe", "0"), 3: ("3/9/2021", "1"), 25: ("$1,234.50", "0")}]})
rows += sheet(*SHEETS[0], kin) + sheet(*SHEETS[1], assets) + sheet(*SHEETS[2], [["Funeral"]])
rows += sheet(*SHEETS[3], [["1/5/2021", "Hearing", "2.5", "200"]])
write("client_file", "small_case.wm4", rows)
old = ["Wendmoor4", " 4.36000000000000E+0000", "0"] + pages({}) + sum((sheet(t, c, []) for t, c in SHEETS), [])
write("client_file", "before_437.wm4", old)

# Prior-version files.
wm3_header = ["Wendmoor3", " 3.20000000000000E+0000", " 6.50000000000000E+0001"] + [str(i) for i in range(15)]
wm3 = wm3_header + pages({9: [{0: ("John Q. Public", "1"), 1: ("OLD JUDGE", "0")}]})
wm3 += sheet("Kin", 44, [], 1) + sheet("Asset", 88, [["Sedan"] + [""] * 49 + ["1ST AUTO", "", "STOCKS & BONDS"]], 2)
wm3 += sheet("Expense", 25, [], 1) + sheet("Time", 5, [["lead", "1/5/2021", "Hearing", "2.5", "200"]], 2)
write("wm3_file", "small_case.wm3", wm3)
write("wm3_file", "empty_case.wm3", wm3_header + pages({}) + sum((sheet(t, c, [], 1) for t, c in WM3_SHEETS), []))

# Settings files.
settings = ["/home/user/Documents/Wendmoor4/Files", "/usr/share/wendmoor4/RTF", "",
            "/usr/share/wendmoor4/PSF", "https://quotes.example/stock?Symbol=",
            "https://quotes.example/fund?Symbol=", " 1.50000000000000E+0002", "libreoffice",
            "2", "/cases/doe.wm4", "/cases/roe.wm4", "", "/tmp/Wendmoor4", "X", "", "", "",
            " 7.50000000000000E-0001"]
write("settings_file", "wendmoor4.ini", settings)
write("settings_file", "first_start.ini", settings[:8] + ["0"] + settings[11:17] + ["0.75"])

# Templates: the page byte, the template, NUL, the width file.
tpl = ("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
       "{\\f1\\fswiss\\fcharset0 Arial Narrow;}{\\f2\\fnil\\fcharset2 Wingdings;}}\r\n"
       "\\paperw12240\\paperh15840\\margl1080\\margr1080\\margt720\\margb720\r\n\\v\\'b7\\v0 ")
body = ("\\fs24 Estate of /*0/ [/<1/] \\fs20 /$12/ /#9/ /%2/ /&3/ /+4/ /~5/ /^6/ /*1\r\n"
        "7/ /*125/\\par\r\n}\r\n")
widths = "".join("%d %d 0 0.0 1.5 %s 0\r\n" % (k, 4 if k % 5 == 0 else 0, "2.0") for k in range(20))
write("template_merge", "page1.bin", None, raw=bytes([1]) + (tpl + body).encode("cp1252") + b"\0" + widths.encode())
write("template_merge", "page30_short.bin", None, raw=bytes([30]) + (tpl + "\\fs18 /*5/ /$6/").encode() + b"\0" + b"0 0 0 0.0 1.0 3.0 0\r\n")
