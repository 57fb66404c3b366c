#pragma once
// The library's background work on a thread of its own: reads the files handed to it, then asks
// the engine about each, so that the window lists every file at once and fills in titles and
// verdicts as they come. Cancelled (through the engine's cancel flag) when the library goes.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_set>
#include <utility>
#include <vector>

#include "analysis/Analysis.h"
#include "library/PuzzleFacts.h"

namespace gw {

class AnalysisWorker {
 public:
  AnalysisWorker();
  ~AnalysisWorker();
  AnalysisWorker(const AnalysisWorker&) = delete;
  AnalysisWorker& operator=(const AnalysisWorker&) = delete;

  // Files to read and analyse; a file already waiting is not taken twice.
  void Submit(const std::vector<FileStamp>& files);
  // What was finished since the last call: each file once when read (not yet analysed) and again
  // with the verdict.
  std::vector<PuzzleFacts> TakeDone();
  // Files not finished yet.
  int Pending() const;
  // Blocks until everything handed in is finished.
  void WaitIdle();

 private:
  void Run();
  bool NextStep(std::unique_lock<std::mutex>& lock);

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<FileStamp> toRead_;
  std::unordered_set<std::string> queued_;  // the paths in toRead_
  std::deque<std::pair<PuzzleFacts, analysis::Puzzle>> toAnalyse_;
  std::vector<PuzzleFacts> done_;
  int working_ = 0;
  bool stop_ = false;
  std::atomic<bool> cancel_{false};
  std::thread thread_;
};

}  // namespace gw
