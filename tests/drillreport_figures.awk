# The benchmark's baseline: the report's figures, per learner and per learner, kind and range,
# summed in one pass over a log by awk and printed unordered.
function add(key) {
    if (!(key in series)) { firstGrade[key] = grade; first[key] = date }
    series[key]++; exercises[key] += ex; errors[key] += er; gradeSum[key] += grade
    lastGrade[key] = grade; last[key] = date
}
/^Name:/ { name = substr($0, 24); next }
/^Art:/ { kind = substr($0, 28); next }
/^Schwierigkeit:/ { limit = substr($0, 22); next }
/^Note:/ { grade = substr($0, 26); next }
/^Aufgaben:/ { ex = substr($0, 22); next }
/^Fehler:/ { er = substr($0, 26); next }
/^Endzeit:/ { date = substr($0, 25); add(name); add(name SUBSEP kind SUBSEP limit); next }
END {
    for (key in series)
        printf "%s %d %d %d %d%% %.1f %d %d %s %s\n", key, series[key], exercises[key],
            errors[key], int(errors[key] * 100 / exercises[key]), gradeSum[key] / series[key],
            firstGrade[key], lastGrade[key], first[key], last[key]
}
