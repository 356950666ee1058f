#include "app/asset_notice.h"

#include <string>
#include <vector>

#include "app/timer_list.h"
#include "assets/asset_problems.h"
#include "logic/asset_notice.h"
#include "state/program_state.h"

namespace {

std::vector<std::string> noticeLines;

void showNoticeLine(int index)
{
    if (guiContext == nullptr || index < 0 || static_cast<std::size_t>(index) >= noticeLines.size())
        return;
    // Shown a little longer than its turn, so no frame goes without a line.
    guiContext->showMessage(noticeLines[static_cast<std::size_t>(index)].c_str(), assetNoticeLineMilliseconds + 250);
    if (static_cast<std::size_t>(index) + 1 < noticeLines.size())
        addTimer(assetNoticeLineMilliseconds, showNoticeLine, index + 1);
}

}  // namespace

void showAssetNotice()
{
    noticeLines = assetNoticeLines(assetProblems(), assetProblemCount());
    showNoticeLine(0);
}
