#include "diagram_file/SiteMode.h"

#include <gtest/gtest.h>

using dgr::DecideSiteMode;
using dgr::SiteModeDecision;

namespace {

TEST(DecideSiteMode, ByTheFileThenByTheModeInForce) {
  struct Case {
    std::uint8_t siteType;
    std::int32_t count;
    bool depotInForce;
    bool depot;
    int groupSize;
    bool enabled;
    bool result;
  };
  for (const Case& c : std::vector<Case>{{16, 100, false, true, 16, false, true},
                                         {16, 1000, false, true, 16, false, true},
                                         {32, 1000, true, false, 32, false, true},
                                         {32, 0, true, false, 32, false, true},
                                         {0, 257, false, true, 16, true, true},
                                         {0, 257, true, true, 16, true, true},
                                         {8, 300, false, true, 16, true, true},
                                         {0, 256, false, false, 32, true, false},
                                         {0, 256, true, true, 16, true, false},
                                         {48, 100, true, true, 16, true, false},
                                         {0, 0, false, false, 32, true, false},
                                         {0, -5, true, true, 16, true, false}}) {
    SiteModeDecision decision = DecideSiteMode(c.siteType, c.count, c.depotInForce);
    SCOPED_TRACE(testing::Message() << int{c.siteType} << " " << c.count << " " << c.depotInForce);
    EXPECT_EQ(decision.DepotMode, c.depot);
    EXPECT_EQ(decision.GroupSize, c.groupSize);
    EXPECT_EQ(decision.ModeButtonsEnabled, c.enabled);
    EXPECT_EQ(decision.LoadResult, c.result);
  }
}

}  // namespace
