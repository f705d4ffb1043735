#include "files/tests/RestrictedChild.h"

#include <gtest/gtest.h>

#include <csignal>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pentavo {
namespace {

constexpr uid_t NobodyId = 65534;

// `restrict` gives a reason when the child cannot be set up; the child then reports a skip.
ChildOutcome RunInChild(const std::function<std::optional<std::string>()>& restrict,
                        const std::function<Outcome()>& operation) {
    int channel[2];
    if (::pipe(channel) != 0)
        return {"cannot make a pipe", false, {}};
    const pid_t child = ::fork();
    if (child < 0)
        return {"cannot fork", false, {}};
    if (child == 0) {
        ::close(channel[0]);
        std::string report;
        if (const auto reason = restrict())
            report = "S" + *reason;
        else {
            const Outcome result = operation();
            report = (result.Ok() ? "O" : "E") + result.Message();
        }
        const bool sent = ::write(channel[1], report.data(), report.size()) ==
                          static_cast<ssize_t>(report.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty()) {
        ADD_FAILURE() << "the child process did not report back (status " << status << ")";
        return {};
    }
    const std::string text = report.substr(1);
    if (report[0] == 'S')
        return {text, false, {}};
    return {std::nullopt, report[0] == 'O', text};
}

} // namespace

ChildOutcome RunAsNobody(const std::filesystem::path& folder,
                         const std::function<Outcome()>& operation) {
    const auto becomeNobody = [&folder]() -> std::optional<std::string> {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(NobodyId) != 0 || ::setuid(NobodyId) != 0))
            return "cannot drop root rights to the user nobody";
        if (::access(folder.c_str(), X_OK) != 0)
            return "the user nobody cannot reach " + folder.string();
        return std::nullopt;
    };
    return RunInChild(becomeNobody, operation);
}

ChildOutcome RunWithFileSizeLimit(rlim_t limit, const std::function<Outcome()>& operation) {
    const auto limitFileSize = [limit]() -> std::optional<std::string> {
        // Ignoring SIGXFSZ makes a write past the limit fail instead of ending the child.
        const rlimit bound{limit, limit};
        if (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &bound) != 0)
            return "cannot limit the file size";
        return std::nullopt;
    };
    return RunInChild(limitFileSize, operation);
}

ChildOutcome RunWithFileBound(const std::filesystem::path& source,
                              const std::filesystem::path& target,
                              const std::function<Outcome()>& operation) {
    const auto bind = [&source, &target]() -> std::optional<std::string> {
        // Private mounts keep the binding from reaching the rest of the machine.
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) != 0)
            return "cannot bind a file over another in a mount namespace of its own";
        return std::nullopt;
    };
    return RunInChild(bind, operation);
}

} // namespace pentavo
