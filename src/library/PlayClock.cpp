#include "library/PlayClock.h"

#include <algorithm>

namespace gw {

double PlayClock::Pause(double now) const {
  if (!active_ || !inPlay_ || stopped_ || key_.empty()) return 0;
  return std::clamp(now - last_, 0.0, kIdleSeconds);
}

void PlayClock::Start(const std::string& key, double seconds, double now) {
  key_ = key;
  seconds_ = seconds;
  last_ = now;
  inPlay_ = true;
  stopped_ = false;
}

void PlayClock::Touch(const std::string& key, bool inPlay, double now) {
  if (key != key_) {
    Start(key, 0, now);
    inPlay_ = inPlay;
    return;
  }
  seconds_ += Pause(now);
  last_ = now;
  inPlay_ = inPlay;
}

void PlayClock::SetActive(bool active, double now) {
  seconds_ += Pause(now);
  last_ = now;
  active_ = active;
}

void PlayClock::Stop(double now) {
  seconds_ += Pause(now);
  last_ = now;
  stopped_ = true;
}

double PlayClock::Seconds(double now) const { return seconds_ + Pause(now); }

}  // namespace gw
