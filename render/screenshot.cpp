#include "render/screenshot.h"

#include <sys/stat.h>

#include <cstdio>
#include <vector>

#include <GL/gl.h>

#include "assets/png_writer.h"
#include "language/translation.h"
#include "platform/pictures_folder.h"
#include "state/program_state.h"

namespace {

bool requested = false;

// Long enough to read the path the picture went to.
constexpr unsigned messageMilliseconds = 4000;

bool exists(const std::string& path)
{
    struct stat info {};
#if defined(_WIN32)
    return stat(path.c_str(), &info) == 0;  // no symbolic links to take for files there
#else
    return lstat(path.c_str(), &info) == 0;
#endif
}

}  // namespace

void requestScreenshot()
{
    requested = true;
}

std::string screenshotPath(const std::string& folder, std::time_t when)
{
    std::tm local {};
#if defined(_WIN32)
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string stem = folder + "/marivane-" + stamp;
    std::string path = stem + ".png";
    for (int n = 2; exists(path); ++n)
        path = stem + "-" + std::to_string(n) + ".png";
    return path;
}

void takeRequestedScreenshot()
{
    if (!requested || windowWidth <= 0 || windowHeight <= 0)
        return;
    requested = false;

    // The back buffer still holds the whole frame, the overlay included.
    std::vector<unsigned char> pixels(static_cast<std::size_t>(windowWidth) * windowHeight * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, windowWidth, windowHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

    const std::string path = screenshotPath(picturesFolder(), std::time(nullptr));
    const RgbPixels picture{static_cast<std::uint32_t>(windowWidth), static_cast<std::uint32_t>(windowHeight), 3,
                            pixels.data(), PngRowOrder::bottomUp};
    std::string error;
    std::string message;
    if (writeRgbPng(path, picture, PngEncoding{}, &error)) {
        message = formatted(tr("Saved %s"), path.c_str());
    } else {
        message = formatted(tr("Could not save the screenshot: %s"), error.c_str());
        std::fprintf(stderr, "%s\n", message.c_str());
    }
    if (guiContext != nullptr)
        guiContext->showMessage(message.c_str(), messageMilliseconds);
}
