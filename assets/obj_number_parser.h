// Reading the numbers of an OBJ "v", "vn" or "vt" line. The result is exactly
// what sscanf's "%f" gives, to the bit, and each number ends where "%f" would
// stop; only the common decimal forms skip sscanf, which is slow.
#pragma once

// One "%f" conversion at the start of text (leading white space allowed).
// On success stores the value and returns the first character "%f" left
// unread; when "%f" would fail returns null and leaves value alone.
const char* parseObjFloat(const char* text, float& value);

// Reads up to count numbers left to right, as "%f %f ..." would: each one that
// parses is stored in values[i], and reading stops at the first that does not,
// leaving it and the later values as they were. Returns how many were stored.
int readObjFloats(const char* text, float* values, int count);
