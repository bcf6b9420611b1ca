// Measures the three programs against a bare Qt Widgets window of the same size and prints the
// figures with their ratios (and those of the bare window with one line of Japanese text): start-up
// to the first painted frame and peak resident memory of each program (many runs, medians), then,
// in a fresh process per game, "次回予想" from the click to the repainted window and "保存" /
// "データ" of a data file.
//
// usage: kelvane_bench [--runs N] [--windows N] [--clicks N]
//   --runs     start-ups of each program (default 31)
//   --windows  fresh window processes per game for the clicks, saves and loads (default 7)
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

// The targets: start-up and memory within this factor of the bare window, a prediction within
// this many microseconds.
constexpr double kStartUpFactor = 1.2;
constexpr double kMemoryFactor = 1.2;
constexpr double kPredictionMicroseconds = 2000;

const char* const kBare = "bare_window";
// Timed beside the programs and held to no target: the bare window showing one line of Japanese
// text, the floor that the toolkit's fonts set for any program that shows some.
const char* const kBareText = "bare_text_window";
const GameProfile* const kGames[] = {&kRk7klvn, &kRk6klvn, &kMiniklvn};
const char* const kWindowMode = "--window";

struct Options {
    int startUps = kDefaultStartUps;
    int windows = kDefaultWindows;
    int clicks = kDefaultClicks;
    const char* windowGame = nullptr;
    const char* windowFolder = nullptr;
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
        else if (std::strcmp(argv[i], kWindowMode) == 0 && i + 2 < argc) {
            options.windowGame = argv[++i];
            options.windowFolder = argv[++i];
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
    return met ? "ok" : "MISSED";
}

void printStartUps(const std::vector<StartUps>& all) {
    const StartUps& bare = all.front();
    const double bareMs = median(bare.milliseconds);
    const double bareMiB = median(bare.peakMiB);
    std::printf("\nStart-up, process start to the first painted frame (median of %zu runs)\n",
                bare.milliseconds.size());
    std::printf("  %-16s %9s %9s %9s   target <= %.2f x bare\n", "program", "median", "fastest",
                "ratio", kStartUpFactor);
    for (const StartUps& s : all) {
        const double ms = median(s.milliseconds);
        const double ratio = ms / bareMs;
        std::printf("  %-16s %6.1f ms %6.1f ms %8.2fx   %s\n", s.program.c_str(), ms,
                    *std::min_element(s.milliseconds.begin(), s.milliseconds.end()), ratio,
                    isYardstick(s) ? "" : verdict(ratio <= kStartUpFactor));
    }
    std::printf("\nPeak resident memory, ru_maxrss of the child (median of %zu runs)\n",
                bare.peakMiB.size());
    std::printf("  %-16s %9s %9s   target <= %.2f x bare\n", "program", "median", "ratio",
                kMemoryFactor);
    for (const StartUps& s : all) {
        const double mib = median(s.peakMiB);
        const double ratio = mib / bareMiB;
        std::printf("  %-16s %5.1f MiB %8.2fx   %s\n", s.program.c_str(), mib, ratio,
                    isYardstick(s) ? "" : verdict(ratio <= kMemoryFactor));
    }
}

// ---- The window of one game, in a fresh process of this program --------------------------

int runWindowMode(int argc, char** argv, const Options& options) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    const WindowFigures f =
        timeWindow(gameNamed(options.windowGame), options.clicks, options.windowFolder);
    std::printf("first prediction %.1f\nprediction %.1f\nsave %.1f\nload %.1f\nwrite %.1f\n"
                "read %.1f\n",
                f.firstPrediction, f.prediction, f.save, f.load, f.write, f.read);
    return EXIT_SUCCESS;
}

WindowFigures windowFiguresOf(const std::filesystem::path& self, const GameProfile& game,
                              int clicks, const QString& dataFolder) {
    const ChildRun run = runChild({self.string(), "--clicks", std::to_string(clicks), kWindowMode,
                                   std::string(game.programName), dataFolder.toStdString()},
                                  {}, kWindowTimeLimitSeconds);
    WindowFigures f;
    f.firstPrediction = numberAfter(run.output, "first prediction ");
    f.prediction = numberAfter(run.output, "prediction ");
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
         {&WindowFigures::firstPrediction, &WindowFigures::prediction, &WindowFigures::save,
          &WindowFigures::load, &WindowFigures::write, &WindowFigures::read})
        m.*figure = medianOf(figure);
    return m;
}

// Each run is a fresh process, so that every one of them meets the first click cold.
std::vector<WindowFigures> timeWindows(const std::filesystem::path& self, const Options& options) {
    // The data files go beside the programs, on the disk their data folders are on.
    QTemporaryDir dataFolder(
        QString::fromStdString((self.parent_path() / "bench-XXXXXX").string()));
    if (!dataFolder.isValid())
        throw std::runtime_error("no folder for the bench's data files");
    std::vector<std::vector<WindowFigures>> runs(std::size(kGames));
    for (int round = 0; round < options.windows; ++round) {
        for (std::size_t g = 0; g < std::size(kGames); ++g)
            runs[g].push_back(windowFiguresOf(self, *kGames[g], options.clicks, dataFolder.path()));
    }
    std::vector<WindowFigures> figures;
    for (const std::vector<WindowFigures>& gameRuns : runs)
        figures.push_back(medianFigures(gameRuns));
    return figures;
}

void printWindows(const std::vector<WindowFigures>& figures, const Options& options) {
    std::printf(
        "\n「次回予想」, click to repainted window (%d fresh windows per game: median of their "
        "first clicks,\nand of their medians over the %d clicks after it)\n",
        options.windows, options.clicks);
    std::printf("  %-12s %10s %10s   target < %.0f us\n", "program", "first", "later",
                kPredictionMicroseconds);
    for (std::size_t g = 0; g < figures.size(); ++g) {
        const WindowFigures& f = figures[g];
        std::printf("  %-12s %7.0f us %7.0f us   %s\n", kGames[g]->programName.data(),
                    f.firstPrediction, f.prediction,
                    verdict(std::max(f.firstPrediction, f.prediction) < kPredictionMicroseconds));
    }
    std::printf(
        "\n「保存」 and 「データ」 through their handlers, file dialogs answered at once, up "
        "to the repainted\nboxes; the data file's write and read alone (medians as "
        "above)\n");
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
        printWindows(timeWindows(self, options), options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kelvane_bench: %s\n", e.what());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
