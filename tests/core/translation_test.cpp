// The catalogue machinery: plural rules as gettext's manual states them, a
// damaged catalogue refused without reading outside it, and the choice of
// language from what the user asks for.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "language/language_choice.h"
#include "language/mo_catalogue.h"
#include "language/plural_rule.h"
#include "language/shipped_catalogues.h"
#include "language/translation.h"

namespace {

// The rules and forms are those of the GNU gettext manual, section "Plural
// forms" (its list of rules per language family).
TEST(PluralRule, ChoosesTheFormGettextsManualGives)
{
    const struct {
        const char* header;
        std::vector<std::pair<unsigned long, int>> formOf;  // n, form
    } cases[] = {
        {"nplurals=2; plural=(n != 1);", {{0, 1}, {1, 0}, {2, 1}, {21, 1}}},
        {"nplurals=2; plural=(n > 1);", {{0, 0}, {1, 0}, {2, 1}, {100, 1}}},
        {"nplurals=1; plural=0;", {{0, 0}, {1, 0}, {7, 0}}},
        // Polish.
        {"nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);",
         {{1, 0}, {2, 1}, {4, 1}, {5, 2}, {12, 2}, {22, 1}, {25, 2}, {112, 2}, {122, 1}}},
        // Slovenian.
        {"nplurals=4; plural=(n%100==1 ? 0 : n%100==2 ? 1 : n%100==3 || n%100==4 ? 2 : 3);",
         {{1, 0}, {101, 0}, {2, 1}, {3, 2}, {104, 2}, {5, 3}, {11, 3}}},
        // Unreadable rules fall back to one and many.
        {"nplurals=2; plural=(n %% 0);", {{1, 0}, {2, 1}}},
        {"nplurals=3; plural=n / 0;", {{1, 0}, {5, 1}}},
        {"nplurals=2; plural=((((n", {{1, 0}, {3, 1}}},
        {"", {{1, 0}, {0, 1}}},
    };
    for (const auto& c : cases) {
        bool ok = false;
        const PluralRule rule = parsePluralRule(c.header, ok);
        for (const auto& [n, form] : c.formOf)
            EXPECT_EQ(pluralForm(rule, n), form) << c.header << " n=" << n;
    }
    // A rule nested beyond reason is refused, not followed down the stack.
    bool ok = true;
    parsePluralRule("nplurals=2; plural=" + std::string(100000, '(') + "n", ok);
    EXPECT_FALSE(ok);
    const PluralRule negations = parsePluralRule("nplurals=2; plural=" + std::string(100001, '!') + "n;", ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(pluralForm(negations, 0), 1);  // an odd count of "!": not n
    EXPECT_EQ(pluralForm(negations, 3), 0);
}

TEST(MoCatalogue, EveryShortenedOrDamagedCatalogueIsRefusedOrReadWithinItsBytes)
{
    ASSERT_GT(shippedCatalogueCount, 0);
    const ShippedCatalogue& shipped = shippedCatalogues[0];
    MoCatalogue whole;
    std::string error;
    ASSERT_TRUE(readMoCatalogue(shipped.data, shipped.size, whole, error)) << error;
    EXPECT_GT(whole.messages.size(), 50u);
    // Cut short anywhere: a copy of exactly that length, so the address
    // sanitiser sees any read beyond it.
    for (std::size_t size = 0; size < shipped.size; size += 7) {
        const std::vector<unsigned char> cut(shipped.data, shipped.data + size);
        MoCatalogue catalogue;
        if (!readMoCatalogue(cut.empty() ? nullptr : cut.data(), cut.size(), catalogue, error)) {
            EXPECT_TRUE(catalogue.messages.empty()) << "cut to " << size;
        }
    }
    // Every header word and table entry set to a huge value in turn.
    for (std::size_t at = 4; at < 28 + 16 * 8 && at + 4 <= shipped.size; at += 4) {
        std::vector<unsigned char> damaged(shipped.data, shipped.data + shipped.size);
        for (int i = 0; i < 4; ++i)
            damaged[at + i] = 0xFF;
        MoCatalogue catalogue;
        readMoCatalogue(damaged.data(), damaged.size(), catalogue, error);
    }
    const unsigned char notACatalogue[32] = "This is not a catalogue at all";
    MoCatalogue catalogue;
    EXPECT_FALSE(readMoCatalogue(notACatalogue, sizeof notACatalogue, catalogue, error));
}

TEST(LanguageChoice, TheFirstShippedLanguageAskedForOrEnglish)
{
    const struct {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* chosen;
    } cases[] = {
        {"de", nullptr, nullptr, nullptr, "de"},
        {"pt:es_AR:de", nullptr, nullptr, "fr_FR.UTF-8", "es"},
        {"", "", "fr_CA.UTF-8@euro", "de_DE", "fr"},
        {nullptr, "es-MX", "de", "fr", "es"},
        {"en_GB:de", nullptr, nullptr, nullptr, "en"},
        {nullptr, nullptr, nullptr, "C", "en"},
        {nullptr, nullptr, nullptr, "POSIX", "en"},
        {nullptr, nullptr, nullptr, nullptr, "en"},
        {"xx::yy", "..", nullptr, "@", "en"},
        {"de", nullptr, nullptr, "C", "de"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> wanted = languagesFromEnvironment(c.language, c.lcAll, c.lcMessages, c.lang);
        EXPECT_EQ(chooseLanguage(wanted), c.chosen)
            << (c.language ? c.language : "-") << " " << (c.lcAll ? c.lcAll : "-") << " "
            << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
    }
    // Figures and texts follow the choice; English is the texts as written.
    chooseLanguage({"fr"});
    EXPECT_EQ(localFigure("+3.3"), "+3,3");
    EXPECT_STREQ(tr("Controls"), "Commandes");
    EXPECT_STREQ(tr("a text no catalogue holds"), "a text no catalogue holds");
    chooseLanguage({"en"});
    EXPECT_EQ(localFigure("+3.3"), "+3.3");
    EXPECT_STREQ(tr("Controls"), "Controls");
}

}  // namespace
