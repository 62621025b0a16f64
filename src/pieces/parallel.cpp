#include "pieces/parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace quill {
namespace {

// More threads than this gain nothing on the memory-bound parts of the imaging.
constexpr unsigned kMostThreads = 8;

}  // namespace

int DefaultImagingThreads() {
  return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, kMostThreads));
}

void ForEachOnThreads(size_t count, int threads, const std::function<void(int worker, size_t k)>& job,
                      const std::function<void(size_t finished)>& done) {
  std::atomic<size_t> next{0}, finished{0};
  std::exception_ptr failure;
  std::mutex failureLock;
  const auto work = [&](int worker) {
    try {
      for (size_t k = next++; k < count; k = next++) {
        job(worker, k);
        const size_t n = ++finished;
        if (worker == 0 && done) done(n);
      }
    } catch (...) {
      const std::lock_guard<std::mutex> lock(failureLock);
      if (!failure) failure = std::current_exception();
      next = count;  // the others stop after their current job
    }
  };
  const size_t helpers = std::min(static_cast<size_t>(std::max(threads, 1) - 1), count > 0 ? count - 1 : 0);
  std::vector<std::thread> pool;
  pool.reserve(helpers);
  for (size_t i = 0; i < helpers; ++i) {
    try {
      pool.emplace_back(work, static_cast<int>(i + 1));
    } catch (const std::system_error&) {
      break;  // no more threads to be had: the ones running finish the work
    }
  }
  work(0);
  for (std::thread& thread : pool) thread.join();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace quill
