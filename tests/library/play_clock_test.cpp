#include <gtest/gtest.h>

#include "library/PlayClock.h"

namespace gw {
namespace {

// One step of a timeline: at `at` seconds, `what` happens; `seconds` is the time shown after it.
struct Step {
  double at;
  char what;  // 't' an action, 'o' another puzzle's action, 'i' window inactive, 'a' active, 's' solved,
              // 'n' an action with no board in play, '.' only a look
  double seconds;
};

struct Timeline {
  const char* name;
  std::vector<Step> steps;
};

class PlayClockTimeline : public testing::TestWithParam<Timeline> {};

TEST_P(PlayClockTimeline, CountsAsThePlayerPlays) {
  PlayClock clock;
  clock.Start("a", 0, 0);
  for (const Step& s : GetParam().steps) {
    switch (s.what) {
      case 't': clock.Touch("a", true, s.at); break;
      case 'o': clock.Touch("b", true, s.at); break;
      case 'n': clock.Touch("a", false, s.at); break;
      case 'i': clock.SetActive(false, s.at); break;
      case 'a': clock.SetActive(true, s.at); break;
      case 's': clock.Stop(s.at); break;
      default: break;
    }
    EXPECT_DOUBLE_EQ(clock.Seconds(s.at), s.seconds) << GetParam().name << " at " << s.at;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Timelines, PlayClockTimeline,
    testing::Values(
        Timeline{"steady play", {{10, 't', 10}, {25, 't', 25}, {30, '.', 30}}},
        Timeline{"a long pause counts one idle span", {{10, 't', 10}, {500, 't', 10 + PlayClock::kIdleSeconds}}},
        Timeline{"a look during a long pause stops at the idle span", {{5, 't', 5}, {400, '.', 5 + PlayClock::kIdleSeconds}}},
        Timeline{"inactive time is not counted", {{10, 't', 10}, {20, 'i', 20}, {300, 'a', 20}, {310, 't', 30}}},
        Timeline{"solved stops the clock", {{10, 't', 10}, {15, 's', 15}, {100, 't', 15}}},
        Timeline{"another puzzle starts afresh", {{10, 't', 10}, {20, 'o', 0}, {30, '.', 10}}},
        Timeline{"no board in play, no time", {{10, 'n', 10}, {50, 't', 10}, {55, 't', 15}}}),
    [](const testing::TestParamInfo<Timeline>& info) { return "case" + std::to_string(info.index); });

TEST(PlayClock, StartKeepsTheTimeAlreadySpent) {
  PlayClock clock;
  clock.Start("a", 120, 50);
  clock.Touch("a", true, 60);
  EXPECT_DOUBLE_EQ(clock.Seconds(60), 130);
  EXPECT_EQ(clock.key(), "a");
}

}  // namespace
}  // namespace gw
