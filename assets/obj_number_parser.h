// Reading the numbers of OBJ lines: floats exactly as sscanf's "%f" gives
// them, to the bit, each ending where "%f" would stop, and face indices as
// "%d" reads them. Only the common forms skip the C library's slow general
// routines.
#pragma once

// One "%f" conversion at the start of text (leading white space allowed).
// On success stores the value and returns the first character "%f" left
// unread; when "%f" would fail returns null and leaves value alone.
const char* parseObjFloat(const char* text, float& value);

// Reads up to count numbers left to right, as "%f %f ..." would: each one that
// parses is stored in values[i], and reading stops at the first that does not,
// leaving it and the later values as they were. Returns how many were stored.
int readObjFloats(const char* text, float* values, int count);

// A decimal integer at the start of text, read as "%d" would (leading white
// space and a sign allowed, stopping at the first character that is not a
// digit). False when there are no digits or the value does not fit an int.
bool parseObjIndex(const char* text, long& value);
