// Figures summed over the series in time order, so first and last are the earliest and latest.
#include "figures.h"

#include "drill_rules.h"
#include "learner_name.h"

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

std::vector<LearnerFigures> learnerFigures(const ReportData& data)
{
    // A slot per kind and range, in the order of the rows: by kind, then by range.
    constexpr std::size_t ranges = numberLimits.size();
    using KindSlots = std::array<Figures, texts::kindOptions.size() * ranges>;
    std::vector<LearnerFigures> learners(data.learnerNames.size());
    std::vector<KindSlots> slots(learners.size());
    for (const SeriesEntry& entry : data.series) {
        const auto learner = static_cast<std::size_t>(entry.learner);
        const auto range = static_cast<std::size_t>(std::ranges::find(numberLimits, entry.limit) -
                                                    numberLimits.begin());
        addSeries(learners[learner].total, entry);
        addSeries(slots[learner][static_cast<std::size_t>(entry.kind - 1) * ranges + range], entry);
    }
    for (std::size_t learner = 0; learner < learners.size(); ++learner) {
        learners[learner].learner = static_cast<std::int32_t>(learner);
        for (std::size_t slot = 0; slot < slots[learner].size(); ++slot) {
            if (slots[learner][slot].series > 0) {
                learners[learner].kinds.push_back({static_cast<std::int32_t>(slot / ranges + 1),
                                                   numberLimits[slot % ranges],
                                                   slots[learner][slot]});
            }
        }
    }
    std::ranges::sort(learners, [&data](const LearnerFigures& a, const LearnerFigures& b) {
        return namesInOrder(data.learnerNames[static_cast<std::size_t>(a.learner)],
                            data.learnerNames[static_cast<std::size_t>(b.learner)]);
    });
    return learners;
}
