#include "language/translation.h"

#include <cstdarg>
#include <cstdio>

#include "language/language_choice.h"
#include "language/mo_catalogue.h"
#include "language/shipped_catalogues.h"

namespace {

struct Chosen {
    std::string language = "en";
    MoCatalogue catalogue;
};

Chosen& chosen()
{
    static Chosen current;
    return current;
}

// The chosen catalogue's text for `key`, or `otherwise`.
const char* lookup(const std::string& key, const char* otherwise)
{
    const auto& messages = chosen().catalogue.messages;
    const auto found = messages.find(key);
    return found != messages.end() ? found->second.c_str() : otherwise;
}

}  // namespace

std::string chooseLanguage(const std::vector<std::string>& wanted)
{
    Chosen& current = chosen();
    current = Chosen{};
    for (const std::string& tag : wanted)
        for (const std::string& name : catalogueNames(tag)) {
            if (name == "en")
                return current.language;
            for (int i = 0; i < shippedCatalogueCount; ++i) {
                const ShippedCatalogue& shipped = shippedCatalogues[i];
                std::string error;
                if (name == shipped.language && readMoCatalogue(shipped.data, shipped.size, current.catalogue, error)) {
                    current.language = shipped.language;
                    return current.language;
                }
            }
        }
    return current.language;
}

const std::string& chosenLanguage()
{
    return chosen().language;
}

const char* tr(const char* english)
{
    if (english == nullptr || chosen().catalogue.messages.empty())
        return english;
    return lookup(english, english);
}

const char* trc(const char* context, const char* english)
{
    if (chosen().catalogue.messages.empty())
        return english;
    return lookup(std::string(context) + '\004' + english, english);
}

const char* trn(const char* singular, const char* plural, unsigned long count)
{
    const Chosen& current = chosen();
    const auto found = current.catalogue.messages.find(singular);
    if (found == current.catalogue.messages.end())
        return count == 1 ? singular : plural;
    // The forms follow one another, each ended by a zero.
    const std::string& forms = found->second;
    int form = pluralForm(current.catalogue.plural, count);
    std::size_t start = 0;
    for (; form > 0; --form) {
        const std::size_t zero = forms.find('\0', start);
        if (zero == std::string::npos)
            return count == 1 ? singular : plural;
        start = zero + 1;
    }
    return forms.c_str() + start;
}

std::string listed(const std::vector<std::string>& items, const char* lastTwo)
{
    if (items.empty())
        return {};
    std::string text = items.front();
    for (std::size_t i = 1; i + 1 < items.size(); ++i)
        text += ", " + items[i];
    if (items.size() > 1)
        text = formatted(lastTwo, text.c_str(), items.back().c_str());
    return text;
}

std::string localFigure(const std::string& figure)
{
    // TRANSLATORS: the decimal separator of the figures shown, "," in many languages.
    const std::string separator = trc("decimal point", ".");
    std::string text;
    for (const char c : figure) {
        if (c == '.')
            text += separator;
        else
            text += c;
    }
    return text;
}

std::string formatted(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(static_cast<std::size_t>(length));
    }
    va_end(again);
    return text;
}
