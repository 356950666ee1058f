#include "platform/user_languages.h"

#include <cstdlib>

#include "language/language_choice.h"

#if defined(_WIN32)
#include <windows.h>
#endif

std::vector<std::string> userLanguages()
{
    std::vector<std::string> wanted = languagesFromEnvironment(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                                               std::getenv("LC_MESSAGES"), std::getenv("LANG"));
#if defined(_WIN32)
    // The display language the user chose in Settings, as "de_DE".
    const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    char language[16] = {};
    char country[16] = {};
    if (GetLocaleInfoA(locale, LOCALE_SISO639LANGNAME, language, sizeof language) > 0) {
        std::string tag = language;
        if (GetLocaleInfoA(locale, LOCALE_SISO3166CTRYNAME, country, sizeof country) > 0)
            tag += std::string("_") + country;
        wanted.push_back(tag);
    }
#endif
    return wanted;
}
