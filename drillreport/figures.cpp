// Figures summed over the series in time order, so first and last are the earliest and latest.
#include "figures.h"

#include "drill_rules.h"
#include "learner_name.h"

#include <algorithm>

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
    std::vector<LearnerFigures> learners(data.learnerNames.size());
    for (std::size_t i = 0; i < learners.size(); ++i)
        learners[i].learner = static_cast<std::int32_t>(i);
    for (const SeriesEntry& entry : data.series) {
        LearnerFigures& learner = learners[static_cast<std::size_t>(entry.learner)];
        addSeries(learner.total, entry);
        auto kind = std::ranges::find_if(learner.kinds, [&entry](const KindFigures& k) {
            return k.kind == entry.kind && k.limit == entry.limit;
        });
        if (kind == learner.kinds.end())
            kind = learner.kinds.insert(kind, {entry.kind, entry.limit, {}});
        addSeries(kind->figures, entry);
    }
    for (LearnerFigures& learner : learners) {
        std::ranges::sort(learner.kinds, [](const KindFigures& a, const KindFigures& b) {
            return a.kind != b.kind ? a.kind < b.kind : a.limit < b.limit;
        });
    }
    std::ranges::sort(learners, [&data](const LearnerFigures& a, const LearnerFigures& b) {
        return namesInOrder(data.learnerNames[static_cast<std::size_t>(a.learner)],
                            data.learnerNames[static_cast<std::size_t>(b.learner)]);
    });
    return learners;
}
