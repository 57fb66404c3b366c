// The search that learns from its conflicts against board enumeration and against the plain
// search, and its stops: the budget, the cancel flag and the caller's poll.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <random>
#include <thread>
#include <vector>

#include "frontends/quiet/QuietPlatform.h"
#include "App.h"
#include "support/BruteForce.h"
#include "analysis/Analysis.h"
#include "formats/EngineInput.h"
#include "formats/PuzzleKinds.h"
#include "history/History.h"
#include "state/PuzzleFiles.h"

namespace gw::analysis {
namespace {

namespace fs = std::filesystem;
using brute::Line;

Analysis AnalyzeWith(const Puzzle& p, long long learnAfterNodes) {
  Budget budget;
  budget.learnAfterNodes = learnAfterNodes;
  return Analyze(p, budget);
}
Analysis Learning(const Puzzle& p) { return AnalyzeWith(p, 0); }
Analysis Plain(const Puzzle& p) { return AnalyzeWith(p, -1); }

// The same verdict, boards that show the hints, the same unique board and the same class.
void ExpectSameVerdict(const Puzzle& p, const Analysis& learnt, const Analysis& plain, int round) {
  ASSERT_EQ(learnt.solutions, plain.solutions) << "round " << round;
  ASSERT_EQ(learnt.boards.size(), plain.boards.size()) << "round " << round;
  for (const Board& b : learnt.boards) {
    ASSERT_TRUE(brute::SamePuzzle(brute::PuzzleOf(brute::ToRows(b)), p)) << "round " << round;
  }
  if (learnt.solutions == 2) {
    EXPECT_NE(learnt.boards[0].cells, learnt.boards[1].cells);
  }
  if (learnt.solutions == 1) {
    EXPECT_EQ(learnt.boards[0].cells, plain.boards[0].cells);
  }
  EXPECT_EQ(learnt.difficulty, plain.difficulty) << "round " << round;
}

TEST(LearningSearch, CountsLikeEveryBoardAndThePlainSearch) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  std::mt19937 rng(26);
  int bySolutions[3] = {}, branched = 0, learned = 0;
  for (int round = 0; round < 600; ++round) {
    const int w = 2 + round % 5, h = 2 + (round / 5) % 5, colors = 1 + (round / 25) % 3;
    Puzzle p = round % 3 == 0 ? brute::MixedPuzzle(rng, w, h, colors)
                              : brute::PuzzleOf(brute::RandomPicture(rng, w, h, colors, 0.3 + 0.1 * (round % 4)));
    const int want = brute::BoardCounter(p).Count(2);
    const Analysis learnt = Learning(p);
    ASSERT_EQ(learnt.solutions, want) << "round " << round;
    EXPECT_EQ(learnt.nodes, 0) << "round " << round;  // the plain search never ran
    const Analysis plain = Plain(p);
    ExpectSameVerdict(p, learnt, plain, round);
    ++bySolutions[want];
    branched += plain.nodes > 1;
    learned += learnt.conflicts > 0;
  }
  EXPECT_GT(bySolutions[0], 30);
  EXPECT_GT(bySolutions[1], 30);
  EXPECT_GT(bySolutions[2], 30);
  EXPECT_GT(branched, 5);  // puzzles where line solving and probing leave cells open
  EXPECT_GT(learned, 0);
}

TEST(LearningSearch, AgreesWithThePlainSearchOnBiggerPuzzles) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  std::mt19937 rng(2601);
  int bySolutions[3] = {};
  for (int round = 0; round < 120; ++round) {
    const int w = 8 + round % 5, colors = 1 + round % 3;
    Puzzle p = round % 4 == 0 ? brute::MixedPuzzle(rng, w, w, colors)
                              : brute::PuzzleOf(brute::RandomPicture(rng, w, w, colors, 0.45 + 0.05 * (round % 3)));
    ExpectSameVerdict(p, Learning(p), Plain(p), round);
    ++bySolutions[Plain(p).solutions];
  }
  EXPECT_GT(bySolutions[0], 5);
  EXPECT_GT(bySolutions[1], 5);
  EXPECT_GT(bySolutions[2], 5);
}

// n-Dom (bench/puzzles/make_ndom.py): n threes chained from the top right corner to the bottom
// left, each but the first with a domino beside the top of the next; unique, and only search
// settles it.
Puzzle NDom(int n) {
  const int side = 2 * n + 1;
  std::vector<Line> rows(side, Line(side, 0));
  for (int k = 1; k <= n; ++k) {
    const int col = side + 1 - 2 * k;  // 0-based column of the k-th three
    for (int y = 2 * k - 2; y <= 2 * k; ++y) rows[y][col] = 1;
    if (k >= 2) rows[2 * k - 4][col] = rows[2 * k - 4][col + 1] = 1;
  }
  return brute::PuzzleOf(rows);
}

