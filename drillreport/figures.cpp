// Figures summed over the series in time order, so first and last are the earliest and latest.
#include "drillreport/figures.h"

#include "drillreport/learner_name.h"

#include <algorithm>
#include <array>

void addSeries(Figures& figures, const SeriesEntry& entry)
{
    if (figures.series == 0) {
        figures.firstGrade = entry.grade;
        figures.first = entry.end;
    }
    ++figures.series;
    figures.exercises += entry.exercises;
    figures.errors += entry.errors;
    figures.gradeSum += entry.grade;
    figures.lastGrade = entry.grade;
    figures.last = entry.end;
}

std::int32_t errorPercentageOf(const Figures& figures)
{
    return figures.exercises > 0 ? errorPercentage(figures.errors, figures.exercises) : 0;
}

std::int64_t averageGradeTenths(const Figures& figures)
{
    if (figures.series == 0)
        return 0;
    return (figures.gradeSum * 20 + figures.series) / (figures.series * 2);
}

std::size_t kindSlot(const SeriesEntry& entry)
{
    const auto range = static_cast<std::size_t>(std::ranges::find(numberLimits, entry.limit) -
                                                numberLimits.begin());
    return static_cast<std::size_t>(entry.kind - 1) * numberLimits.size() + range;
}

KindFigures kindFigures(std::size_t slot, const Figures& figures)
{
    return {static_cast<std::int32_t>(slot / numberLimits.size() + 1),
            numberLimits[slot % numberLimits.size()], figures};
}

std::vector<LearnerFigures> learnerFigures(const ReportData& data)
{
    // The order of the names, each name's key worked out once.
    std::vector<std::string> keys;
    keys.reserve(data.learnerNames.size());
    for (const std::string& name : data.learnerNames)
        keys.push_back(nameSortKey(name));
    std::vector<std::int32_t> order(data.learnerNames.size());
    for (std::size_t learner = 0; learner < order.size(); ++learner)
        order[learner] = static_cast<std::int32_t>(learner);
    std::sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
        const auto first = static_cast<std::size_t>(a);
        const auto second = static_cast<std::size_t>(b);
        if (keys[first] != keys[second])
            return keys[first] < keys[second];
        return data.learnerNames[first] < data.learnerNames[second];
    });

    // One set of slots serves every learner in turn, each learner walking only their own series.
    std::array<Figures, kindSlots> slots{};
    std::vector<LearnerFigures> learners(order.size());
    for (std::size_t at = 0; at < order.size(); ++at) {
        LearnerFigures& learner = learners[at];
        learner.learner = order[at];
        for (const std::size_t position : seriesOfLearner(data, learner.learner)) {
            const SeriesEntry& entry = data.series[position];
            addSeries(learner.total, entry);
            addSeries(slots[kindSlot(entry)], entry);
        }
        for (std::size_t slot = 0; slot < slots.size(); ++slot) {
            if (slots[slot].series > 0) {
                learner.kinds.push_back(kindFigures(slot, slots[slot]));
                slots[slot] = {};
            }
        }
    }
    return learners;
}
