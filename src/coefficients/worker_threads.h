#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vantrel {

// Threads that share a piece of work with the caller, kept for the length of one computation so
// that each round costs a wake-up rather than a thread start.
class WorkerThreads {
 public:
  // `count` takes part in each round, the caller included; 1 means the caller alone.
  explicit WorkerThreads(int count);
  ~WorkerThreads();
  WorkerThreads(const WorkerThreads&) = delete;
  WorkerThreads& operator=(const WorkerThreads&) = delete;

  int count() const { return static_cast<int>(helpers_.size()) + 1; }
  // Runs work(0) on the calling thread and work(1) .. work(count - 1) on the helpers; returns
  // once every part is done. The work must not throw.
  void run(const std::function<void(int part)>& work);

 private:
  void serve(int part);

  std::vector<std::thread> helpers_;
  std::mutex mutex_;
  std::condition_variable roundStarted_;
  std::condition_variable partDone_;
  const std::function<void(int)>* work_ = nullptr;
  unsigned long round_ = 0;
  int partsLeft_ = 0;
  bool closing_ = false;
};

// How many threads a large computation uses: VANTREL_THREADS when it holds a whole number from 1
// up, else the number of cores; always 1 in a build without threads (the page).
int computationThreads();

}  // namespace vantrel
