// The page's tab shows the page's own icon; there is no window icon to set.
#include "platform/window_icon.h"

void setWindowIcon() {}

void announceWindowIcon() {}
