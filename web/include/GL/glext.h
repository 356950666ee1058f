// Every constant the web build knows is in <GL/gl.h>.
#pragma once

#include <GL/gl.h>
