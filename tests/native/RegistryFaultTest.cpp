// Every registry call of an install or uninstall run made to fail in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "tests/native/Harness.h"

namespace {

using fake::FakeRegistry;
using platform::MessageIcon;
using testing_support::Harness;

struct FaultRun {
  std::int16_t mode;
  bool seeded;  // every verb registered beforehand
  FakeRegistry::DeleteBehaviour behaviour;
};

// "InstallOverSeeded_DeleteRefusesSubKeys" and the like: the test's name, the same in every
// build.
void PrintTo(const FaultRun& run, std::ostream* out) {
  *out << (run.mode == 0 ? "Install" : "Uninstall") << (run.seeded ? "OverSeeded" : "OverClean")
       << (run.behaviour == FakeRegistry::DeleteBehaviour::RefusesSubKeys ? "_DeleteRefusesSubKeys"
                                                                          : "_DeleteTakesSubKeys");
}

// True when the registry holds exactly the verbs asked for, each with this run's title and
// command (a verb left from the seeded installation does not count).
bool EndsAsAsked(const FakeRegistry& registry, std::int16_t mode) {
  for (const std::string root : {"*", "Folder"}) {
    for (int entry = 1; entry <= 5; ++entry) {
      const std::string verb = root + "\\shell\\Vantrel" + std::to_string(entry);
      if (mode == 1) {
        if (registry.HasKey(verb)) return false;
        continue;
      }
      const std::string command =
          testing_support::kQuotedProgram + (" " + std::to_string(entry)) + " \"%1\"";
      if (registry.StringValue(verb, "") != testing_support::kTitles[entry - 1] ||
          registry.StringValue(verb + "\\command", "") != command)
        return false;
    }
  }
  return true;
}

int CallsOfACleanRun(const FaultRun& run) {
  Harness h(run.behaviour);
  h.WithCompanionFiles();
  for (int entry = 1; run.seeded && entry <= 5; ++entry) {
    h.Register("*", entry);
    h.Register("Folder", entry);
  }
  EXPECT_TRUE(h.form.Form_Load());
  h.form.comAllSelect_Click();
  const int before = h.registry.callCount();
  h.form.comInstall_Click(run.mode);
  return h.registry.callCount() - before;
}

class FailEachCall : public ::testing::TestWithParam<FaultRun> {};

TEST_P(FailEachCall, NeverClaimsWhatItDidNotDo) {
  const FaultRun run = GetParam();
  const int calls = CallsOfACleanRun(run);
  ASSERT_GT(calls, 20);
  for (int k = 1; k <= calls; ++k) {
    SCOPED_TRACE("failing call " + std::to_string(k) + " of " + std::to_string(calls));
    Harness h(run.behaviour);
    h.WithCompanionFiles();
    for (int entry = 1; run.seeded && entry <= 5; ++entry) {
      h.Register("*", entry);
      h.Register("Folder", entry);
    }
    ASSERT_TRUE(h.form.Form_Load());
    h.form.comAllSelect_Click();
    h.registry.FailCall(h.registry.callCount() + k);
    h.form.comInstall_Click(run.mode);

    EXPECT_EQ(h.registry.OpenHandles(), 0) << "every opened key is closed";
    EXPECT_TRUE(h.registry.faults().empty());
    ASSERT_EQ(h.window.messages().size(), 1u);
    EXPECT_TRUE(h.window.closed());
    const bool success = h.window.messages()[0].icon == MessageIcon::Information;
    const bool asAsked = EndsAsAsked(h.registry, run.mode);
    if (success) {
      EXPECT_TRUE(asAsked) << "success reported, but the registry is not as asked";
    }
    if (!asAsked) {
      EXPECT_FALSE(success);
    } else if (!success) {
      // Reported as failed although every verb is in place: only when the very last close
      // of the run failed, after its write had gone through.
      EXPECT_EQ(k, calls) << h.registry.calls().back();
    }
    if (!success) {
      const auto& calls = h.registry.calls();
      const auto failed = std::find_if(calls.begin(), calls.end(), [](const std::string& line) {
        return line.size() > 5 && line.compare(line.size() - 5, 5, " -> 5") == 0 &&
               line.rfind("delete", 0) != 0 && line.rfind("open", 0) != 0;
      });
      if (failed != calls.end()) {
        // The write failed: the only calls after it close that key.
        for (auto next = failed + 1; next != calls.end(); ++next)
          EXPECT_EQ(next->rfind("close", 0), 0u) << *next;
      }
    }
  }
}

constexpr auto kRefuses = FakeRegistry::DeleteBehaviour::RefusesSubKeys;
constexpr auto kTakes = FakeRegistry::DeleteBehaviour::TakesSubKeys;

INSTANTIATE_TEST_SUITE_P(InstallAndUninstall, FailEachCall,
                         ::testing::Values(FaultRun{0, false, kRefuses}, FaultRun{0, false, kTakes},
                                           FaultRun{0, true, kRefuses}, FaultRun{0, true, kTakes},
                                           FaultRun{1, true, kRefuses}, FaultRun{1, true, kTakes}),
                         [](const ::testing::TestParamInfo<FaultRun>& info) {
                           return ::testing::PrintToString(info.param);
                         });

}  // namespace
