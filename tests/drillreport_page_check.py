# drillreport's page read by a strict HTML parser: well-formed, German, UTF-8, nothing run or
# loaded from elsewhere, links only within the page, a text for every picture, grade colours
# of a contrast of 3:1 against the plot, ids that no two names share, links that lead to
# their learner, arrows that go the way of the sparklines, sparklines that draw the figures
# their text names and end at the last series. Prints the overview's rows (name, recent and
# whole period's figures, trend, kind to practise, sparkline points, series), the learners'
# table, then per learner the name, the chart's points, the note, the first point with a
# whisker (its tool tip, where it stands between the first and last point, its whisker's and
# its own percentage) and the first row of the table of kinds.
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
id_list = [element.get("id") for element in document.iter() if element.get("id")]
ids = set(id_list)
if len(ids) != len(id_list):
    problems.append("ids given twice: %s" % sorted({i for i in id_list if id_list.count(i) > 1}))
for element in document.iter():
    if element.get("aria-labelledby") and element.get("aria-labelledby") not in ids:
        problems.append("aria-labelledby %s names nothing" % element.get("aria-labelledby"))
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
sections = {section.get("id"): section for section in document.iter("section")}
# The arrow of each trend word goes the way the sparkline goes, up for more errors.
arrows = {"besser": "\u2198", "gleich": "\u2192", "schlechter": "\u2197", "kein Trend": None}


def visible_text(element):
    """The text a sighted reader sees: without what is hidden from the eye."""
    if element.get("class") == "sr":
        return ""
    return (element.text or "") + "".join(
        (visible_text(child) if child.get("aria-hidden") != "true" else "") + (child.tail or "")
        for child in element)


def sparkline_points(svg):
    """The line's percentages (oldest first) and the end mark's, from where they are drawn."""
    lines = {line.get("class"): [tuple(map(float, point.split(",")))
                                 for point in line.get("points").split()]
             for line in children(svg, "polyline")}
    top, bottom = 2, 23  # the box's 100 and 0 percent
    percent = lambda y: round((bottom - y) * 100 / (bottom - top))
    return [percent(y) for _, y in lines["spark-line"]], lines["spark-line"], lines["spark-end"]


for row in document.findall(".//div[@class='wide overview']/table/tbody/tr"):
    cells = ["".join(cell.itertext()).strip() for cell in row]
    link = children(row[0], "a")[0]
    target = sections.get(link.get("href")[1:])
    if target is None or "".join(target.find("h2").itertext()) != cells[0]:
        problems.append("the link of %s leads elsewhere" % cells[0])
    word = visible_text(row[3]).strip()
    arrow = [span.text for span in children(row[3], "span") if span.get("aria-hidden") == "true"]
    if word not in arrows or arrows[word] != (arrow[0] if arrow else None):
        problems.append("%s: the trend %r goes with the arrow %r" % (cells[0], word, arrow))
    spark = children(row[5], "svg")
    points = "-"
    if spark:
        label = spark[0].get("aria-label")
        found = re.search(r"zwischen (\d+)% und (\d+)%, zuletzt (\d+)%", label)
        percentages, line, end = sparkline_points(spark[0])
        if not found or [int(n) for n in found.groups()] != [
                min(percentages), max(percentages), percentages[-1]]:
            problems.append("%s: the sparkline draws %s, its text says %r" % (
                cells[0], percentages, label))
        if end[-1] != line[-1] or end[0][0] >= end[-1][0]:
            problems.append("%s: the sparkline's end mark is not at its last series" % cells[0])
        points = str(len(percentages))
    print("\t".join(cells[:3] + [word, cells[4], points, cells[6]]))
def rows_of(table):
    return ["|".join("".join(cell.itertext()) for cell in row)
            for row in table.findall("tbody/tr")]


learners_table = document.find(".//main/div[@class='wide']/table")
print("\n".join(rows_of(learners_table)))
legend = [c.get("class") for svg in children(document, "svg") if svg.get("class") == "legend"
          for c in children(svg, "circle")]
if legend != ["g1", "g2", "g3", "g4", "g5", "g6"]:
    problems.append("the legend shows %s" % legend)
for section in document.iter("section"):
    charts = children(section, "svg")
    if len(charts) != 1:
        problems.append("a learner without a chart")
        continue
    circles = children(section, "circle")
    if any(c.get("class") not in ("g1", "g2", "g3", "g4", "g5", "g6") for c in circles):
        problems.append("a point without a grade colour")
    # The percentages' heights from the grid's labels, the places from the first and last point.
    labels = {t.text: float(t.get("y")) for t in children(charts[0], "text")}
    percent = lambda y: round((labels["0%"] - y) * 100 / (labels["0%"] - labels["100%"]))
    xs = [float(c.get("cx")) for c in circles]
    whisker = ""
    for path in children(charts[0], "path"):
        if path.get("class") != "whisker":
            continue
        x, low, high = map(float, re.match(r"M([\d.]+),([\d.]+) V([\d.]+)", path.get("d")).groups())
        point = circles[xs.index(x)]
        whisker = "%s | at %.2f | %d%% to %d%%, the point %d%%" % (
            children(point, "title")[0].text, (x - xs[0]) / (xs[-1] - xs[0]),
            percent(low), percent(high), percent(float(point.get("cy"))))
    notes = [p.text for p in section.findall("p")]
    print("%s\t%d\t%s\t%s\t%s" % ("".join(section.find("h2").itertext()), len(circles),
                                   notes[0] if notes else "", whisker,
                                   rows_of(section.find("div/table"))[0]))
if problems:
    sys.exit("page: " + "; ".join(problems))
