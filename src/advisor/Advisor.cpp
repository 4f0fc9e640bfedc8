#include "advisor/Advisor.h"

#include "advisor/LineCheck.h"
#include "advisor/NestedSearch.h"
#include "engine/Groups.h"
#include "engine/PlayMove.h"

#include <algorithm>
#include <cassert>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace tumbla {

Advisor::Advisor(SavedGame game, AdvisorLimits limits) : game_(std::move(game)), limits_(limits) {
    limits_.threads = std::clamp(limits_.threads, 1, 64);
}

void Advisor::SetProgressHandler(std::function<void(const AdvisorProgress&)> handler,
                                 std::chrono::milliseconds interval) {
    handler_ = std::move(handler);
    interval_ = std::max(interval, std::chrono::milliseconds(1));
}

bool Advisor::Offer(const std::vector<int>& line) {
    // Its total is what the game says, and it must end where the game does.
    const AdvisorStart start = StartOf(game_);
    MoveRecord position = start.position;
    EngineState state = start.state;
    for (int code : line) {
        const Move move = Move::FromCode(code);
        if (!IsMoveValid(position, start.rules, state, move)) return false;
        PlayMove(position, start.rules, state, move);
    }
    const LineCheck check = CheckLine(game_, line, position.TotalScore);
    if (!check.honest) return false;
    if (!hasOffer_ || check.replayed > offeredScore_) {
        offered_ = line;
        offeredScore_ = check.replayed;
        hasOffer_ = true;
    }
    return true;
}

AdvisorResult Advisor::Run() {
    AdvisorResult result;
    const AdvisorStart start = StartOf(game_);
    const auto startedAt = std::chrono::steady_clock::now();
    SearchBounds bounds;
    bounds.stop = &stop_;
    bounds.timed = limits_.playouts == 0;
    bounds.deadline = startedAt + limits_.time;

    const int threads = limits_.threads;
    std::vector<std::unique_ptr<NestedSearch>> searches;
    for (int t = 0; t < threads; ++t) {
        // Each thread its own generator, from the seed and its index alone.
        searches.push_back(std::make_unique<NestedSearch>(
            start, limits_.seed * 0x100000001b3ULL + static_cast<std::uint64_t>(t)));
        if (hasOffer_) searches.back()->Offer(offered_, offeredScore_);
    }

    std::mutex mutex;
    std::condition_variable done;
    int running = threads;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        SearchBounds own = bounds;
        if (limits_.playouts != 0) {
            const auto share = limits_.playouts / static_cast<std::uint64_t>(threads);
            own.playouts = std::max<std::uint64_t>(
                1, share + (static_cast<std::uint64_t>(t) < limits_.playouts % threads ? 1 : 0));
        }
        workers.emplace_back([&, own, t] {
            searches[static_cast<std::size_t>(t)]->Run(own);
            const std::lock_guard lock(mutex);
            --running;
            done.notify_all();
        });
    }

    // The best of all threads; a tie goes to the lowest thread, so a budget of
    // playouts gives the same answer on every run.
    const auto best = [&] {
        int chosen = -1;
        for (int t = 0; t < threads; ++t) {
            const NestedSearch& s = *searches[static_cast<std::size_t>(t)];
            if (!s.HasLine()) continue;
            if (chosen < 0 ||
                s.BestScore() > searches[static_cast<std::size_t>(chosen)]->BestScore())
                chosen = t;
        }
        return chosen;
    };
    const auto progress = [&] {
        AdvisorProgress p;
        std::uint64_t playouts = 0;
        for (const auto& s : searches) playouts += s->Playouts();
        if (limits_.playouts != 0)
            p.fraction = static_cast<double>(playouts) / static_cast<double>(limits_.playouts);
        else
            p.fraction =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - startedAt) /
                std::chrono::duration<double>(std::max(limits_.time, std::chrono::milliseconds(1)));
        p.fraction = std::clamp(p.fraction, 0.0, 1.0);
        if (const int t = best(); t >= 0) {
            p.anyLine = true;
            NestedSearch::Found found = searches[static_cast<std::size_t>(t)]->Best();
            p.bestScore = found.score;
            p.bestLine = std::move(found.line);
        }
        return p;
    };
    {
        std::unique_lock lock(mutex);
        while (running > 0) {
            if (done.wait_for(lock, interval_, [&] { return running == 0; })) break;
            if (handler_) {
                lock.unlock();
                handler_(progress());
                lock.lock();
            }
        }
    }
    for (std::thread& worker : workers) worker.join();
    stop_.store(false, std::memory_order_relaxed);

    const AdvisorProgress last = progress();
    if (handler_) handler_(last);
    for (const auto& s : searches) result.playouts += s->Playouts();
    if (!last.anyLine) {
        // No playout: nothing to move from here, or the history is full.
        result.score = start.position.TotalScore;
    } else {
        result.line = last.bestLine;
        result.score = last.bestScore;
    }
    const LineCheck check = CheckLine(game_, result.line, result.score);
    result.honest = check.honest;
    result.error = check.error;
    assert(check.honest && "the advisor's line does not give its score");
    return result;
}

} // namespace tumbla
