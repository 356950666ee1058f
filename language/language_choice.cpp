#include "language/language_choice.h"

namespace {

bool given(const char* value)
{
    return value != nullptr && value[0] != '\0';
}

}  // namespace

std::vector<std::string> languagesFromEnvironment(const char* language, const char* lcAll, const char* lcMessages,
                                                  const char* lang)
{
    std::vector<std::string> wanted;
    // Unlike glibc's gettext, LANGUAGE counts under the "C" locale too: the
    // catalogues are the program's own and need no installed locale.
    if (given(language)) {
        const std::string list = language;
        std::size_t start = 0;
        while (start <= list.size()) {
            const std::size_t end = list.find(':', start);
            const std::string entry = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
            if (!entry.empty())
                wanted.push_back(entry);
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    }
    for (const char* setting : {lcAll, lcMessages, lang})
        if (given(setting)) {
            wanted.emplace_back(setting);
            break;
        }
    return wanted;
}

std::vector<std::string> catalogueNames(const std::string& tag)
{
    std::string name = tag.substr(0, tag.find_first_of(".@"));
    for (char& c : name)
        if (c == '-')
            c = '_';
    if (name.empty())
        return {};
    if (name == "C" || name == "POSIX")
        return {"en"};
    std::vector<std::string> names = {name};
    const std::size_t territory = name.find('_');
    if (territory != std::string::npos && territory > 0)
        names.push_back(name.substr(0, territory));
    return names;
}
