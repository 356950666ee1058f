// Releasing everything start-up created; registered with atexit.
#pragma once

void teardown();
