#include "app/user_language.h"

#include <orlin/orlin.h>

#include "language/translation.h"
#include "platform/user_languages.h"

void useUserLanguage()
{
    // In English the GUI library is left exactly as it was: its texts are English.
    if (chooseLanguage(userLanguages()) != "en")
        orlinSetTranslator(tr);
}
