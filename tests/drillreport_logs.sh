# Drill logs for drillreport's tests, sourced: a class's logs from a Linux and a Win32
# computer with awkward names, and a generated log of any size.
# shellcheck shell=bash

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh" # the records

# write_class_logs: pc1/tovu as drill writes it on Linux (UTF-8, LF), pc2/tovu as drill.exe
# on a German console (code page 850, CR LF), holding one of pc1's series again.
write_class_logs() {
    mkdir -p pc1 pc2
    {
        start_records 'Mon Dec 07 07:55:00 2026'
        series_record 'Anna;Lena' 1 10 3 3 1 'Mon Dec 07 08:00:00 2026'
        series_record 'Müller, Lena' 1 10 2 6 1 'Mon Dec 07 08:01:00 2026'
        series_record 'Max "Mäxchen" Muster' 2 25 1 10 0 'Mon Dec 07 08:05:00 2026'
        series_record '=HYPERLINK("http://x")' 3 100 4 2 1 'Mon Dec 07 08:10:00 2026'
        series_record 'Jürgen' 6 10000 2 20 1 'Tue Dec  8 09:00:00 2026'
        series_record '-Bert' 4 1000 6 1 1 'Tue Dec 08 10:00:00 2026'
        series_record '' 5 10 5 10 6 'Tue Dec 08 11:00:00 2026'
    } >pc1/tovu
    {
        start_records 'Wed Dec 09 08:55:00 2026'
        series_record $'J\x81rgen' 6 10000 2 20 1 'Tue Dec  8 09:00:00 2026'
        series_record $'J\x81rgen' 6 10000 1 21 1 'Wed Dec 09 09:00:00 2026'
        series_record $'@\x99mer +1' 1 10 1 5 0 'Wed Dec 09 09:30:00 2026'
        series_record $'\x8e"rger' 4 25 3 4 1 'Wed Dec 09 10:00:00 2026'
    } | sed 's/$/\r/' >pc2/tovu
}

# generated_log LEARNERS SERIES DAYS: SERIES series of LEARNERS learners in turn, spread
# evenly over DAYS days from 1 March 2026, each learner at three kinds in two ranges, the
# errors falling over time; the same log every time.
generated_log() {
    awk -v series="$2" -v days="$3" 'BEGIN {
        for (i = 0; i < series; i++)
            printf "2026-03-01 08:00:00 UTC %d seconds\n", int(i * days * 86400 / series)
    }' | LC_ALL=C TZ=UTC date -f - '+%a %b %d %H:%M:%S %Y' |
        awk -v learners="$1" -v series="$2" -v record="$series_format" 'BEGIN {
            srand(11)
            split("Anna Ben Cem Dana Emil Fatma Greta J\303\274rgen Ida Jonas", names, " ")
            split("10 25 100 1000 10000", limits, " ")
        }
        {
            i = NR - 1
            learner = i % learners
            name = names[learner % 10 + 1]
            if (learner >= 10) name = name " " int(learner / 10) + 1
            turn = int(i / learners)
            exercises = 8 + int(rand() * 13)
            errors = int(exercises * (0.6 - 0.5 * i / series) * (0.4 + 1.2 * rand()) + 0.5)
            if (errors > exercises) errors = exercises
            percent = int(errors * 100 / exercises)
            grade = percent <= 4 ? 1 : percent <= 19 ? 2 : percent <= 33 ? 3 : percent <= 50 ? 4 : percent <= 70 ? 5 : 6
            printf record, name, (learner + turn % 3) % 6 + 1, limits[(learner + int(turn / 3) % 2) % 5 + 1], grade, exercises, errors, $0
        }'
}
