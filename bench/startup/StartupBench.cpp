// Start-up of the game against a minimal Qt program that shows one empty main window: the time
// from exec until the main window is mapped, and the peak resident memory, on one private X
// screen, in alternated rounds.
//
//   bench_startup [--rounds N] [--settle MS] [--languages de,ja,...] [PROGRAM [MINIMAL [TEXT]]]
//
// The game starts in English and in each translated language (by default every one it has).
// TEXT, a minimal program that shows one text label, is measured for scale: the first text drawn
// reads the font configuration, which the empty window never does.
// The probe is an X client of its own: it watches the root window for maps (SubstructureNotify)
// and sleeps in poll() until one arrives, so the figure has no polling step in it. The splash is
// told apart from the main window by its window type. After the map the program is given MS
// milliseconds to draw its first frame before its peak resident memory (VmHWM) is read.
// Verdicts are given only where this folder was built as Release, as scripts/bench builds it.

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int WaitLimitMs = 30000;

double MsSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what);
}

// The end of a log, for a failure message (the scratch folder goes when the run ends).
std::string Tail(const std::filesystem::path& log) {
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.size() > 2000 ? text.substr(text.size() - 2000) : text;
}

std::string ErrnoText(const char* call) {
    return std::string(call) + ": " + std::strerror(errno);
}

