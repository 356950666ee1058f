// loadPng on arbitrary bytes: never a read or write outside a buffer, never
// a leak, and the result is either the empty image or a whole, consistent
// 8-bit image of at most maxImageSide pixels a side.
#include "assets/png_reader.h"
#include "fuzz_input_file.h"
#include "fuzz_require.h"

namespace {

// Keeps the reads of the whole buffer from being optimised away.
volatile unsigned sink;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Image image = loadPng(writeFuzzInput(data, size));
    if (image.pixels == nullptr) {
        require(image.width == 0 && image.height == 0 && image.bitDepth == 0 && image.channels == 0);
        return 0;
    }
    require(image.channels >= 1 && image.channels <= 4);
    require(image.bitDepth == 8);
    require(image.width >= 1 && image.width <= maxImageSide);
    require(image.height >= 1 && image.height <= maxImageSide);
    require(image.stride() == image.width * image.channels);
    // Touch every byte the image claims, so a short buffer is caught here.
    const std::size_t bytes = static_cast<std::size_t>(image.stride()) * image.height;
    unsigned sum = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        sum += image.pixels[i];
    // Copies must be as whole as the original.
    Image copy = image;
    require(copy.pixels != nullptr && copy.stride() == image.stride() && copy.pixels[bytes - 1] == image.pixels[bytes - 1]);
    sink = sum;
    return 0;
}
