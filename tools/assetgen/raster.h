// A picture under construction: 8-bit samples, rows top-down as a PNG file
// stores them, 3 (RGB) or 4 (RGBA) samples per pixel.
#pragma once

#include <cstddef>
#include <vector>

struct Raster {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<unsigned char> samples;

    Raster(int w, int h, int c) : width(w), height(h), channels(c), samples(static_cast<std::size_t>(w) * h * c, 0) {}

    // x to the right, y down from the top row.
    unsigned char* at(int x, int y)
    {
        return samples.data() + (static_cast<std::size_t>(y) * width + x) * channels;
    }
    const unsigned char* at(int x, int y) const
    {
        return samples.data() + (static_cast<std::size_t>(y) * width + x) * channels;
    }
};
