// Where the user keeps pictures: the folder the desktop's user-dirs.dirs
// names as XDG_PICTURES_DIR, else ~/Pictures, else the home folder, else the
// working directory; on Windows the user's Pictures folder, else the
// profile's Pictures, else the profile, else the working directory.
#pragma once

#include <string>

// The first of those that is an existing folder; never empty.
std::string picturesFolder();

// XDG_PICTURES_DIR as one line of user-dirs.dirs gives it (with $HOME put in),
// or "" when the line is not that setting.
std::string picturesDirFromLine(const std::string& line, const std::string& home);
