#pragma once
// Work handed to a second thread while the caller goes on with its own. One worker serves the
// whole program: it starts on first use and stays, so that a hand-over costs a wake-up rather
// than the start of a thread (about 40 microseconds, more than many of the jobs themselves).
// The jobs run one after another in the order handed over; a job must not wait for another job.

#include <functional>
#include <future>
#include <memory>
#include <type_traits>
#include <utility>

namespace torval {

// Queues `job` for the worker; when no thread can be started, runs it here, now.
void runOnSecondThread(std::function<void()> job);

// `work()` on the second thread; the future gives its result or raises what it raised.
template <typename Work>
std::future<std::invoke_result_t<Work&>> onSecondThread(Work work) {
    using Result = std::invoke_result_t<Work&>;
    auto task = std::make_shared<std::packaged_task<Result()>>(std::move(work));
    std::future<Result> result = task->get_future();
    runOnSecondThread([task] { (*task)(); });
    return result;
}

} // namespace torval
