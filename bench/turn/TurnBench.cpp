// One whole turn as a click on the board drives it: the person's mark, the five test, the
// computer's reply, the five test, and both marks drawn on the window's kept image, at device
// pixel ratio 1 and 2, on the opening and on a position in mid-game.
//
// The main window runs on Qt's offscreen platform with two screens, one of each ratio. Each
// iteration is one click; Edit > Undo (outside the timing) takes the turn back, so every turn is
// played on the same position.

#include "ai/ChooseMove.h"
#include "core/BoardGeometry.h"
#include "core/Cell.h"
#include "forms/Twips.h"
#include "ui/DrawingSurface.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace pentavo {
namespace {

constexpr double TurnGoalNs = 2e6;

// The window as the program has it, except that a won game is noted instead of announced in a
// modal message box, which would stop the run.
class TurnWindow : public frmMain {
public:
    using frmMain::frmMain;
    void ShowMessage(std::string_view) override { gameWon = true; }
    bool gameWon = false;
};

QScreen* ScreenWithRatio(double ratio) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == ratio)
            return screen;
    return nullptr;
}

void Click(DrawingSurface& surface, Cell cell) {
    const QPointF at(TwipsToPixelsF(CellCentreX(cell.col)), TwipsToPixelsF(CellCentreY(cell.row)));
    QMouseEvent release(QEvent::MouseButtonRelease, at, surface.mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&surface, &release);
}

// The person's next cell: the one the computer would choose in the person's place.
Cell PersonsChoice(const frmMain& window) {
    std::int16_t col = 0;
    std::int16_t row = 0;
    ChooseMove(window.TheGame().State().Board, false, col, row);
    return Cell{col, row};
}

// `turns` turns played by clicks after a new game, then one turn per iteration.
void BM_Turn(benchmark::State& state, double ratio, int turns) {
    QScreen* screen = ScreenWithRatio(ratio);
    if (!screen) {
        state.SkipWithError("no screen with that pixel ratio");
        return;
    }
    GameOptions options;
    TurnWindow window(options);
    window.setScreen(screen);
    window.move(screen->geometry().topLeft());
    window.Load();
    window.show();
    QApplication::processEvents();
    DrawingSurface& surface = window.Surface();
    window.mnuFileNew_Click();
    for (int i = 0; i < turns; ++i)
        Click(surface, PersonsChoice(window));

    const Board before = window.TheGame().State().Board;
    const int stones = window.TheGame().State().MoveCount;
    const Cell cell = PersonsChoice(window);
    if (surface.Image().devicePixelRatio() != ratio || window.gameWon || stones != 1 + 2 * turns) {
        state.SkipWithError("the position or the pixel ratio is not the one asked for");
        return;
    }
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the timing loop
        Click(surface, cell);
        state.PauseTiming();
        if (window.TheGame().State().MoveCount != stones + 2 || window.gameWon) {
            state.SkipWithError("the click did not play one whole turn");
            break;
        }
        window.mnuEditUndo_Click();
        QApplication::processEvents();
        if (!(window.TheGame().State().Board == before)) {
            state.SkipWithError("undo did not restore the position");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["stones"] = stones;
}

// Keeps the median of each benchmark's repetitions, in nanoseconds of CPU time.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" &&
                !run.error_occurred)
                medians[run.run_name.function_name] =
                    run.GetAdjustedCPUTime() *
                    benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> medians;
};

// Two screens side by side, one at each pixel ratio, with no fake frame margins.
bool UseOffscreenScreens(const QTemporaryDir& scratch) {
    QFile config(scratch.filePath("offscreen.json"));
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(R"({ "windowFrameMargins": false, "screens": [
        { "name": "ratio1", "x": 0, "y": 0, "width": 800, "height": 800,
          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 },
        { "name": "ratio2", "x": 800, "y": 0, "width": 800, "height": 800,
          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2 } ] })");
    config.close();
    QDir folder(scratch.path());
    if (!folder.mkdir("runtime") || !folder.mkdir("config"))
        return false;
    QFile::setPermissions(folder.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", folder.filePath("runtime").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toLocal8Bit());
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    return true;
}

// The offscreen platform's note that it ignores size hints would come after every window shown.
QtMessageHandler standardHandler = nullptr;

void QuietSizeHintNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints")))
        standardHandler(type, context, text);
}

} // namespace
} // namespace pentavo

int main(int argc, char** argv) {
    using namespace pentavo;
    const QTemporaryDir scratch;
    if (!scratch.isValid() || !UseOffscreenScreens(scratch)) {
        (void)std::fprintf(stderr, "bench_turn: cannot prepare the offscreen screens\n");
        return 1;
    }
    standardHandler = qInstallMessageHandler(QuietSizeHintNotes);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    struct Case {
        std::string name;
        double ratio;
        int turns;
    };
    const std::vector<Case> cases{{"ratio 1, opening", 1, 0},
                                  {"ratio 2, opening", 2, 0},
                                  {"ratio 1, 41 stones", 1, 20},
                                  {"ratio 2, 41 stones", 2, 20}};
    for (const Case& turn : cases)
        benchmark::RegisterBenchmark(("Turn/" + turn.name).c_str(), BM_Turn, turn.ratio, turn.turns)
            ->Iterations(300)
            ->Repetitions(7)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    for (const Case& turn : cases) {
        const auto found = reporter.medians.find("Turn/" + turn.name);
        if (found == reporter.medians.end())
            continue;
        const double ns = found->second;
        std::printf("ROW\t3\tOne turn by a click, %s\t%.3f ms\t<= 2 ms\t%s\n", turn.name.c_str(),
                    ns / 1e6, ns <= TurnGoalNs ? "holds" : "FAILS");
    }
}
