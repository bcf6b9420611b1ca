// Treats every input as the bytes of a results file that the user picks in 「照合」, in each of the
// three games, whether a table (with or without headings) or a page of labelled lines. Besides
// what the sanitizers catch, the reader must keep its promises: a file it takes holds a draw,
// every draw it takes is a valid draw of the game, a byte-order mark changes nothing, and each
// line of the text is either a draw or counted as skipped. A broken promise
// aborts, which libFuzzer reports as a crash with the input that caused it.

#include "game_profiles.h"
#include "results_file.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const GameProfile* const kGames[] = {&kRk7klvn, &kRk6klvn, &kMiniklvn};

void expect(bool kept, const GameProfile& game, const char* promise) {
    if (kept)
        return;
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(game.programName.size()),
                 game.programName.data(), promise);
    std::abort();
}

bool validDraw(const GameProfile& game, const KnownDraw& draw) {
    if (static_cast<int>(draw.main.size()) != game.MainCount)
        return false;
    if (!std::is_sorted(draw.main.begin(), draw.main.end()) ||
        std::adjacent_find(draw.main.begin(), draw.main.end()) != draw.main.end())
        return false;
    const auto inPool = [&](int n) { return n >= 1 && n <= game.PoolSize; };
    if (!std::all_of(draw.main.begin(), draw.main.end(), inPool))
        return false;
    if (game.BonusCount == 0)
        return draw.bonus == 0;
    return inPool(draw.bonus) &&
           !std::binary_search(draw.main.begin(), draw.main.end(), draw.bonus);
}

void checkGame(const GameProfile& game, const QByteArray& bytes) {
    const ResultsFile results = parseResultsFile(game, bytes);
    if (results.error) {
        expect(results.draws.empty() && results.skippedLines == 0, game,
               "a refused file gives nothing");
        return;
    }
    expect(!results.draws.empty(), game, "a file taken holds at least one draw");
    for (const auto& [number, draw] : results.draws) {
        expect(number > 0, game, "draw numbers are positive");
        expect(validDraw(game, draw), game, "every draw taken is valid");
    }
    // A line ends at LF, at CR, or at CR LF: counting both bytes gives at least the lines read.
    const auto lines = static_cast<int>(bytes.count('\n') + bytes.count('\r')) + 1;
    expect(static_cast<int>(results.draws.size()) + results.skippedLines <= lines, game,
           "no line counts twice");
    if (!bytes.startsWith("\xEF\xBB\xBF")) {
        const ResultsFile marked = parseResultsFile(game, "\xEF\xBB\xBF" + bytes);
        expect(marked.draws == results.draws && marked.skippedLines == results.skippedLines &&
                   marked.error == results.error,
               game, "a byte-order mark changes nothing");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const GameProfile* game : kGames)
        checkGame(*game, bytes);
    return 0;
}
