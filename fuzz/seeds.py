#!/usr/bin/env python3
"""Writes the hand-made seeds and regression inputs of the fuzz corpus.

Run from the repository root after a build (it reads the built phrase table and builds
small cube files with the sqlite3 shell):  python3 fuzz/seeds.py build/asan
Inputs the fuzzers found are added to fuzz/corpus/<harness>/ as they are (minimised).
"""
import os
import struct
import subprocess
import sys

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
build = sys.argv[1] if len(sys.argv) > 1 else "build/asan"


def put(harness, name, data):
    folder = os.path.join(root, harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def u16(text):
    return text.encode("utf-16-le", "surrogatepass")


def piece(text):
    """A length-prefixed text of the harnesses' Input::text()."""
    data = u16(text)
    return bytes([len(data) // 2]) + data


# Connection strings: a value to quote, then any text.
for name, value, text in [
    ("seed-server", "Sales", "Provider=MSOLAP.4;Data Source=srv;User ID=ann;Password=s3cret;Initial Catalog=Db"),
    ("seed-file", "/data/Sales.cub", "provider=msolap;data source=\"/a;b/Sales.cub\""),
    ("regress-equals-password", "=secret", "Data Source=srv;Password==secret"),
    ("regress-equals-twice", "=a=b", "Password==a=b;User ID=u"),
    ("regress-servername-equals", "==", "Data Source===;Initial Catalog=="),
    ("regress-nbsp-mask", "\u00a0x", "Password=\u00a0secret;pwd\u3000=\u3000hidden1"),
    ("regress-linebreak-mask", "a\r\nb", "pwd=first\r\nsecondpart;a=1"),
    ("regress-doubled-key-mask", "x", "passWord==x;Password=secret"),
    ("regress-open-quote-mask", "'", "Password=\"open secret"),
]:
    put("connection_string", name, piece(value) + u16(text))

# Number formats: a double, a locale byte, the format.
for name, value, fmt in [
    ("seed-currency", 1234.5, "Currency"),
    ("seed-sections", -12.25, "$#,##0.00;($#,##0.00);\"zero\""),
    ("regress-quoted-percent", 12.0, "0\"%\""),
    ("regress-escaped-percent", 12.0, "0\\%"),
    ("regress-percent-overflow", 1.7976931348623157e308, "0.00E+00%"),
    ("regress-percent-huge-fixed", 1.7976931348623157e308, "#,##0%"),
    ("regress-denormal-scientific", 5e-324, "0.00E+00"),
]:
    put("number_format", name, struct.pack("<d", value) + b"\0" + u16(fmt))

# Pivot XML: mode 0 reads text, mode 1 builds a state for the writer.
v1 = ('<?xml version="1.0"?>\n<pivottable version="1">\n'
      '<connection><![CDATA[Provider=MSOLAP.4;data source=/data/Sales.cub]]></connection>\n'
      '<datamember>Sales</datamember><title>Q1 &#42; report</title><panels fieldlist="1" toolbox="0"/>\n'
      '<rows showempty="0" subtotals="1" grandtotal="1" sortlabel="none" sortmeasure="" sortvalue="none">'
      '<field hierarchy="Time" level="0"><expanded><member><key>2023</key></member></expanded></field></rows>\n'
      '<columns showempty="0" subtotals="1" grandtotal="1" sortlabel="none" sortmeasure="" sortvalue="none"/>\n'
      '<filterfields/><filters/><data><field measure="Revenue" caption="" format=""/></data>\n</pivottable>\n')
put("pivot_xml", "seed-version1", b"\0" + v1.encode())
put("pivot_xml", "seed-version2-escapes", b"\0" + v1.replace('version="1"', 'version="2"')
    .replace("<title>Q1 &#42; report</title>", "<title>a\\u000bb\\\\c</title>").encode())
# A title with U+000B, a data member with U+FFFE, a lone surrogate in a hierarchy.
state = (piece("Provider=MSOLAP.4;data source=/d/\u000b.cub") + piece("\ufffe") + piece("T\u000bitle")
         + b"\x01" + b"\x00" + b"\x01" + piece("\ud800") + b"\x00" + b"\x00" + b"\x00")
put("pivot_xml", "regress-control-characters", b"\x01" + state)

# Chart XML.
chart = ('<?xml version="1.0"?><chartspace format="1"><title visible="1" caption="Sales"/>'
         '<panels fieldlist="1" toolbox="0"/><chart type="0" legend="1"><title visible="0" caption=""/>'
         '<data series="" categories="" values="all" y="" x="" bubble=""/>'
         '<axis position="bottom" format="" orientation="minmax"><title visible="0" caption=""/></axis>'
         '</chart></chartspace>')
put("chart_xml", "seed-chart", chart.encode())

# Settings: a hive byte, a value to write back, the INI file.
put("settings_file", "seed-language", b"\0" + piece("v\u00e9rt\u00e9") +
    b"[Software]\nVB%20and%20VBA%20Program%20Settings\\Tessaline\\Settings\\LanguageOnly4Test=7\n")
put("settings_file", "seed-removed", b"\1" + piece("x;y=z") + b"Removed=msolap.4, owc11.chartspace\n[http]\nshell\\open\\command\\@=x\n")
# Keys with an empty segment, which QSettings lists by a name it cannot read back.
put("settings_file", "regress-empty-segment-alone", b"\0" + piece("x") + b"\\y=")
put("settings_file", "regress-empty-segment-with-value", b"\0" + piece("x") + b"\\y=hello")
put("settings_file", "regress-empty-segment-under-section", b"\0" + piece("x") +
    b"[software]\n\\zelbrin\\languageonly4test=7\n")

# Phrase table: the table the program carries, and a broken one.
table = os.path.join(build, "src/lang/phrases/LANGUAGE")
if os.path.exists(table):
    with open(table, "rb") as f:
        whole = f.read()
    put("phrase_table", "seed-shipped", b"\x04" + whole)
    put("phrase_table", "seed-shipped-cut", b"\x90" + whole[: len(whole) // 3])

# Cube files: a small cube, one with rowids far apart, one whose metadata is an endless view.
schema = open(os.path.join(os.path.dirname(root), "..", "examples", "cubes", "cube-file.sql")).read()
small = open(os.path.join(os.path.dirname(root), "cube_metadata.cpp")).read()
small = small[small.index('R"(') + 3: small.index(')";')]
for name, extra in [
    ("seed-small", ""),
    ("regress-far-rowids", "UPDATE f SET id = -4000000000000000000 WHERE id = 1;"
                           "UPDATE f SET id = 4000000000000000000 WHERE id = 2;"),
    ("regress-metadata-view", "ALTER TABLE olap_cube RENAME TO cube_rows; CREATE VIEW olap_cube AS "
                              "WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM r) "
                              "SELECT c.* FROM cube_rows c, r;"),
    ("regress-endless-fact-view", "CREATE VIEW endless AS WITH RECURSIVE r(n) AS (SELECT 1 UNION ALL "
                                  "SELECT n + 1 FROM r) SELECT f.* FROM f, r; UPDATE olap_cube SET fact_table = 'endless';"),
]:
    path = "/tmp/tessaline-seed.cub"
    if os.path.exists(path):
        os.remove(path)
    subprocess.run(["sqlite3", path], input=("PRAGMA page_size = 512;" + schema + small + extra).encode(),
                   check=True, stdout=subprocess.DEVNULL)
    with open(path, "rb") as f:
        put("cube_file", name, f.read())
    os.remove(path)

# Metadata changes: a few operations each (see cube_metadata.cpp).
put("cube_metadata", "seed-none", b"")
put("cube_metadata", "seed-null-key-column", bytes([0, 14, 1, 0]))
put("cube_metadata", "seed-endless-level-view", bytes([5, 12, 1]))
put("cube_metadata", "regress-far-fact-ids", bytes([3, 0, 2, 0xC8, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 10, 1, 5]
                                                   + [3, 0, 2, 0x38, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 10, 1, 5]))

# Report files: a context byte (layout, provider known, code page), the location, the bytes.
def record(text):
    return text.encode("utf-16-le")


put("report_file", "seed-xp", b"\x02" + piece("/data") + record(
    "<chart/>***<pivottable>Provider=MSOLAP.4;data source=XXX/Sales.cub</pivottable>***1******<p>d</p>XYZtXYZcXYZ"))
put("report_file", "seed-v9", b"\x01" + piece("/data") + record("<p/>***2***21***-1***XYZXYZXYZ"))
put("report_file", "regress-odd-byte-count", b"\x02" + piece("/data") + record("<c/>***<p/>***1******XYZXYZXYZ") + b"\n")
put("report_file", "regress-ansi-code-page", b"\x06" + piece("/data") + b"<c/>***<p/>***1******\x80 \xfc XYZXYZXYZ")
put("report_file", "regress-server-named-1", b"\x02" + piece("1") + record(
    "<c/>***<pivottable version=\"XXX\">Data Source=XXX</pivottable>***XXX******XYZXYZXYZ"))
put("report_file", "regress-no-provider-known", b"\x00" + piece("/d") + record(
    "<c/>***Provider=MSOLAP.3;data source=XXX/a.cub***1******XYZXYZXYZ"))

# ServerName.txt: a user and a password for the sign-in, then the file.
for name, user, password, text in [
    ("seed-plain", "", "", b"olapsrv:5433,Sales\r\n"),
    ("seed-signed-in", "ann", "s3cret", b"\xef\xbb\xbfsrv,Sales"),
    ("regress-equals", "ann", "=secret", b"==,=="),
    ("regress-equals-twice", "=a", "=a=b", b"=srv,=db;x"),
    ("regress-ansi", "", "", b"Z\xfcrich,\x80uro"),
]:
    put("server_name", name, piece(user) + piece(password) + text)

# Descriptions, as UTF-8; "@/" stands for the harness's folder of hostile files.
def nested(open_tags, close_tags, depth):
    return open_tags * depth + "x" + close_tags * depth


for name, text in [
    ("seed-template", "<html><head><style>p {  line-height: 0;font-family: Arial;font-size: 9pt;}</style></head>"
                      "<body><p></p></body></html>"),
    ("seed-formatted", "<p style=\"color: #ff0000\">A <b>bold</b> <a href=\"https://example.org\">link</a></p>"
                       "<ul><li>one<li>two</ul><table border=1><tr><td>a<td>b</table>"),
    ("seed-resources", "<link rel=\"stylesheet\" href=\"@/sheet.css\"><style>@import url(@/fifo);</style>"
                       "<img src=\"@/dot.png\"><img src=\"@/fifo\"><img src=\"@/zero.png\"><img src=\"@/huge.png\">"
                       "<img src=\"/dev/zero\"><img src=\"file://server/share/x.png\">"),
    ("regress-tables-25-levels", nested("<table><tr><td>", "</td></tr></table>", 25)),
    ("regress-lists-300-levels", nested("<ul><li>", "</li></ul>", 300)),
    ("regress-closes-the-reader-does-not-see",
     "<div title=\"</div>\"><!-- </div> --><b/></b><meta></meta>" * 40 + "<table><tr><td>" * 8),
]:
    put("description_html", name, text.encode())
