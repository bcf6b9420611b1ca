// Measures the three programs against the bare Qt windows of the same size and prints each
// figure with its target and whether it is met. Start-up to the first painted frame and peak
// resident memory are held to ratios to the bare window showing one line of Japanese text, the
// floor that any Japanese Qt window pays; the empty window is printed as the toolkit's own
// floor. Then, in fresh processes per game: "次回予想" and "計算結果" from the click to the
// repainted window, their first click made a second after the window first painted (as a user
// types the numbers first) and, in other processes, right after start-up; and "保存" / "データ"
// of a data file.
//
// usage: kelvane_bench [--runs N] [--windows N] [--clicks N]
//   --runs     start-ups of each program (default 31)
//   --windows  fresh window processes per game and kind of first click (default 7)
//   --clicks   predictions, saves and loads in each of them (default 100)
// The programs run on the Qt platform of the environment; without a display, on "offscreen".

#include "child_run.h"
#include "first_frame_report.h"
#include "font_faces.h"
#include "game_profiles.h"
#include "median.h"
#include "window_timing.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kDefaultStartUps = 31;
constexpr int kDefaultWindows = 7;
constexpr int kDefaultClicks = 100;
constexpr int kStartTimeLimitSeconds = 30;
constexpr int kWindowTimeLimitSeconds = 300;

// The targets: start-up and memory within these factors of the bare text window; the first
// click, and each click after it, within these many microseconds.
constexpr double kStartUpFactor = 1.25;
constexpr double kMemoryFactor = 1.15;
constexpr double kFirstClickMicroseconds = 3000;
constexpr double kClickMicroseconds = 1500;
// The user types the draws before pressing: the first click of the timed windows comes this long
// after the window first painted.
constexpr int kFirstClickAfterMs = 1000;

// The toolkit's own floor, printed beside the programs.
const char* const kBare = "bare_window";
// The floor that the targets are ratios to: the bare window showing one line of Japanese text.
const char* const kBareText = "bare_text_window";
const GameProfile* const kGames[] = {&kRk7klvn, &kRk6klvn, &kMiniklvn};
const char* const kWindowMode = "--window";

struct Options {
    int startUps = kDefaultStartUps;
    int windows = kDefaultWindows;
    int clicks = kDefaultClicks;
    const char* windowGame = nullptr;
    const char* windowFolder = nullptr;
    int firstClickAfterMs = 0;
};

Options parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--runs") == 0 && hasValue)
            options.startUps = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--windows") == 0 && hasValue)
            options.windows = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--clicks") == 0 && hasValue)
            options.clicks = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], kWindowMode) == 0 && i + 3 < argc) {
            options.windowGame = argv[++i];
            options.windowFolder = argv[++i];
            options.firstClickAfterMs = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--runs N] [--windows N] [--clicks N]\n", argv[0]);
            std::exit(EXIT_FAILURE);
        }
    }
    return options;
}

const GameProfile& gameNamed(const std::string& name) {
    for (const GameProfile* game : kGames) {
        if (game->programName == name)
            return *game;
    }
    throw std::runtime_error("no game named " + name);
}

// ---- Start-up and memory, one child process per run --------------------------------------

struct StartUps {
    std::string program;
    std::vector<double> milliseconds;
    std::vector<double> peakMiB;
};

void startOnce(const std::filesystem::path& folder, StartUps& into) {
    const std::string path = (folder / into.program).string();
    const ChildRun run =
        runChild({path}, {std::string(FirstFrameReportVariable) + "=1"}, kStartTimeLimitSeconds);
    const double frameAt = numberAfter(run.output, "first frame ");
    if (frameAt < 0 || run.exitStatus != 0)
        throw std::runtime_error(into.program + " reported no first frame:\n" + run.output);
    into.milliseconds.push_back((frameAt - static_cast<double>(run.startedAtNs)) / 1e6);
    into.peakMiB.push_back(static_cast<double>(run.peakResidentKiB) / 1024.0);
}

// The bare windows first, then the programs. They take turns, each round starting with the next
// one, so that a burst of other work on the machine falls on all of them alike. One untimed round
// first fills the file cache.
std::vector<StartUps> timeStartUps(const std::filesystem::path& folder, int rounds) {
    std::vector<StartUps> all{{kBare, {}, {}}, {kBareText, {}, {}}};
    for (const GameProfile* game : kGames)
        all.push_back({std::string(game->programName), {}, {}});
    std::vector<StartUps> warmUp = all;
    for (StartUps& s : warmUp)
        startOnce(folder, s);
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < all.size(); ++k)
            startOnce(folder, all[(round + k) % all.size()]);
    }
    return all;
}

