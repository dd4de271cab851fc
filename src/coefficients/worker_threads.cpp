#include "coefficients/worker_threads.h"

#include <algorithm>
#include <cstdlib>

namespace vantrel {
namespace {

// More threads than this would only queue for the same memory.
constexpr int kMostThreads = 64;

}  // namespace

WorkerThreads::WorkerThreads(int count) {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
  (void)count;
#else
  const int helpers = std::clamp(count, 1, kMostThreads) - 1;
  helpers_.reserve(static_cast<std::size_t>(helpers));
  for (int part = 1; part <= helpers; ++part) helpers_.emplace_back([this, part] { serve(part); });
#endif
}

WorkerThreads::~WorkerThreads() {
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
  }
  roundStarted_.notify_all();
  for (std::thread& helper : helpers_) helper.join();
}

void WorkerThreads::run(const std::function<void(int)>& work) {
  if (helpers_.empty()) {
    work(0);
    return;
  }
  {
    std::lock_guard lock(mutex_);
    work_ = &work;
    partsLeft_ = static_cast<int>(helpers_.size());
    ++round_;
  }
  roundStarted_.notify_all();
  work(0);
  std::unique_lock lock(mutex_);
  partDone_.wait(lock, [this] { return partsLeft_ == 0; });
  work_ = nullptr;
}

void WorkerThreads::serve(int part) {
  unsigned long roundsSeen = 0;
  for (;;) {
    const std::function<void(int)>* work = nullptr;
    {
      std::unique_lock lock(mutex_);
      roundStarted_.wait(lock, [&] { return closing_ || round_ != roundsSeen; });
      if (closing_) return;
      roundsSeen = round_;
      work = work_;
    }
    (*work)(part);
    std::lock_guard lock(mutex_);
    if (--partsLeft_ == 0) partDone_.notify_one();
  }
}

int computationThreads() {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
  return 1;
#else
  if (const char* setting = std::getenv("VANTREL_THREADS");
      setting != nullptr && *setting != '\0') {
    char* end = nullptr;
    const long threads = std::strtol(setting, &end, 10);
    if (*end == '\0' && threads >= 1)
      return static_cast<int>(std::min<long>(threads, kMostThreads));
  }
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(std::min<unsigned>(cores, kMostThreads));
#endif
}

}  // namespace vantrel
