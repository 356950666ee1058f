// The page's own texts (its buttons, the depth label, what it says while the
// program starts or after it stopped), in the program's language: the page
// asks for each by its English text once the program has chosen one.
#include <emscripten.h>

#include "language/translation.h"

namespace {

// Listed here so that the catalogues hold them; shell.html uses the same
// English texts.
[[maybe_unused]] const char* const pageTexts[] = {
    // TRANSLATORS: the web page's buttons and slider label, short: they share one row.
    N_("Help"), N_("Frame rate"), N_("Water"), N_("Chart"), N_("Slow dive"), N_("Torch"), N_("Look ahead"),
    N_("Depth"), N_("Full screen"), N_("Screenshot"), N_("Marivane's controls"),
    // TRANSLATORS: shown on the web page when the program stopped; the browser's reason, in English.
    N_("Marivane stopped: %s"),
};

}  // namespace

// `english` in the program's language; the same text when it has none.
extern "C" EMSCRIPTEN_KEEPALIVE const char* marivane_web_text(const char* english)
{
    return tr(english);
}

// The language the program chose, as the page's <html lang> takes it.
extern "C" EMSCRIPTEN_KEEPALIVE const char* marivane_web_language()
{
    return chosenLanguage().c_str();
}
