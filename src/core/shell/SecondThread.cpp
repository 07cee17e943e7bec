#include "shell/SecondThread.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace torval {

namespace {

class Worker {
public:
    Worker() : thread_([this](std::stop_token stop) { serve(stop); }) {}

    ~Worker() = default; // the thread is asked to stop, finishes the jobs queued, and is joined

    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    void queue(std::function<void()> job) {
        {
            const std::lock_guard lock(mutex_);
            jobs_.push_back(std::move(job));
        }
        wake_.notify_one();
    }

private:
    void serve(const std::stop_token& stop) {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(mutex_);
                if (!wake_.wait(lock, stop, [this] { return !jobs_.empty(); })) {
                    return;
                }
                job = std::move(jobs_.front());
                jobs_.pop_front();
            }
            job(); // a packaged task keeps what the job raises for its future
        }
    }

    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<std::function<void()>> jobs_;
    std::jthread thread_; // last: it starts once the rest is in place, and stops first
};

} // namespace

void runOnSecondThread(std::function<void()> job) {
    Worker* worker = nullptr;
    try {
        static Worker shared;
        worker = &shared;
    } catch (const std::system_error&) {
        job();
        return;
    }
    worker->queue(std::move(job));
}

} // namespace torval
