// The program speaks the user's language: chosen once, before anything is
// printed or shown.
#pragma once

// Chooses the first shipped language the user asks for (English when none)
// and hands the GUI library its translator when it is not English.
void useUserLanguage();