// Waits until `fd` is readable; false when `ms` passed first.
bool WaitReadable(int fd, int ms) {
    pollfd one{fd, POLLIN, 0};
    int ready = 0;
    do
        ready = poll(&one, 1, ms);
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

void StopProcess(pid_t pid, int signal) {
    if (pid <= 0)
        return;
    kill(pid, signal);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// A private folder for settings, runtime files and logs, removed at the end.
struct Scratch {
    std::filesystem::path root;

    Scratch() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pentavo-startup.XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            Fail(ErrnoText("mkdtemp"));
        root = pattern;
        for (const char* folder : {"runtime", "config", "home"})
            std::filesystem::create_directory(root / folder);
        std::filesystem::permissions(root / "runtime", std::filesystem::perms::owner_all);
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
};

// A private X server; its display number comes back through -displayfd.
struct XServer {
    pid_t pid = -1;
    std::string display;

    explicit XServer(const std::filesystem::path& log) {
        int number[2];
        if (pipe(number) != 0)
            Fail(ErrnoText("pipe"));
        pid = fork();
        if (pid < 0)
            Fail(ErrnoText("fork"));
        if (pid == 0) {
            close(number[0]);
            const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
            const std::string fd = std::to_string(number[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(number[1]);
        std::string text;
        char c = 0;
        while (WaitReadable(number[0], WaitLimitMs) && read(number[0], &c, 1) == 1 && c != '\n')
            text += c;
        close(number[0]);
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
            Fail("Xvfb did not start (is it installed? scripts/deps.sh installs it)");
        display = ":" + text;
    }
    ~XServer() { StopProcess(pid, SIGTERM); }
};

struct Launch {
    double mapMs = 0;
    double cpuMs = 0; // the main thread's time on a processor until the map, less noisy than mapMs
    double peakMiB = 0;
};

class Probe {
public:
    explicit Probe(const std::string& display, std::filesystem::path logs)
        : logs_(std::move(logs)) {
        connection_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(connection_))
            Fail("cannot connect to " + display);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t* error = xcb_request_check(
            connection_,
            xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask));
        if (error) {
            std::free(error);
            Fail("cannot watch the root window");
        }
        windowType_ = Atom("_NET_WM_WINDOW_TYPE");
        splashType_ = Atom("_NET_WM_WINDOW_TYPE_SPLASH");
        windowPid_ = Atom("_NET_WM_PID");
    }
    ~Probe() { xcb_disconnect(connection_); }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    // Starts `program`, waits for its main window's map, lets it draw for `settleMs`, reads its
    // peak resident memory and kills it.
    Launch Run(const std::string& program, const std::string& name, int settleMs) {
        const std::filesystem::path log = logs_ / (name + ".log");
        int started[2];
        if (pipe2(started, O_CLOEXEC) != 0)
            Fail(ErrnoText("pipe2"));
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid < 0)
            Fail(ErrnoText("fork"));
        if (pid == 0) {
            close(started[0]);
            const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            const int error = errno;
            [[maybe_unused]] const ssize_t written = write(started[1], &error, sizeof error);
            _exit(127);
        }
        close(started[1]);
        // The pipe closes at exec; an errno comes through it when exec failed.
        int execError = 0;
        const ssize_t got = read(started[0], &execError, sizeof execError);
        close(started[0]);
        if (got > 0) {
            StopProcess(pid, SIGKILL);
            errno = execError;
            Fail(ErrnoText(("exec " + program).c_str()));
        }
        const int exited = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        if (exited < 0) {
            StopProcess(pid, SIGKILL);
            Fail(ErrnoText("pidfd_open"));
        }

        Launch launch;
        const std::optional<Clock::time_point> mapped = WaitForMainWindow(pid, exited);
        launch.cpuMs = CpuMs(pid);
        if (mapped && !WaitReadable(exited, settleMs))
            launch.peakMiB = PeakResidentKiB(pid) / 1024.0;
        close(exited);
        StopProcess(pid, SIGKILL);
        if (!mapped || launch.peakMiB <= 0)
            Fail(name + " ended or showed no main window within " +
                 std::to_string(WaitLimitMs / 1000) + " s; its output:\n" + Tail(log));
        launch.mapMs = MsSince(start, *mapped);
        return launch;
    }

private:
    xcb_atom_t Atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        if (!reply)
            Fail(std::string("cannot intern ") + name);
        const xcb_atom_t atom = reply->atom;
        std::free(reply);
        return atom;
    }

    // Whether the 32-bit property of `window` holds `value` among its values.
    bool PropertyHolds(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                       std::uint32_t value) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, property, type, 0, 32), nullptr);
        bool holds = false;
        if (reply && reply->format == 32) {
            const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
            const int count = xcb_get_property_value_length(reply) / 4;
            holds = std::find(values, values + count, value) != values + count;
        }
        std::free(reply);
        return holds;
    }

    // A top-level window of this process that a window manager would frame and that is no splash.
    bool IsMainWindow(const xcb_map_notify_event_t& map, pid_t pid) {
        return map.event == root_ && !map.override_redirect &&
               PropertyHolds(map.window, windowPid_, XCB_ATOM_CARDINAL,
                             static_cast<std::uint32_t>(pid)) &&
               !PropertyHolds(map.window, windowType_, XCB_ATOM_ATOM, splashType_);
    }

    // The moment the main window's map reached the probe; nothing when the program ended first.
    std::optional<Clock::time_point> WaitForMainWindow(pid_t pid, int exited) {
        const int events = xcb_get_file_descriptor(connection_);
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const Clock::time_point at = Clock::now();
                const bool found =
                    (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                    IsMainWindow(*reinterpret_cast<xcb_map_notify_event_t*>(event), pid);
                std::free(event);
                if (found)
                    return at;
            }
            if (xcb_connection_has_error(connection_))
                Fail("the X connection broke");
            pollfd both[2] = {{events, POLLIN, 0}, {exited, POLLIN, 0}};
            const int ready = poll(both, 2, WaitLimitMs);
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0 || (both[1].revents & POLLIN))
                return std::nullopt;
        }
    }

    static double CpuMs(pid_t pid) {
        std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
        double ns = 0;
        schedstat >> ns;
        return ns / 1e6;
    }

    static double PeakResidentKiB(pid_t pid) {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        std::string key;
        while (status >> key) {
            if (key == "VmHWM:") {
                double kib = 0;
                status >> kib;
                return kib;
            }
            status.ignore(1 << 16, '\n');
        }
        return 0;
    }

    std::filesystem::path logs_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t windowType_ = 0;
    xcb_atom_t splashType_ = 0;
    xcb_atom_t windowPid_ = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

std::string Format(const char* format, double a, double b, double c) {
    char text[160];
    // A bad format gives an empty cell rather than whatever the buffer held.
    return std::snprintf(text, sizeof text, format, a, b, c) < 0 ? std::string{}
                                                                 : std::string{text};
}

