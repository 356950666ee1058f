#include "library_texts.h"

#include <orlin/orlin.h>

namespace {

OrlinTranslateFn translator = nullptr;

}  // namespace

void orlinSetTranslator(OrlinTranslateFn translate)
{
    translator = translate;
}

const char* orlinText(const char* english)
{
    if (translator == nullptr)
        return english;
    const char* text = translator(english);
    return text != nullptr ? text : english;
}

const char* orlinTextIn(const char* context, const char* english)
{
    if (translator == nullptr)
        return english;
    const std::string key = std::string(context) + '\004' + english;
    const char* text = translator(key.c_str());
    // An untranslated key comes back as given, context and all.
    return text != nullptr && key != text ? text : english;
}

std::string withDecimalSeparator(const char* figure)
{
    // TRANSLATORS: the decimal separator of the figures shown, "," in many languages.
    const std::string separator = orlinTextIn("decimal point", ".");
    std::string text;
    for (const char* p = figure; *p != '\0'; ++p) {
        if (*p == '.')
            text += separator;
        else
            text += *p;
    }
    return text;
}
