// The program's texts in the user's language: the English text is the key,
// and comes back unchanged where the chosen catalogue has no translation
// (or no catalogue was chosen). The texts live in po/; xgettext finds them
// by these functions' names.
#pragma once

#include <string>
#include <vector>

// Marks a text for the catalogue where it is defined; it is translated where
// it is shown.
#define N_(text) text

// The first shipped catalogue any of `wanted` (locale names or language
// tags, most wanted first) names; English, the texts as written, when none
// does. Returns the catalogue's language, "en" for English.
std::string chooseLanguage(const std::vector<std::string>& wanted);
// The chosen language, "en" before any choice.
const std::string& chosenLanguage();

// `english` in the chosen language. Also takes a catalogue key as gettext
// writes it ("context\004text"), as the GUI library passes its texts.
const char* tr(const char* english);
// The same for a text whose meaning needs a context to be translated.
const char* trc(const char* context, const char* english);
// The form for `count` of a text with a singular and a plural.
const char* trn(const char* singular, const char* plural, unsigned long count);

// `figure`, printed with '.' as its decimal point, with the chosen
// language's decimal separator instead.
std::string localFigure(const std::string& figure);
// `items` as one list, "a, b" and so on, the last two joined by `lastTwo`
// (a translated "%s and %s" or the like); "" for none.
std::string listed(const std::vector<std::string>& items, const char* lastTwo);
// printf into a string; the format usually comes from tr().
std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));
