#include "testkit/ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace pentavo {

namespace {

int MillisecondsUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

void CloseFd(int& fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

} // namespace

ChildProcess::ChildProcess(const char* path) {
    // Writing to a program that has gone must fail the write, not end the test run.
    (void)std::signal(SIGPIPE, SIG_IGN);
    int toChild[2];
    int fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    char* argv[] = {const_cast<char*>(path), nullptr};
    const int spawned = posix_spawn(&pid_, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    input_ = toChild[1];
    output_ = fromChild[0];
    if (spawned != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + std::string(path));
    }
    fcntl(input_, F_SETFL, fcntl(input_, F_GETFL) | O_NONBLOCK);
}

ChildProcess::~ChildProcess() {
    CloseFd(input_);
    CloseFd(output_);
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

bool ChildProcess::Send(std::string_view text) {
    const auto deadline = Clock::now() + Patience;
    while (!text.empty()) {
        pollfd fds[] = {{input_, POLLOUT, 0}, {outputEnded_ ? -1 : output_, POLLIN, 0}};
        if (poll(fds, 2, MillisecondsUntil(deadline)) <= 0)
            return false;
        if (fds[1].revents != 0 && !ReadSome(deadline))
            return false;
        if ((fds[0].revents & (POLLERR | POLLHUP)) != 0)
            return false;
        if ((fds[0].revents & POLLOUT) != 0) {
            const ssize_t written = write(input_, text.data(), text.size());
            if (written < 0 && errno != EAGAIN)
                return false;
            if (written > 0)
                text.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    return true;
}

bool ChildProcess::ReadSome(Clock::time_point deadline) {
    pollfd fd{output_, POLLIN, 0};
    if (poll(&fd, 1, MillisecondsUntil(deadline)) <= 0)
        return false;
    char buffer[4096];
    const ssize_t got = read(output_, buffer, sizeof buffer);
    if (got <= 0)
        outputEnded_ = true;
    else
        pending_.append(buffer, static_cast<std::size_t>(got));
    return true;
}

std::optional<std::string> ChildProcess::ReadLine() {
    const auto deadline = Clock::now() + Patience;
    std::size_t end = 0;
    while ((end = pending_.find('\n')) == std::string::npos)
        if (outputEnded_ || !ReadSome(deadline))
            return std::nullopt;
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    return line;
}

std::optional<std::string> ChildProcess::ReadToEnd() {
    const auto deadline = Clock::now() + Patience;
    while (!outputEnded_)
        if (!ReadSome(deadline))
            return std::nullopt;
    return std::exchange(pending_, {});
}

void ChildProcess::CloseInput() {
    CloseFd(input_);
}

void ChildProcess::CloseOutput() {
    CloseFd(output_);
}

std::optional<int> ChildProcess::Wait() {
    const auto deadline = Clock::now() + Patience;
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(pid_, &status, WNOHANG)) == 0) {
        if (Clock::now() > deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    pid_ = -1;
    if (ended < 0 || !WIFEXITED(status))
        return std::nullopt;
    return WEXITSTATUS(status);
}

} // namespace pentavo
