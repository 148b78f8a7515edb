// The sparkline drawn in a box of 100 by 24 that the style sheet stretches to its cell and
// underlines; its strokes keep their width however it is stretched.
#include "drillreport/sparkline.h"

#include "drillreport/html_escape.h"

#include <cstdio>

namespace {

constexpr double width = 100;
constexpr double top = 2;
constexpr double bottom = 23;

void appendPoint(std::string& svg, double x, std::int32_t percentage)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.1f,%.1f", x, bottom - (bottom - top) * percentage / 100.0);
    svg += text;
}

} // namespace

std::string sparklineSvg(const std::vector<std::int32_t>& percentages, std::string_view label)
{
    std::string svg;
    if (percentages.size() < 2)
        return svg;
    svg += R"(<svg class="spark" viewBox="0 0 100 24" preserveAspectRatio="none" role="img")";
    svg += " aria-label=\"";
    appendEscaped(svg, label);
    svg += "\">";
    const std::size_t last = percentages.size() - 1;
    const auto xOf = [last](std::size_t i) {
        return width * static_cast<double>(i) / static_cast<double>(last);
    };
    constexpr std::string_view unstretched = R"(" vector-effect="non-scaling-stroke"/>)";
    svg += R"(<polyline class="spark-line" points=")";
    for (std::size_t i = 0; i <= last; ++i) {
        if (i > 0)
            svg += ' ';
        appendPoint(svg, xOf(i), percentages[i]);
    }
    // The last point as a short stroke of its own, as a circle would be stretched.
    svg += unstretched;
    svg += R"(<polyline class="spark-end" points=")";
    appendPoint(svg, width - 3, percentages[last]);
    svg += ' ';
    appendPoint(svg, width, percentages[last]);
    svg += unstretched;
    svg += "</svg>";
    return svg;
}