// One line of the performance table that scripts/bench gathers.
void PrintRow(const std::string& figure, const std::string& measured, const std::string& target,
              const std::string& verdict) {
    std::printf("ROW\t4\t%s\t%s\t%s\t%s\n", figure.c_str(), measured.c_str(), target.c_str(),
                verdict.c_str());
}

// Start-up is judged on the optimised build that players run: a debug build runs the program's own
// code slower but Qt's as shipped, so its ratios are not the ones players meet.
constexpr std::string_view BuildType = PENTAVO_BUILD_TYPE;
constexpr bool Judged = BuildType == "Release";

std::string Verdict(bool holds) {
    if (!Judged)
        return "not judged (" + std::string(BuildType.empty() ? "unnamed" : BuildType) + " build)";
    return holds ? "holds" : "FAILS";
}

int Usage() {
    (void)std::fprintf(stderr,
                       "usage: bench_startup [--rounds N] [--settle MS] [--languages de,ja,...] "
                       "[PROGRAM [MINIMAL [TEXT]]]\n");
    return 2;
}

// Only the X server and the private folders are chosen here; the rest of the environment is the
// caller's, the same for both programs.
void SetEnvironment(const Scratch& scratch, const std::string& display) {
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("XDG_RUNTIME_DIR", (scratch.root / "runtime").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (scratch.root / "config").c_str(), 1);
    setenv("HOME", (scratch.root / "home").c_str(), 1);
    for (const char* name :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
          "QT_QPA_PLATFORMTHEME", "SESSION_MANAGER", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        unsetenv(name);
}

} // namespace

struct Subject {
    std::string name;
    std::string program;
    std::string language; // LANG
    std::vector<double> ms, cpu, mib;
};

// "de,ja" as {"de", "ja"}.
std::vector<std::string> Languages(std::string_view list) {
    std::vector<std::string> languages;
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        if (comma > 0)
            languages.emplace_back(list.substr(0, comma));
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return languages;
}

