#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "logic/asset_notice.h"

namespace {

TEST(AssetNotice, ShowsTheFirstThreeProblemsAndCountsTheRest)
{
    const std::vector<std::string> five = {"a", "b", "c", "d", "e"};
    struct Case {
        std::size_t kept;   // lines handed over
        std::size_t count;  // problems in all
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {0, 0, {}},
        {1, 1, {"a"}},
        {3, 3, {"a", "b", "c"}},
        // A line that would count just one more shows that one instead.
        {4, 4, {"a", "b", "c", "d"}},
        // More: one sentence, how many and what to do (the details are on
        // standard error), where a list would run out of the window.
        {5, 5, {"5 assets could not be loaded: start Marivane from its assets folder, or install it"}},
        // More reported than were kept: the count still tells them all.
        {5, 40, {"40 assets could not be loaded: start Marivane from its assets folder, or install it"}},
        {1, 2, {"a", "and 1 more asset warning"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> kept(five.begin(), five.begin() + static_cast<std::ptrdiff_t>(c.kept));
        EXPECT_EQ(assetNoticeLines(kept, c.count), c.lines) << c.kept << " kept of " << c.count;
    }
}

}  // namespace
