#pragma once

#include <functional>

namespace lineora {

// Runs `work(from, to)` over the rows 0..rows of a result in blocks of `blockRows`, shared by
// the calling thread and one helper in bands of two blocks. Between bands both threads wait
// while the calling thread reports the rows done to `progress`, so a repaint in the report
// never meets a half-written row. A result of one block runs on the calling thread alone. An
// exception from `work` or `progress` stops both threads and is thrown again here.
void RunRowsInTwoThreads(int rows, int blockRows, const std::function<void(int, int)>& work,
                         const std::function<void(int row)>& progress);

} // namespace lineora
