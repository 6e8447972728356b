#pragma once
// The UI thread's longest stall while the window works: a 1 ms heartbeat timer
// on the UI thread and the longest gap between two of its ticks, from the
// action's start until what a person sees says it has ended.
#include <QString>

#include <functional>
#include <vector>

namespace kav::bench {

struct StallRun {
    bool ok = false;       // the end was seen before the deadline
    double longestMs = 0;  // longest gap between two heartbeat ticks (or the start and a tick)
    double durationMs = 0; // from the start to the first tick that saw the end
    long ticks = 0;        // heartbeat ticks in that time
    QString error;         // why not ok
};

// Runs `start` (e.g. a click) with the heartbeat going, then the event loop
// until `ended` holds, checked at every heartbeat tick and once after `start`
// returns, so a start that blocks and one that returns at once are measured
// alike. Gives up after `deadlineMs`.
StallRun measureStall(const std::function<void()>& start, const std::function<bool()>& ended, int deadlineMs);

// Runs the event loop (a 1 ms heartbeat) until `condition` holds; false after `deadlineMs`.
bool waitFor(const std::function<bool()>& condition, int deadlineMs);

struct StallScenario {
    QString name;
    // One run from a fresh start: its set-up is not measured.
    std::function<StallRun()> run;
};

// The scenarios against kav100sim on a pseudo-terminal (POSIX only).
std::vector<StallScenario> ptyScenarios();
// The load average line of the machine, or empty where there is none.
QString loadAverage();

} // namespace kav::bench
