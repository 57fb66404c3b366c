#include "library/AnalysisWorker.h"

#include "library/PuzzleScan.h"

namespace gw {

AnalysisWorker::AnalysisWorker() : thread_([this] { Run(); }) {}

AnalysisWorker::~AnalysisWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  cancel_ = true;
  wake_.notify_all();
  thread_.join();
}

void AnalysisWorker::Submit(const std::vector<FileStamp>& files) {
  if (files.empty()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const FileStamp& f : files)
      if (queued_.insert(f.path).second) toRead_.push_back(f);
  }
  wake_.notify_all();
}

std::vector<PuzzleFacts> AnalysisWorker::TakeDone() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<PuzzleFacts> out;
  out.swap(done_);
  return out;
}

int AnalysisWorker::Pending() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return int(toRead_.size() + toAnalyse_.size()) + working_;
}

void AnalysisWorker::WaitIdle() {
  std::unique_lock<std::mutex> lock(mutex_);
  idle_.wait(lock, [this] { return toRead_.empty() && toAnalyse_.empty() && working_ == 0; });
}

// Reading comes first, so that every file is listed with its title before the slower verdicts.
bool AnalysisWorker::NextStep(std::unique_lock<std::mutex>& lock) {
  if (!toRead_.empty()) {
    FileStamp stamp = toRead_.front();
    toRead_.pop_front();
    queued_.erase(stamp.path);
    ++working_;
    lock.unlock();
    analysis::Puzzle puzzle;
    PuzzleFacts facts = ReadFacts(stamp, puzzle);
    lock.lock();
    done_.push_back(facts);
    if (facts.Readable() && puzzle.width > 0) toAnalyse_.emplace_back(std::move(facts), std::move(puzzle));
    --working_;
    return true;
  }
  if (!toAnalyse_.empty()) {
    auto job = std::move(toAnalyse_.front());
    toAnalyse_.pop_front();
    ++working_;
    lock.unlock();
    AnalyseFacts(job.first, job.second, &cancel_);
    lock.lock();
    if (job.first.solutions != kNotAnalysed) done_.push_back(std::move(job.first));
    --working_;
    return true;
  }
  return false;
}

void AnalysisWorker::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_) {
    if (NextStep(lock)) continue;
    idle_.notify_all();
    wake_.wait(lock, [this] { return stop_ || !toRead_.empty() || !toAnalyse_.empty(); });
  }
  idle_.notify_all();
}

}  // namespace gw