TEST(LearningSearch, SettlesTheDominoChainsAsSearchPuzzles) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  for (int n = 3; n <= 7; ++n) {
    const Puzzle p = NDom(n);
    const Analysis learnt = Learning(p);
    ASSERT_EQ(learnt.solutions, 1) << n;
    ExpectSameVerdict(p, learnt, Plain(p), n);
  }
  EXPECT_EQ(Learning(NDom(7)).difficulty, Difficulty::kSearch);
}

// With the default hand-over: a search that met the one solution early and must still prove there
// is no other goes on with learning long before the node threshold; one that has met no solution
// yet keeps searching plainly (a random board settled in a few plain nodes never pays for learning).
TEST(LearningSearch, HandsOverOnceTheSolutionIsMetAndTheRestIsProof) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  const Analysis chain = Analyze(NDom(8));
  EXPECT_EQ(chain.solutions, 1);
  EXPECT_GT(chain.conflicts, 0);
  EXPECT_LT(chain.nodes, kLearnAfterNodes / 4);
  std::mt19937 rng(26);
  for (int round = 0; round < 40; ++round) {
    const Puzzle p = brute::PuzzleOf(brute::RandomPicture(rng, 12, 12, 1 + round % 3, 0.5));
    const Analysis a = Analyze(p);
    if (a.nodes < 128) {
      EXPECT_EQ(a.conflicts, 0) << "round " << round;
    }
    ExpectSameVerdict(p, a, Plain(p), round);
  }
}

// The stops, on a puzzle the learning search takes seconds over: each must end it with no
// verdict, and soon (the bound is generous: the machine may be busy; a search that ignored the
// stop would run for seconds more).
TEST(LearningSearch, StopsOnTheBudgetTheCancelFlagAndThePoll) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  const Puzzle p = NDom(14);
  using Clock = std::chrono::steady_clock;
  auto ended = [](std::future<Analysis>& f) {
    return f.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
  };

  Budget timed;
  timed.learnAfterNodes = 0;
  timed.seconds = 0.3;
  std::future<Analysis> run = std::async(std::launch::async, [&] { return Analyze(p, timed); });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_TRUE(ended(run)) << "still searching a second past its budget";
  Analysis a = run.get();
  EXPECT_EQ(a.solutions, kUnknown);
  EXPECT_FALSE(a.cancelled);
  EXPECT_GT(a.conflicts, 0);

  std::atomic<bool> cancel{false};
  Budget cancelled;
  cancelled.learnAfterNodes = 0;
  cancelled.cancel = &cancel;
  run = std::async(std::launch::async, [&] { return Analyze(p, cancelled); });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const auto pressed = Clock::now();
  cancel = true;
  ASSERT_TRUE(ended(run)) << "still searching a second after the cancel";
  a = run.get();
  EXPECT_LT(Clock::now() - pressed, std::chrono::seconds(1));
  EXPECT_EQ(a.solutions, kUnknown);
  EXPECT_TRUE(a.cancelled);

  int polls = 0;
  Budget polled;
  polled.learnAfterNodes = 0;
  polled.poll = [&] { return ++polls < 3; };
  a = Analyze(p, polled);
  EXPECT_EQ(a.solutions, kUnknown);
  EXPECT_TRUE(a.cancelled);
  EXPECT_EQ(polls, 3);
  EXPECT_GT(a.conflicts, 0);  // the learning search was the one polled
}

Puzzle ReadPuzzle(const fs::path& path) {
  QuietPlatform ui;
  auto app = std::make_unique<App>(ui);
  app->puzzle.Mode = kModePlay;
  ReadHintPuzzle(*app, path.string());
  return HintPuzzle(app->puzzle);
}

// A puzzle of bench/puzzles, read as gwtool check reads it.
Puzzle BenchPuzzle(const char* name) {
  return ReadEnginePuzzle((fs::path(GW_SOURCE_DIR) / "bench/puzzles" / name).string());
}

