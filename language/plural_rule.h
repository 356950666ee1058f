// The plural-form rule of a gettext catalogue ("nplurals=2; plural=(n != 1);"):
// which of a message's forms a count takes.
#pragma once

#include <string>

struct PluralRule {
    int forms = 2;
    std::string expression = "n != 1";  // English's rule, for a catalogue that states none
};

// The rule a catalogue's Plural-Forms header value states; `ok` false (and
// English's rule) when it cannot be read.
PluralRule parsePluralRule(const std::string& header, bool& ok);

// The form `n` takes under `rule`, 0 .. forms-1. A rule that cannot be
// evaluated (or strays outside its forms) gives form 0 for n == 1, else 1.
int pluralForm(const PluralRule& rule, unsigned long n);