int main(int argc, char* argv[]) {
    int rounds = 10;
    int settleMs = 500;
    std::vector<std::string> languages = Languages(PENTAVO_LANGUAGES);
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--languages" && i + 1 < argc) {
            languages = Languages(argv[++i]);
        } else if ((arg == "--rounds" || arg == "--settle") && i + 1 < argc) {
            const std::string_view text = argv[++i];
            int value = 0;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), value);
            if (error != std::errc{} || end != text.data() + text.size() || value <= 0)
                return Usage();
            (arg == "--rounds" ? rounds : settleMs) = value;
        } else if (arg.starts_with("-") || programs.size() == 3) {
            return Usage();
        } else {
            programs.push_back(arg);
        }
    }
    // The game in English, the floor it is held to, for scale the least a program that draws
    // text does, and the game in each translated language.
    const std::string game = !programs.empty() ? programs[0] : PENTAVO_PROGRAM;
    std::vector<Subject> subjects{
        {"pentavo", game, "C.UTF-8", {}, {}, {}},
        {"minimal", programs.size() > 1 ? programs[1] : MINIMAL_PROGRAM, "C.UTF-8", {}, {}, {}},
        {"text", programs.size() > 2 ? programs[2] : MINIMAL_TEXT_PROGRAM, "C.UTF-8", {}, {}, {}}};
    for (const std::string& language : languages)
        subjects.push_back({language, game, language + ".UTF-8", {}, {}, {}});

    try {
        const Scratch scratch;
        const XServer server(scratch.root / "xvfb.log");
        SetEnvironment(scratch, server.display);
        Probe probe(server.display, scratch.root);

        // One unmeasured start of each fills the file cache for all alike.
        for (const Subject& subject : subjects) {
            setenv("LANG", subject.language.c_str(), 1);
            probe.Run(subject.program, subject.name, settleMs);
        }

        std::printf(Judged ? "this folder built as %s, the build judged\n"
                           : "this folder built as %s: figures for orientation only, verdicts on "
                             "a Release build (scripts/bench builds one)\n",
                    BuildType.empty() ? "unnamed" : BuildType.data());
        std::printf("%-6s %-8s %10s %10s %10s\n", "round", "program", "map (ms)", "cpu (ms)",
                    "peak (MiB)");
        for (int round = 0; round < rounds; ++round) {
            // Each round starts with the next program, so none always follows another.
            for (std::size_t i = 0; i < subjects.size(); ++i) {
                Subject& subject =
                    subjects[(i + static_cast<std::size_t>(round)) % subjects.size()];
                setenv("LANG", subject.language.c_str(), 1);
                const Launch launch = probe.Run(subject.program, subject.name, settleMs);
                subject.ms.push_back(launch.mapMs);
                subject.cpu.push_back(launch.cpuMs);
                subject.mib.push_back(launch.peakMiB);
                std::printf("%-6d %-8s %10.1f %10.1f %10.1f\n", round + 1, subject.name.c_str(),
                            launch.mapMs, launch.cpuMs, launch.peakMiB);
            }
        }

        const Subject& english = subjects[0];
        std::printf("\nmedians of %d rounds (languages also as a multiple of English):\n", rounds);
        for (const Subject& subject : subjects) {
            std::printf("  %-8s %6.1f ms (main thread on a processor %.1f ms) %6.1f MiB",
                        subject.name.c_str(), Median(subject.ms), Median(subject.cpu),
                        Median(subject.mib));
            if (subject.language != english.language)
                std::printf("  = %.2f x (main thread %.2f x, memory %.2f x)",
                            Median(subject.ms) / Median(english.ms),
                            Median(subject.cpu) / Median(english.cpu),
                            Median(subject.mib) / Median(english.mib));
            std::printf("\n");
        }
        const Subject& floor = subjects[1];
        const Subject& text = subjects[2];
        const auto german =
            std::find_if(subjects.begin(), subjects.end(),
                         [](const Subject& subject) { return subject.name == "de"; });
        const auto slowest = std::max_element(
            subjects.begin() + 3, subjects.end(),
            [](const Subject& a, const Subject& b) { return Median(a.ms) < Median(b.ms); });
        const double timeRatio = Median(english.ms) / Median(floor.ms);
        const double memoryRatio = Median(english.mib) / Median(floor.mib);
        PrintRow("Start-up to the mapped main window",
                 Format("%.1f ms = %.2f x minimal Qt program (%.1f ms)", Median(english.ms),
                        timeRatio, Median(floor.ms)),
                 "<= 1.15 x minimal", Verdict(timeRatio <= 1.15));
        PrintRow("Peak resident memory at start",
                 Format("%.1f MiB = %.2f x minimal Qt program (%.1f MiB)", Median(english.mib),
                        memoryRatio, Median(floor.mib)),
                 "<= 1.2 x minimal", Verdict(memoryRatio <= 1.2));
        if (german != subjects.end()) {
            const double translatedRatio = Median(german->ms) / Median(english.ms);
            PrintRow("Start-up in German, translations loaded",
                     Format("%.1f ms = %.2f x minimal = %.2f x in English", Median(german->ms),
                            Median(german->ms) / Median(floor.ms), translatedRatio) +
                         Format(" (main thread %.2f x, memory %.2f x)",
                                Median(german->cpu) / Median(english.cpu),
                                Median(german->mib) / Median(english.mib), 0),
                     "<= 1.05 x in English", Verdict(translatedRatio <= 1.05));
        }
        if (slowest != subjects.end()) {
            const double slowestRatio = Median(slowest->ms) / Median(english.ms);
            PrintRow("Start-up in the slowest of " + std::to_string(languages.size()) +
                         " languages (" + slowest->name + ")",
                     Format("%.1f ms = %.2f x in English (main thread %.2f x)", Median(slowest->ms),
                            slowestRatio, Median(slowest->cpu) / Median(english.cpu)),
                     "<= 1.15 x in English", Verdict(slowestRatio <= 1.15));
        }
        PrintRow("For scale: minimal Qt program with one text label",
                 Format("%.1f ms = %.2f x minimal, %.1f MiB", Median(text.ms),
                        Median(text.ms) / Median(floor.ms), Median(text.mib)) +
                     Format(" = %.2f x minimal", Median(text.mib) / Median(floor.mib), 0, 0),
                 "-", "-");
    } catch (const std::exception& error) {
        (void)std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
