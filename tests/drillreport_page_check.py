# drillreport's page read by a strict HTML parser: well-formed, German, UTF-8, nothing run or
# loaded from elsewhere. Prints, per learner, the name, the chart's points and the note.
# Usage: /usr/bin/python3 drillreport_page_check.py PAGE
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
for element in document.iter():
    tag = local(element)
    if tag in ("script", "iframe", "object", "embed", "link", "img", "base", "image", "use"):
        problems.append("a %s element" % tag)
    for name in element.attrib:
        if name.split("}")[-1] in ("src", "href") or name.startswith("on"):
            problems.append("attribute %s on %s" % (name, tag))
style = "".join(element.text or "" for element in document.iter("style"))
if "url(" in style or "@import" in style:
    problems.append("the style sheet loads something")
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
