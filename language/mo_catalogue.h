// A compiled gettext catalogue (.mo, as msgfmt writes it) read into memory.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>

#include "language/plural_rule.h"

struct MoCatalogue {
    // Original to translation. A message with a context is keyed
    // "context\004original"; one with plural forms by its singular, its
    // forms '\0'-separated in the translation. Untranslated messages are absent.
    std::unordered_map<std::string, std::string> messages;
    PluralRule plural;
};

// Reads `size` bytes of .mo data; false, with `error` saying why, when they
// are not a well-formed catalogue. Reads only inside the bytes given.
bool readMoCatalogue(const unsigned char* data, std::size_t size, MoCatalogue& catalogue, std::string& error);
