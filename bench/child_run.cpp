// SPDX-License-Identifier: MIT
#include "child_run.h"

#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <ctime>
#include <sstream>
#include <stdexcept>

namespace vora::bench {

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
    QStringList arguments;
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    ChildReport report;
    report.startNs = MonotonicNs();
    child.start(QString::fromStdString(program), arguments);
    if (!child.waitForStarted(timeoutMs))
        throw std::runtime_error(program + ": " + child.errorString().toStdString());
    const auto left = static_cast<int>(
        std::max<std::int64_t>(1, timeoutMs - (MonotonicNs() - report.startNs) / 1'000'000));
    const bool finished = child.waitForFinished(left);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    const std::string output = child.readAll().toStdString();

    const std::string name = program.substr(program.find_last_of('/') + 1);
    if (!finished)
        throw std::runtime_error(name + " still running after " + std::to_string(timeoutMs) +
                                 " ms; output:\n" + output);
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        throw std::runtime_error(name + " failed (exit code " + std::to_string(child.exitCode()) +
                                 "); output:\n" + output);
    auto words = FindReportLine(output, keyword);
    if (!words) throw std::runtime_error(name + " printed no \"" + keyword + "\" line:\n" + output);
    report.words = std::move(*words);
    return report;
}

} // namespace vora::bench
