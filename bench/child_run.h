#pragma once

#include <string>
#include <vector>

// One run of a child program: what it wrote on stdout and stderr, when it was started on the
// monotonic clock, and its peak resident memory.
struct ChildRun {
    long long startedAtNs = 0;
    std::string output;
    long peakResidentKiB = 0;
    int exitStatus = -1;
};

// Starts the program with the arguments and the extra environment ("NAME=value" entries added to
// this process's own), collects its stdout and stderr together and waits for it to end. A child
// that runs longer than the time limit is killed. Throws std::runtime_error when it cannot start.
ChildRun runChild(const std::vector<std::string>& arguments,
                  const std::vector<std::string>& extraEnvironment, int timeLimitSeconds);

// The number after `prefix` on the first output line that starts with it, or -1.
double numberAfter(const std::string& output, const std::string& prefix);
