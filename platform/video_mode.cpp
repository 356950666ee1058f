#include "platform/video_mode.h"

SDL_Surface* setVideoMode(int width, int height)
{
    return SDL_SetVideoMode(width, height, 32, videoModeFlags);
}

SDL_Surface* setFullScreenVideoMode(int width, int height)
{
    return SDL_SetVideoMode(width, height, 32, videoModeFlags | SDL_FULLSCREEN);
}

namespace {

int notedWidth = 0;
int notedHeight = 0;

}  // namespace

void noteScreenSize()
{
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info != nullptr && info->current_w > 0 && info->current_h > 0) {
        notedWidth = info->current_w;
        notedHeight = info->current_h;
    }
}

bool screenSize(int& width, int& height)
{
    // The list is largest first; (SDL_Rect**)-1 means any size goes.
    SDL_Rect** modes = SDL_ListModes(nullptr, SDL_OPENGL | SDL_FULLSCREEN);
    if (modes != nullptr && modes != reinterpret_cast<SDL_Rect**>(-1) && modes[0] != nullptr) {
        width = modes[0]->w;
        height = modes[0]->h;
        return true;
    }
    width = notedWidth;
    height = notedHeight;
    return width > 0 && height > 0;
}
