# drillreport's page read by a strict HTML parser: well-formed, German, UTF-8, nothing run or
# loaded from elsewhere, links only within the page, a text for every picture, grade colours
# of a contrast of 3:1 against the plot. Prints the overview's rows (name, series, error
# percentage, last grade, sparkline points, trend), then per learner the name, the chart's
# points and the note.
# Usage: /usr/bin/python3 drillreport_page_check.py PAGE
import re
import sys

import html5lib

page = open(sys.argv[1], "rb").read()
document = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False).parse(
    page, transport_encoding="utf-8")
problems = []


def local(element):
    return element.tag.split("}")[-1]


def children(element, tag):
    return [child for child in element.iter() if local(child) == tag]


if document.get("lang") != "de":
    problems.append("lang is not de")
if document.find("head/meta[@charset='utf-8']") is None:
    problems.append("no UTF-8 charset")
ids = {element.get("id") for element in document.iter() if element.get("id")}
for element in document.iter():
    tag = local(element)
    if tag in ("script", "iframe", "object", "embed", "link", "img", "base", "image", "use"):
        problems.append("a %s element" % tag)
    for name in element.attrib:
        if name == "href" and tag == "a" and element.get(name)[1:] in ids:
            continue
        if name.split("}")[-1] in ("src", "href") or name.startswith("on"):
            problems.append("attribute %s on %s" % (name, tag))
    if tag == "svg" and (element.get("role") != "img" or not element.get("aria-label")):
        problems.append("a picture without a text")
style = "".join(element.text or "" for element in document.iter("style"))
if "url(" in style or "@import" in style:
    problems.append("the style sheet loads something")


def luminance(colour):
    channels = [int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5)]
    linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


fills = dict(re.findall(r"\.(g[1-6]|plot) \{ fill: (#[0-9a-f]{6}); \}", style))
for grade in ("g1", "g2", "g3", "g4", "g5", "g6"):
    low, high = sorted((luminance(fills[grade]), luminance(fills["plot"])))
    if (high + 0.05) / (low + 0.05) < 3:
        problems.append("%s %s on %s below 3:1" % (grade, fills[grade], fills["plot"]))
for row in document.findall(".//div[@class='wide overview']/table/tbody/tr"):
    cells = ["".join(cell.itertext()).strip() for cell in row]
    points = len(children(row, "polyline")[1].get("points").split()) if cells[4] == "" else 0
    print("\t".join(cells[:4] + [str(points), cells[5][2:]]))
for section in document.iter("section"):
    if len(children(section, "svg")) != 1:
        problems.append("a learner without a chart")
        continue
    circles = children(section, "circle")
    points = [c for c in circles if children(c, "title")]
    if len(circles) - len(points) != 6:
        problems.append("the legend has %d grades" % (len(circles) - len(points)))
    if any(c.get("class") not in ("g1", "g2", "g3", "g4", "g5", "g6") for c in circles):
        problems.append("a point without a grade colour")
    note = section.find("p").text
    print("%s\t%d\t%s" % (section.find("h2").text, len(points), note))
if problems:
    sys.exit("page: " + "; ".join(problems))
