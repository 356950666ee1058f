// Where each asset is opened from: the working directory first, then the
// installed data folder; a warning can name every place tried.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "assets/asset_path.h"
#include "assets/asset_problems.h"
#include "language/translation.h"
#include "platform/regular_file.h"
#include "program_runner.h"

namespace fs = std::filesystem;

namespace {

void touch(const fs::path& path)
{
    std::ofstream(path) << "x";
}

}  // namespace

TEST(AssetPathTest, WorkingDirectoryWinsThenInstalledFolderThenBothNamed)
{
    const std::string root = makeTempDir();
    ASSERT_FALSE(root.empty());
    const fs::path work = fs::path(root) / "work";
    const fs::path installed = fs::path(root) / "share" / "marivane";
    fs::create_directories(work);
    fs::create_directories(installed);
    touch(work / "rock.png");
    touch(installed / "rock.png");
    touch(installed / "water.png");

    // Present in both: the working directory's copy, and nothing else looked at.
    AssetLocation both = locateAssetIn("rock.png", work.string(), installed.string());
    EXPECT_EQ(both.path, (work / "rock.png").string());
    EXPECT_EQ(both.tried.size(), 1u);

    // Only installed: the installed copy.
    AssetLocation onlyInstalled = locateAssetIn("water.png", work.string(), installed.string());
    EXPECT_EQ(onlyInstalled.path, (installed / "water.png").string());

    // Nowhere: reported against the working directory, both places named.
    AssetLocation nowhere = locateAssetIn("mackerel.obj", work.string(), installed.string());
    EXPECT_EQ(nowhere.path, (work / "mackerel.obj").string());
    EXPECT_EQ(describePlacesTried(nowhere.tried),
              (work / "mackerel.obj").string() + " and " + (installed / "mackerel.obj").string());

    // In another language the warning is one sentence of that language, and
    // a file that is missing still names every place looked in.
    chooseLanguage({"de"});
    std::string reason;
    EXPECT_EQ(openRegularFile(nowhere.path, 1024, reason), nullptr);
    const std::string warning =
        unusableAssetText(AssetKind::mesh, "mackerel.obj", nowhere, reason) + withoutAssetText(AssetKind::mesh);
    chooseLanguage({"en"});
    EXPECT_EQ(warning, "Das 3D-Modell \u00bbmackerel.obj\u00ab konnte nicht verwendet werden (fehlt; gesucht in " +
                           (work / "mackerel.obj").string() + " und " + (installed / "mackerel.obj").string() +
                           "), daher werden keine Fische gezeichnet.");
    removeTree(root);
}
