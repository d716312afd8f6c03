#include "core/picture/TwoThreadRows.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <barrier>
#include <exception>
#include <thread>

namespace lineora {

void RunRowsInTwoThreads(int rows, int blockRows, const std::function<void(int, int)>& work,
                         const std::function<void(int row)>& progress) {
    if (rows <= blockRows) {
        work(0, rows);
        if (progress) {
            progress(rows);
        }
        return;
    }
    std::barrier<> band(2);
    std::atomic<bool> stop{false};
    std::array<std::exception_ptr, 2> failures;
    const auto runPart = [&](int part) {
        for (int top = 0; top < rows; top += 2 * blockRows) {
            const int from = std::min(rows, top + part * blockRows);
            const int to = std::min(rows, from + blockRows);
            if (from < to && !stop.load()) {
                try {
                    work(from, to);
                } catch (...) {
                    failures[static_cast<std::size_t>(part)] = std::current_exception();
                    stop.store(true);
                }
            }
            band.arrive_and_wait();
            if (part == 0 && progress && !stop.load()) {
                try {
                    progress(std::min(rows, top + 2 * blockRows));
                } catch (...) {
                    failures[0] = std::current_exception();
                    stop.store(true);
                }
            }
            band.arrive_and_wait();
        }
    };
    std::thread helper(runPart, 1);
    runPart(0);
    helper.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
}

} // namespace lineora
