// Timer callbacks carry only an int, so live contexts are looked up by an id.
// A timer that fires after its context is gone finds nothing and does nothing.
#pragma once

#include <orlin/orlin.h>

int registerContext(OrlinContext::Impl* context);
void unregisterContext(int id);
OrlinContext::Impl* findContext(int id);