// The yardsticks are printed with their ratios but held to no target.
bool isYardstick(const StartUps& s) {
    return s.program == kBare || s.program == kBareText;
}

const char* verdict(bool met) {
    return met ? "MET" : "MISSED";
}

const StartUps& floorOf(const std::vector<StartUps>& all) {
    for (const StartUps& s : all) {
        if (s.program == kBareText)
            return s;
    }
    throw std::runtime_error("no bare text window among the start-ups");
}

void printStartUps(const std::vector<StartUps>& all) {
    const StartUps& floor = floorOf(all);
    const double floorMs = median(floor.milliseconds);
    const double floorMiB = median(floor.peakMiB);
    std::printf("\nStart-up, process start to the first painted frame (median of %zu runs)\n",
                floor.milliseconds.size());
    std::printf("  %-16s %9s %9s %9s   target <= %.2f x %s\n", "program", "median", "fastest",
                "ratio", kStartUpFactor, kBareText);
    for (const StartUps& s : all) {
        const double ms = median(s.milliseconds);
        const double ratio = ms / floorMs;
        std::printf("  %-16s %6.1f ms %6.1f ms %8.2fx   %s\n", s.program.c_str(), ms,
                    *std::min_element(s.milliseconds.begin(), s.milliseconds.end()), ratio,
                    isYardstick(s) ? "" : verdict(ratio <= kStartUpFactor));
    }
    std::printf("\nPeak resident memory, ru_maxrss of the child (median of %zu runs)\n",
                floor.peakMiB.size());
    std::printf("  %-16s %9s %9s   target <= %.2f x %s\n", "program", "median", "ratio",
                kMemoryFactor, kBareText);
    for (const StartUps& s : all) {
        const double mib = median(s.peakMiB);
        const double ratio = mib / floorMiB;
        std::printf("  %-16s %5.1f MiB %8.2fx   %s\n", s.program.c_str(), mib, ratio,
                    isYardstick(s) ? "" : verdict(ratio <= kMemoryFactor));
    }
}

// ---- The window of one game, in a fresh process of this program --------------------------

int runWindowMode(int argc, char** argv, const Options& options) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    const WindowFigures f = timeWindow(gameNamed(options.windowGame), options.clicks,
                                       options.windowFolder, options.firstClickAfterMs);
    std::printf("first prediction %.1f\nprediction %.1f\nfirst results %.1f\nresults %.1f\n"
                "save %.1f\nload %.1f\nwrite %.1f\nread %.1f\n",
                f.firstPrediction, f.prediction, f.firstResults, f.results, f.save, f.load, f.write,
                f.read);
    return EXIT_SUCCESS;
}

WindowFigures windowFiguresOf(const std::filesystem::path& self, const GameProfile& game,
                              int clicks, const QString& dataFolder, int firstClickAfterMs) {
    const ChildRun run = runChild({self.string(), "--clicks", std::to_string(clicks), kWindowMode,
                                   std::string(game.programName), dataFolder.toStdString(),
                                   std::to_string(firstClickAfterMs)},
                                  {}, kWindowTimeLimitSeconds);
    WindowFigures f;
    f.firstPrediction = numberAfter(run.output, "first prediction ");
    f.prediction = numberAfter(run.output, "prediction ");
    f.firstResults = numberAfter(run.output, "first results ");
    f.results = numberAfter(run.output, "results ");
    f.save = numberAfter(run.output, "save ");
    f.load = numberAfter(run.output, "load ");
    f.write = numberAfter(run.output, "write ");
    f.read = numberAfter(run.output, "read ");
    if (run.exitStatus != 0 || f.read < 0)
        throw std::runtime_error(std::string(game.programName) + " window timing failed:\n" +
                                 run.output);
    return f;
}

// The medians over the window processes of one game, each figure on its own.
WindowFigures medianFigures(const std::vector<WindowFigures>& runs) {
    const auto medianOf = [&](double WindowFigures::*figure) {
        std::vector<double> values;
        for (const WindowFigures& f : runs)
            values.push_back(f.*figure);
        return median(values);
    };
    WindowFigures m;
    for (double WindowFigures::*figure :
         {&WindowFigures::firstPrediction, &WindowFigures::prediction, &WindowFigures::firstResults,
          &WindowFigures::results, &WindowFigures::save, &WindowFigures::load,
          &WindowFigures::write, &WindowFigures::read})
        m.*figure = medianOf(figure);
    return m;
}

