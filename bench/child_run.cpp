#include "child_run.h"

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('=') + 1);
        bool replaced = false;
        for (const std::string& e : extra)
            replaced = replaced || e.compare(0, name.size(), name) == 0;
        if (!replaced)
            entries.push_back(text);
    }
    entries.insert(entries.end(), extra.begin(), extra.end());
    return entries;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

long long monotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reads the pipe to its end, or until the time limit; true when it ended in time.
bool readAll(int fd, std::string& output, long long deadlineNs) {
    char buffer[4096];
    for (;;) {
        const long long leftMs = (deadlineNs - monotonicNs()) / 1'000'000;
        if (leftMs <= 0)
            return false;
        pollfd watched{fd, POLLIN, 0};
        if (poll(&watched, 1, static_cast<int>(leftMs)) <= 0)
            continue;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return true;
        output.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

ChildRun runChild(const std::vector<std::string>& arguments,
                  const std::vector<std::string>& extraEnvironment, int timeLimitSeconds) {
    std::vector<std::string> argumentTexts = arguments;
    std::vector<std::string> environmentTexts = environmentWith(extraEnvironment);
    std::vector<char*> argv = pointersTo(argumentTexts);
    std::vector<char*> envp = pointersTo(environmentTexts);

    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe: " + std::string(std::strerror(errno)));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);

    ChildRun run;
    pid_t child = 0;
    run.startedAtNs = monotonicNs();
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start " + arguments[0] + ": " + std::strerror(spawned));
    }

    const long long deadline = run.startedAtNs + timeLimitSeconds * 1'000'000'000LL;
    if (!readAll(pipeEnds[0], run.output, deadline))
        kill(child, SIGKILL);
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.peakResidentKiB = usage.ru_maxrss;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

double numberAfter(const std::string& output, const std::string& prefix) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            return std::stod(line.substr(prefix.size()));
    }
    return -1;
}
