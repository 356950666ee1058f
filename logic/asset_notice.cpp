#include "logic/asset_notice.h"

#include <algorithm>

std::vector<std::string> assetNoticeLines(const std::vector<std::string>& problems, std::size_t count)
{
    count = std::max(count, problems.size());
    std::vector<std::string> lines;
    // Many at once is nearly always the program started away from its
    // assets: one sentence that says what to do; standard error has them all.
    if (count > assetNoticeShownProblems + 1) {
        lines.push_back(std::to_string(count) +
                        " assets could not be loaded: start Marivane from its assets folder, or install it");
        return lines;
    }
    // A last line that would only count one more problem shows it instead.
    const std::size_t shown =
        std::min(problems.size(), count == assetNoticeShownProblems + 1 ? count : assetNoticeShownProblems);
    lines.assign(problems.begin(), problems.begin() + static_cast<std::ptrdiff_t>(shown));
    const std::size_t rest = count - shown;
    if (rest > 0)
        lines.push_back("and " + std::to_string(rest) + (rest == 1 ? " more asset warning" : " more asset warnings"));
    return lines;
}
