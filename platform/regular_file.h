// Opening a file that the program reads but does not control (the assets):
// it must never block and never stream for ever, so only a regular file of a
// bounded size is opened. A named pipe would block open() until a writer
// comes; a link to /dev/zero or /dev/urandom never ends.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Opens `path` for binary reading when it names a regular file of at most
// maxBytes bytes. Otherwise returns null and sets `failure` to the reason in
// a user's words: "missing", "a folder, not a file", "not a regular file but
// a named pipe", "permission denied", "larger than 64 MB, ...", ...
std::FILE* openRegularFile(const std::string& path, std::uint64_t maxBytes, std::string& failure);

// The reason for a file that is not there, in the user's language: the
// reason a caller tells apart from the rest, to name the places looked in.
std::string missingFileReason();
// "cannot be read: " and the system's reason for `error`.
std::string cannotBeRead(int error);

// "64 MB", "512 kB": a byte limit as a reason names it.
std::string describeByteCount(std::uint64_t bytes);
