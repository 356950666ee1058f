// After start-up, the window says for a few seconds what standard error said
// about the asset files: the overlay's message panel shows one line at a
// time, so the lines follow one another.
#pragma once

constexpr unsigned assetNoticeLineMilliseconds = 4000;

// Starts showing the notice of the problems reported so far; nothing when
// there were none.
void showAssetNotice();
