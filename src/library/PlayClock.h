#pragma once
// The time spent on the puzzle in play. It counts from one action of the player to the next while
// the window is active, each pause counted up to kIdleSeconds at most: a player who leaves the
// board alone for longer is taken to be away. It stops while the window is inactive or minimised
// and once the puzzle is solved. Times come from the platform's clock, in seconds.
#include <string>

namespace gw {

class PlayClock {
 public:
  static constexpr double kIdleSeconds = 60;

  // A puzzle comes into play with the time already spent on it.
  void Start(const std::string& key, double seconds, double now);
  // An action of the player on the puzzle `key` (another puzzle than the one timed starts afresh);
  // `inPlay` is false while there is no board to solve.
  void Touch(const std::string& key, bool inPlay, double now);
  void SetActive(bool active, double now);
  // The puzzle is solved: the clock stops with its time.
  void Stop(double now);

  const std::string& key() const { return key_; }
  bool stopped() const { return stopped_; }
  // The time so far, counting the pause since the last action as far as it counts.
  double Seconds(double now) const;

 private:
  double Pause(double now) const;

  std::string key_;
  double seconds_ = 0;
  double last_ = 0;
  bool active_ = true;
  bool inPlay_ = false;
  bool stopped_ = false;
};

}  // namespace gw