// Once the learning search joins, the two go on side by side and the first to decide gives the
// verdict: on the n-Dom chains the learning one, on generated 25 x 25 puzzles usually the plain
// one, proving in its next run what takes the solver ten times as long; on the random 30 x 30
// pictures, whose plain search passes the node threshold before it meets a solution, it joins
// beside at once and either may find the second solution first. Whichever wins, the verdict, the
// boards and the class are the plain search's own.
TEST(LearningSearch, TakesTheVerdictOfWhicheverSearchDecidesFirst) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  const struct {
    std::string name;
    Puzzle puzzle;
    int solutions;
    bool pastThreshold;  // joined at the node threshold, no solution met
  } cases[] = {
      {"8-Dom", NDom(8), 1, false},
      {"9-Dom", NDom(9), 1, false},
      {"gen25-search-1", BenchPuzzle("gen25-search-1.non"), 1, false},
      {"gen25-search-12", BenchPuzzle("gen25-search-12.non"), 1, false},
      {"gen25-search-33", BenchPuzzle("gen25-search-33.non"), 1, false},
      {"rand30-beside-101", BenchPuzzle("rand30-beside-101.non"), 2, true},
      {"rand30-beside-125", BenchPuzzle("rand30-beside-125.non"), 2, true},
  };
  for (const auto& c : cases) {
    const Analysis both = Analyze(c.puzzle);
    EXPECT_EQ(both.solutions, c.solutions) << c.name;
    EXPECT_GT(both.conflicts, 0) << c.name;  // the learning search did join
    EXPECT_EQ(both.nodes > kLearnAfterNodes, c.pastThreshold) << c.name;
    ExpectSameVerdict(c.puzzle, both, Plain(c.puzzle), 0);
  }
}

// The two searches are weighed in counted work, so the outcome cannot depend on which
// thread ran faster: the same verdict and the same solutions shown whether the machine is idle or
// busy with threads that spin beside the analysis.
TEST(LearningSearch, GivesTheSameOutcomeHoweverBusyTheMachine) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  const struct {
    std::string name;
    Puzzle puzzle;
  } cases[] = {
      {"9-Dom", NDom(9)},
      {"gen25-search-12", BenchPuzzle("gen25-search-12.non")},
      {"rand30-beside-101", BenchPuzzle("rand30-beside-101.non")},
      {"rand30-beside-125", BenchPuzzle("rand30-beside-125.non")},
  };
  for (const auto& c : cases) {
    const Analysis idle = Analyze(c.puzzle);
    for (int spinners : {1, 3}) {
      std::atomic<bool> stop{false};
      std::vector<std::thread> busy;
      for (int t = 0; t < spinners; ++t)
        busy.emplace_back([&stop] {
          volatile unsigned long long x = 0;
          while (!stop.load(std::memory_order_relaxed)) x = x + 1;
        });
      const Analysis loaded = Analyze(c.puzzle);
      stop = true;
      for (std::thread& t : busy) t.join();
      EXPECT_EQ(loaded.solutions, idle.solutions) << c.name << " " << spinners;
      ASSERT_EQ(loaded.boards.size(), idle.boards.size()) << c.name << " " << spinners;
      for (size_t b = 0; b < idle.boards.size(); ++b) {
        EXPECT_EQ(loaded.boards[b].cells, idle.boards[b].cells) << c.name << " board " << b;
      }
    }
  }
}

// 14-Dom stopped while the two go side by side, or while the plain search waits for the other: the
// budget ends it without a verdict, the caller's poll as cancelled, each promptly (the bound is
// generous: the machine may be busy; one that ignored the stop would run for seconds more), and
// the poll is still asked while the analysing thread waits.
TEST(LearningSearch, StopsBesideThePlainSearchToo) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  const Puzzle p = NDom(14);
  using Clock = std::chrono::steady_clock;
  for (double seconds : {0.1, 0.3}) {
    Budget timed;
    timed.seconds = seconds;
    const auto start = Clock::now();
    const Analysis a = Analyze(p, timed);
    EXPECT_LT(Clock::now() - start, std::chrono::duration<double>(seconds + 1)) << seconds;
    EXPECT_EQ(a.solutions, kUnknown) << seconds;
    EXPECT_FALSE(a.cancelled) << seconds;
  }
  for (int ms : {100, 300}) {
    Budget polled;
    const auto start = Clock::now();
    const auto until = start + std::chrono::milliseconds(ms);
    int polls = 0;
    polled.poll = [&] {
      ++polls;
      return Clock::now() < until;
    };
    const Analysis a = Analyze(p, polled);
    EXPECT_LT(Clock::now() - until, std::chrono::seconds(1)) << ms;
    EXPECT_EQ(a.solutions, kUnknown) << ms;
    EXPECT_TRUE(a.cancelled) << ms;
    EXPECT_GT(polls, 1) << ms;
  }
}

// Every test and benchmark puzzle keeps its verdict and its class with the learning search.
TEST(LearningSearch, KeepsTheClassOfEverySharedPuzzle) {
  if (!LearningAvailable()) GTEST_SKIP() << "built without CaDiCaL";
  int checked = 0;
  for (const char* folder : {"tests/solver/puzzles", "bench/puzzles"})
    for (const auto& entry : fs::directory_iterator(fs::path(GW_SOURCE_DIR) / folder)) {
      if (entry.path().extension() != ".gwm") continue;
      const Puzzle p = ReadPuzzle(entry.path());
      ExpectSameVerdict(p, Learning(p), Plain(p), checked++);
    }
  EXPECT_GE(checked, 40);
}

}  // namespace
}  // namespace gw::analysis
