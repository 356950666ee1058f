// In a browser SDL has one video driver, the page's canvas.
#include "platform/video_driver.h"

void chooseVideoDriver() {}