// Each run is a fresh process, so that every one of them meets its first click as a user does.
std::vector<WindowFigures> timeWindows(const std::filesystem::path& self, const Options& options,
                                       int firstClickAfterMs) {
    // The data files go beside the programs, on the disk their data folders are on.
    QTemporaryDir dataFolder(
        QString::fromStdString((self.parent_path() / "bench-XXXXXX").string()));
    if (!dataFolder.isValid())
        throw std::runtime_error("no folder for the bench's data files");
    std::vector<std::vector<WindowFigures>> runs(std::size(kGames));
    for (int round = 0; round < options.windows; ++round) {
        for (std::size_t g = 0; g < std::size(kGames); ++g)
            runs[g].push_back(windowFiguresOf(self, *kGames[g], options.clicks, dataFolder.path(),
                                              firstClickAfterMs));
    }
    std::vector<WindowFigures> figures;
    for (const std::vector<WindowFigures>& gameRuns : runs)
        figures.push_back(medianFigures(gameRuns));
    return figures;
}

void printClick(const char* program, double microseconds, double target) {
    std::printf("  %-12s %7.0f us   target <= %4.0f us   %s\n", program, microseconds, target,
                verdict(microseconds <= target));
}

// The figures of the windows whose first click came a second after start-up, and of those
// clicked at once.
void printClicks(const std::vector<WindowFigures>& figures,
                 const std::vector<WindowFigures>& atOnce, const Options& options) {
    std::printf("\nClick to repainted window (%d fresh windows per game and kind; the first click "
                "is the median\nof the windows' first clicks, later ones the median of their "
                "medians over the %d clicks after it)\n",
                options.windows, options.clicks);
    const struct {
        const char* title;
        double WindowFigures::*figure;
        const std::vector<WindowFigures>& of;
        double target;
    } rows[] = {
        {"「次回予想」, first click, 1 s after the first frame", &WindowFigures::firstPrediction,
         figures, kFirstClickMicroseconds},
        {"「次回予想」, later clicks", &WindowFigures::prediction, figures, kClickMicroseconds},
        {"「計算結果」, first click, after the first prediction", &WindowFigures::firstResults,
         figures, kClickMicroseconds},
        {"「計算結果」, later clicks", &WindowFigures::results, figures, kClickMicroseconds},
        {"「次回予想」, first click right after start-up (no target)",
         &WindowFigures::firstPrediction, atOnce, 0},
    };
    for (const auto& row : rows) {
        std::printf(" %s\n", row.title);
        for (std::size_t g = 0; g < row.of.size(); ++g) {
            const double us = row.of[g].*row.figure;
            if (row.target > 0)
                printClick(kGames[g]->programName.data(), us, row.target);
            else
                std::printf("  %-12s %7.0f us\n", kGames[g]->programName.data(), us);
        }
    }
    std::printf(
        "\n「保存」 and 「データ」 through their handlers, file dialogs answered at once, up "
        "to the repainted\nboxes; the data file's write and read alone (medians as "
        "above; no targets)\n");
    std::printf("  %-12s %10s %10s %10s %10s\n", "program", "save", "write", "load", "read");
    for (std::size_t g = 0; g < figures.size(); ++g) {
        const WindowFigures& f = figures[g];
        std::printf("  %-12s %7.0f us %7.0f us %7.0f us %7.0f us\n", kGames[g]->programName.data(),
                    f.save, f.write, f.load, f.read);
    }
}

// Without a display the programs could not show a window; the offscreen platform still paints
// every frame, only into memory.
const char* choosePlatform() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The programs draw at the window's own pixels; the bare window must not be scaled either.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    static const QByteArray platform =
        qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
            ? qgetenv("QT_QPA_PLATFORM")
            : "the display's default (DISPLAY=" + qgetenv("DISPLAY") + ")";
    return platform.constData();
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(argc, argv);
    if (options.windowGame)
        return runWindowMode(argc, argv, options);
    try {
        const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
        const char* platform = choosePlatform();
        std::printf("Kelvane benchmark: Qt platform %s, %u cores\n", platform,
                    std::thread::hardware_concurrency());
        std::fflush(stdout);
        printStartUps(timeStartUps(self.parent_path(), options.startUps));
        std::fflush(stdout);
        const std::vector<WindowFigures> figures = timeWindows(self, options, kFirstClickAfterMs);
        printClicks(figures, timeWindows(self, options, 0), options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kelvane_bench: %s\n", e.what());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
