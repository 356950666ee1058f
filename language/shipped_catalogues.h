// The compiled catalogues built into the program, one a shipped language
// (made at build time from po/*.po by msgfmt).
#pragma once

#include <cstddef>

struct ShippedCatalogue {
    const char* language;  // "de", "fr", ...: the .po file's name
    const unsigned char* data;
    std::size_t size;
};

extern const ShippedCatalogue shippedCatalogues[];
extern const int shippedCatalogueCount;
