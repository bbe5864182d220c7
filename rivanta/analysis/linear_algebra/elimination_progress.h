// What the threads of one envelope elimination share: the rows completed (every row before it,
// published in order with the values and pivots of those rows), the next unit to take, the first
// unit that met a pivot <= 0.0 with that pivot's row, and whether every published value is finite.
// A thread that needs rows not completed yet spins a little, then sleeps until the next change:
// on a busy computer a spinning thread would keep the one it waits for off the processor.
#pragma once

#include "analysis/linear_algebra/cholesky.h"

#include <atomic>
#include <climits>
#include <mutex>

class TzRvnEliminationProgress {
public:
    int takeUnit() { return nextUnit_.fetch_add(1, std::memory_order_relaxed); }
    int outcome() const { return failedRow_; }

    void publish(int rowsEnd, bool finite) {
        if (!finite) allFinite_.store(false, std::memory_order_relaxed);
        completedRows_.store(rowsEnd, std::memory_order_release);
        announceChange();
    }

    void fail(int unit, int row) {
        {
            const std::lock_guard<std::mutex> lock(failure_);
            if (unit >= firstFailedUnit_.load(std::memory_order_relaxed)) return;
            failedRow_ = row;
            firstFailedUnit_.store(unit, std::memory_order_relaxed);
        }
        announceChange();
    }

    // Whether a unit before unit has failed: unit's work is then of no use.
    bool failedBefore(int unit) const { return firstFailedUnit_.load(std::memory_order_relaxed) < unit; }

    // Waits until rows rows are complete, giving the rows completed then and whether every
    // published value is finite; or gives -1 as soon as a unit before unit has failed.
    int awaitRows(int rows, int unit, bool& allFinite) {
        for (int spins = 0;; ++spins) {
            const int changes = changes_.load();
            const int completed = completedRows_.load(std::memory_order_acquire);
            if (completed >= rows) {
                allFinite = allFinite_.load(std::memory_order_relaxed);
                return completed;
            }
            if (failedBefore(unit)) return -1;
            if (spins >= kSpins) {
                sleepAfter(changes);
            } else {
                pause();
            }
        }
    }

private:
    // About a tenth of a millisecond of spinning: units take microseconds, and a thread put to sleep
    // takes longer than that to wake.
    static constexpr int kSpins = 20'000;

    static void pause() {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }

    void announceChange() {
        changes_.fetch_add(1);
        if (sleepers_.load() > 0) changes_.notify_all();
    }

    // Sleeps unless something changed since changes was read. The sleeper is counted before the
    // changes are read again, so either it sees a change announced meanwhile or the announcer sees it.
    void sleepAfter(int changes) {
        sleepers_.fetch_add(1);
        if (changes_.load() == changes) changes_.wait(changes);
        sleepers_.fetch_sub(1);
    }

    std::atomic<int> completedRows_{0};
    std::atomic<int> nextUnit_{0};
    std::atomic<int> firstFailedUnit_{INT_MAX};
    std::atomic<bool> allFinite_{true};
    std::atomic<int> changes_{0};
    std::atomic<int> sleepers_{0};
    std::mutex failure_;
    int failedRow_ = kCholeskySolved;
};
