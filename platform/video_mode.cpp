#include "platform/video_mode.h"

SDL_Surface* setVideoMode(int width, int height)
{
    return SDL_SetVideoMode(width, height, 32, videoModeFlags);
}
