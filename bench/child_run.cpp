// SPDX-License-Identifier: MIT
#include "child_run.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vora::bench {

namespace {

class Pipe {
public:
    Pipe() {
        if (pipe2(fd_, O_CLOEXEC) != 0) throw std::runtime_error("pipe: " + Error());
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int read() const { return fd_[0]; }
    int write() const { return fd_[1]; }
    void closeRead() { Close(fd_[0]); }
    void closeWrite() { Close(fd_[1]); }

    static std::string Error() { return std::strerror(errno); }

private:
    static void Close(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    int fd_[2] = {-1, -1};
};

pid_t Spawn(const std::string& program, const std::vector<std::string>& args, int outputFd) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, outputFd, STDERR_FILENO);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error(program + ": " + std::strerror(error));
    return pid;
}

// Reads until end of file; false when the deadline passed first.
bool ReadAll(int fd, std::int64_t deadlineNs, std::string& output) {
    char buffer[4096];
    for (;;) {
        const std::int64_t left = (deadlineNs - MonotonicNs()) / 1'000'000;
        if (left <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return true;
        output.append(buffer, static_cast<std::size_t>(n));
    }
}

int Wait(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

} // namespace

std::int64_t MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

std::optional<std::vector<std::string>> FindReportLine(const std::string& output,
                                                       const std::string& keyword) {
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string word; in >> word;)
            words.push_back(word);
        if (!words.empty() && words.front() == keyword) return words;
    }
    return std::nullopt;
}

ChildReport RunChild(const std::string& program, const std::vector<std::string>& args,
                     const std::string& keyword, int timeoutMs) {
    Pipe pipe;
    ChildReport report;
    report.startNs = MonotonicNs();
    const pid_t pid = Spawn(program, args, pipe.write());
    pipe.closeWrite(); // end of file comes when the child's copies close

    std::string output;
    const bool finished = ReadAll(pipe.read(), report.startNs + timeoutMs * 1'000'000LL, output);
    if (!finished) kill(pid, SIGKILL);
    const int status = Wait(pid);

    const std::string name = program.substr(program.find_last_of('/') + 1);
    if (!finished)
        throw std::runtime_error(name + " still running after " + std::to_string(timeoutMs) +
                                 " ms; output:\n" + output);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(name + " failed (status " + std::to_string(status) +
                                 "); output:\n" + output);
    auto words = FindReportLine(output, keyword);
    if (!words) throw std::runtime_error(name + " printed no \"" + keyword + "\" line:\n" + output);
    report.words = std::move(*words);
    return report;
}

} // namespace vora::bench
