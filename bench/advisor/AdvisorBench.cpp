// The advisor against the textbook nested search, in one run: situations of
// three levels, the advisor at a short and a long time on one thread, the
// baseline at the long time, and the advisor on two threads at the short time.
//
//   tumbla-advisor-bench [--situations N] [--first N] [--short MS] [--long MS]
//                        [--level CODE] [--parts PARTS] [--seed K]
//
// --first and --situations pick situations first..first+N-1; --level one of
// the three codes; --parts the players to run, of "s" (advisor, short), "l"
// (advisor, long), "b" (baseline, long), "t" (advisor, short, two threads),
// "T" (advisor, long, two threads), "n" (the policy-adaptation reference, a
// million playouts: slow, and left out unless asked for): a quick loop for
// tuning plays "s" alone;
// --seed the advisor's seed (1 unless given), to tell a change from luck.

#include "ReferenceNrpa.h"
#include "TextbookNested.h"
#include "advisor/Advisor.h"
#include "advisor/LineCheck.h"
#include "record/Game.h"
#include "situation/SettingsCode.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace tumbla;

namespace {

struct Totals {
    std::int64_t shortOne = 0, longOne = 0, baseline = 0, shortTwo = 0, longTwo = 0, reference = 0;
};

std::uint64_t Seed = 1;

std::int32_t Advise(const SavedGame& game, std::chrono::milliseconds time, int threads) {
    AdvisorLimits limits;
    limits.seed = Seed;
    limits.time = time;
    limits.threads = threads;
    Advisor advisor(game, limits);
    const AdvisorResult result = advisor.Run();
    if (!result.honest) {
        std::fprintf(stderr, "dishonest line: %s\n", result.error.c_str());
        std::exit(1);
    }
    if (std::getenv("TUMBLA_BENCH_PLAYOUTS") != nullptr)
        std::fprintf(stderr, "%llu playouts\n", static_cast<unsigned long long>(result.playouts));
    return result.score;
}

} // namespace

int main(int argc, char** argv) {
    int situations = 20;
    int first = 1;
    std::string levels = "GL500BA0B HO611BA0B OY817GA2B";
    std::string parts = "slbt";
    std::chrono::milliseconds shortTime{1000}, longTime{5000};
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        const long value = std::strtol(argv[i + 1], nullptr, 10);
        if (option == "--first") first = static_cast<int>(value);
        if (option == "--seed") Seed = static_cast<std::uint64_t>(value);
        if (option == "--level") levels = argv[i + 1];
        if (option == "--parts") parts = argv[i + 1];
        if (option == "--situations") situations = static_cast<int>(value);
        if (option == "--short") shortTime = std::chrono::milliseconds(value);
        if (option == "--long") longTime = std::chrono::milliseconds(value);
    }
    const auto has = [&](char part) { return parts.find(part) != std::string::npos; };
    std::printf("situations %d..%d, short %lld ms, long %lld ms\n", first, first + situations - 1,
                static_cast<long long>(shortTime.count()),
                static_cast<long long>(longTime.count()));
    for (const char* code : {"GL500BA0B", "HO611BA0B", "OY817GA2B"}) {
        if (levels.find(code) == std::string::npos) continue;
        Totals totals;
        for (int n = first; n < first + situations; ++n) {
            SilentGameView view;
            SilentMessages messages;
            Game game(view, messages);
            game.PutSettingsInForce(SettingsFromCode(code, GameSettings{}).settings);
            game.SetSituationNumber(n);
            game.NewSituation();
            const SavedGame start = SavedGameOf(game);
            const std::int32_t a = has('s') ? Advise(start, shortTime, 1) : 0;
            const std::int32_t b = has('l') ? Advise(start, longTime, 1) : 0;
            // Both yardsticks' lines are replayed through the game before they count.
            const auto checked = [&](const bench::TextbookResult& found, const char* who) {
                const LineCheck check = CheckLine(start, found.line, found.score);
                if (!check.honest) {
                    std::fprintf(stderr, "%s's line does not hold: %s\n", who, check.error.c_str());
                    std::exit(1);
                }
                return found.score;
            };
            const std::int32_t c =
                has('b') ? checked(bench::TextbookNested(game.CurrentRules(), game.Current(),
                                                         longTime, static_cast<std::uint64_t>(n)),
                                   "baseline")
                         : 0;
            const std::int32_t d = has('t') ? Advise(start, shortTime, 2) : 0;
            const std::int32_t e = has('T') ? Advise(start, longTime, 2) : 0;
            const std::int32_t f =
                has('n') ? checked(bench::ReferenceNrpa(game.CurrentRules(), game.Current(),
                                                        static_cast<std::uint64_t>(n)),
                                   "reference")
                         : 0;
            std::printf("%s %3d  advisor-short %8d  advisor-long %8d  baseline-long %8d  "
                        "advisor-short-2t %8d  advisor-long-2t %8d  reference %8d\n",
                        code, n, a, b, c, d, e, f);
            std::fflush(stdout);
            totals.shortOne += a;
            totals.longOne += b;
            totals.baseline += c;
            totals.shortTwo += d;
            totals.longTwo += e;
            totals.reference += f;
        }
        const auto ratio = [](std::int64_t a, std::int64_t b) {
            return b == 0 ? 0.0 : static_cast<double>(a) / static_cast<double>(b);
        };
        std::printf("%s totals: advisor-short %lld  advisor-long %lld  baseline-long %lld  "
                    "advisor-short-2t %lld  advisor-long-2t %lld  reference %lld\n",
                    code, static_cast<long long>(totals.shortOne),
                    static_cast<long long>(totals.longOne), static_cast<long long>(totals.baseline),
                    static_cast<long long>(totals.shortTwo), static_cast<long long>(totals.longTwo),
                    static_cast<long long>(totals.reference));
        std::printf("%s ratios: short/baseline %.3f  long/baseline %.3f  2t/1t short %.3f  "
                    "2t/1t long %.3f  reference/baseline %.3f\n",
                    code, ratio(totals.shortOne, totals.baseline),
                    ratio(totals.longOne, totals.baseline), ratio(totals.shortTwo, totals.shortOne),
                    ratio(totals.longTwo, totals.longOne),
                    ratio(totals.reference, totals.baseline));
        std::fflush(stdout);
    }
    return 0;
}
