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
    // The display language the user chose in Settings, as a tag ("de-DE").
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0) > 0) {
        std::string tag;
        for (const wchar_t* p = name; *p != L'\0'; ++p)
            if (*p < 128)
                tag += static_cast<char>(*p);
        wanted.push_back(tag);
    }
#endif
    return wanted;
}
