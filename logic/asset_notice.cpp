#include "logic/asset_notice.h"

#include <algorithm>

#include "language/translation.h"

std::vector<std::string> assetNoticeLines(const std::vector<std::string>& problems, std::size_t count)
{
    count = std::max(count, problems.size());
    std::vector<std::string> lines;
    // Many at once is nearly always the program started away from its
    // assets: one sentence that says what to do; standard error has them all.
    if (count > assetNoticeShownProblems + 1) {
        lines.push_back(
            formatted(trn("%s asset could not be loaded: start Marivane from its assets folder, or install it",
                          "%s assets could not be loaded: start Marivane from its assets folder, or install it",
                          static_cast<unsigned long>(count)),
                      std::to_string(count).c_str()));
        return lines;
    }
    // A last line that would only count one more problem shows it instead.
    const std::size_t shown =
        std::min(problems.size(), count == assetNoticeShownProblems + 1 ? count : assetNoticeShownProblems);
    lines.assign(problems.begin(), problems.begin() + static_cast<std::ptrdiff_t>(shown));
    const std::size_t rest = count - shown;
    if (rest > 0)
        // TRANSLATORS: the last line of the asset warnings shown in the window, counting those not shown.
        lines.push_back(formatted(
            trn("and %s more asset warning", "and %s more asset warnings", static_cast<unsigned long>(rest)),
            std::to_string(rest).c_str()));
    return lines;
}
