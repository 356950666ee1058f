#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "colour_difference.h"
#include "optics/camera.h"
#include "optics/colorimetry.h"
#include "optics/water_iops.h"
#include "optics/water_model.h"
#include "optics/water_view.h"
#include "logic/colour_chart.h"

namespace {

TEST(Colorimetry, DaylightThroughTheObserverIsTheD65WhitePoint)
{
    const Xyz white = tristimulus(daylightSpectrum());
    const double sum = white.x + white.y + white.z;
    EXPECT_NEAR(white.x / sum, 0.3127, 1e-4);
    EXPECT_NEAR(white.y / sum, 0.3290, 1e-4);
    EXPECT_DOUBLE_EQ(white.y, 1.0);
}

struct PublishedPatch {
    int patch;
    int r, g, b;
};

TEST(Colorimetry, ColorCheckerPatchesInDaylightComeOutNearTheirPublishedSrgb)
{
    const PublishedPatch patches[] = {{14, 175, 54, 60}, {12, 56, 61, 150}, {18, 243, 243, 242}};
    for (const PublishedPatch& p : patches) {
        const LinearRgb c = intoGamut(linearSrgb(tristimulus(daylightSpectrum(), patchReflectance(p.patch))));
        EXPECT_NEAR(srgbByte(c.r), p.r, 12) << "patch " << p.patch;
        EXPECT_NEAR(srgbByte(c.g), p.g, 12) << "patch " << p.patch;
        EXPECT_NEAR(srgbByte(c.b), p.b, 12) << "patch " << p.patch;
    }
}

TEST(Colorimetry, IntoGamutKeepsLuminanceAndDesaturatesOnlyAsFarAsNeeded)
{
    const LinearRgb cases[] = {{-0.05, 0.3, 0.6}, {-0.3, 0.1, 0.9}, {0.2, 1.2, 0.1}, {0.3, 0.4, 0.5}};
    for (const LinearRgb& c : cases) {
        const LinearRgb m = intoGamut(c);
        EXPECT_NEAR(luminance(m), luminance(c), 1e-12);
        for (double channel : {m.r, m.g, m.b}) {
            EXPECT_GE(channel, 0.0);
            EXPECT_LE(channel, 1.0);
        }
        const bool inside = c.r >= 0 && c.g >= 0 && c.b >= 0 && c.r <= 1 && c.g <= 1 && c.b <= 1;
        // Inside, nothing changes; outside, one channel lands exactly on the edge.
        if (inside) {
            EXPECT_EQ(m.r, c.r);
            EXPECT_EQ(m.b, c.b);
        } else {
            EXPECT_TRUE(std::min({m.r, m.g, m.b}) == 0.0 || std::max({m.r, m.g, m.b}) == 1.0);
        }
        // The order of the channels, and so the hue family, is kept.
        EXPECT_EQ(c.r < c.g, m.r < m.g);
        EXPECT_EQ(c.g < c.b, m.g < m.b);
    }
}

TEST(WaterModel, AttenuationFollowsTheCaseOneTable)
{
    EXPECT_NEAR(diffuseAttenuation(490.0, 0.03), 0.0166 + 0.07242 * std::pow(0.03, 0.68955), 1e-12);
    // Past the table's 700 nm, water's own absorption.
    EXPECT_NEAR(diffuseAttenuation(725.0, 3.0), 1.59, 0.2);
    EXPECT_GT(diffuseAttenuation(780.0, 0.03), diffuseAttenuation(700.0, 0.03));
}

TEST(WaterModel, FactorsOrderAndStayWithinRangeInEveryWater)
{
    const ChannelFactors at20 = computeWaterFactors(waterTypes[0].chlorophyll, 20.0);
    EXPECT_GT(at20.blue, at20.green);
    EXPECT_GT(at20.green, at20.red);

    for (int type = 0; type < waterTypeCount; ++type) {
        const ChannelFactors surface = waterFactors(type, 0.0);
        EXPECT_FLOAT_EQ(surface.red, 1.0f);
        EXPECT_FLOAT_EQ(surface.blue, 1.0f);
        for (double depth = 0.0; depth <= 90.0; depth += 0.5) {
            const ChannelFactors f = waterFactors(type, depth);
            for (float channel : {f.red, f.green, f.blue}) {
                ASSERT_GE(channel, 0.0f) << waterTypes[type].name << " at " << depth;
                ASSERT_LE(channel, 1.0f) << waterTypes[type].name << " at " << depth;
            }
            // The table the frames read agrees with the spectra.
            const ChannelFactors exact = computeWaterFactors(waterTypes[type].chlorophyll, depth);
            ASSERT_NEAR(f.green, exact.green, 2e-3) << waterTypes[type].name << " at " << depth;
            ASSERT_NEAR(f.blue, exact.blue, 2e-3) << waterTypes[type].name << " at " << depth;
        }
    }
    // Coastal water lets less of every wavelength through. Green, blue and the
    // luminance follow; red need not: it is a difference of tristimulus
    // values, and clear water's strong blue pushes its red out of the gamut
    // (to 0) a few metres before the greener coastal light loses its own.
    for (double depth = 1.0; depth <= 90.0; depth += 1.0) {
        const ChannelFactors clear = waterFactors(0, depth);
        const ChannelFactors coastal = waterFactors(2, depth);
        auto light = [](const ChannelFactors& f) { return 0.2126 * f.red + 0.7152 * f.green + 0.0722 * f.blue; };
        EXPECT_LT(light(coastal), light(clear)) << depth;
        EXPECT_LT(coastal.green, clear.green) << depth;
        EXPECT_LT(coastal.blue, clear.blue) << depth;
    }
}

TEST(WaterModel, RedFadesOverTheFirstMetresInsteadOfVanishing)
{
    // The white patch's own ratio for green and blue: the factors are fitted
    // to every patch, but a neutral patch must still come out close.
    const LinearRgb surfaceWhite = intoGamut(linearSrgb(tristimulus(daylightSpectrum(), patchReflectance(colorCheckerWhite))));
    const LinearRgb deepWhite =
        intoGamut(linearSrgb(tristimulus(lightAtDepth(waterTypes[0].chlorophyll, 10.0), patchReflectance(colorCheckerWhite))));
    const ChannelFactors at10 = waterFactors(0, 10.0);
    EXPECT_GT(at10.red, 0.02f);
    EXPECT_LT(at10.red, 0.08f);
    EXPECT_NEAR(at10.green, deepWhite.g / surfaceWhite.g, 0.05);
    EXPECT_NEAR(at10.blue, deepWhite.b / surfaceWhite.b, 0.05);
    for (double depth = 0.0; depth <= 15.0; depth += 0.25)
        EXPECT_GT(waterFactors(0, depth).red, 0.0f) << "clear ocean at " << depth << " m";
}

struct SharmaPair {
    Lab one, two;
    double deltaE;
};

TEST(ColourDifference, Ciede2000MatchesSharmasPublishedPairs)
{
    // Sharma, Wu and Dalal (2005), Table 1: pairs 1, 2, 7, 13, 17, 19, 25.
    const SharmaPair pairs[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, 3.1571, -77.2803}, {50, 0, -82.7485}, 2.8615},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{50, 2.5, 0}, {50, 3.1736, 0.5854}, 1.0000},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
    };
    for (const SharmaPair& p : pairs) {
        EXPECT_NEAR(deltaE2000(p.one, p.two), p.deltaE, 1e-4);
        EXPECT_NEAR(deltaE2000(p.two, p.one), p.deltaE, 1e-4);
    }
}

TEST(Camera, WhiteBalanceKeepsHuesAndExposureKeepsTheWhitesLuminance)
{
    constexpr int clearOcean = 1;
    constexpr int bluePatch = 12;
    const ColourChartPatches chart = colourChartPatches(clearOcean, 30.0f);
    const Lab surfaceBlue = cielabOfSrgbBytes(&chart.surface[3 * bluePatch]);
    const Lab balancedBlue = cielabOfSrgbBytes(&chart.whiteBalanced[3 * bluePatch]);
    double hueShift = std::fabs(hueAngle(balancedBlue) - hueAngle(surfaceBlue));
    hueShift = std::min(hueShift, 360.0 - hueShift);
    EXPECT_LT(hueShift, 20.0) << "the balanced blue patch changed its hue";

    double sum = 0.0;
    for (int p = 0; p < colorCheckerPatches; ++p)
        sum += deltaE2000(cielabOfSrgbBytes(&chart.surface[3 * p]), cielabOfSrgbBytes(&chart.whiteBalanced[3 * p]));
    EXPECT_LT(sum / colorCheckerPatches, 10.0);

    // The exposed chart's white patch is as light as on the surface, within
    // the camera's range; deep coastal water needs more than that range.
    const unsigned char* white = &chart.atDepth[3 * colorCheckerWhite];
    const unsigned char* surfaceWhite = &chart.surface[3 * colorCheckerWhite];
    EXPECT_NEAR(cielabOfSrgbBytes(white).l, cielabOfSrgbBytes(surfaceWhite).l, 3.0);
    EXPECT_GT(chart.exposureStops, 1.0);
    EXPECT_DOUBLE_EQ(recordChart(lightAtDepth(waterTypes[2].chlorophyll, 80.0)).exposureStops, maxExposureStops);
    EXPECT_DOUBLE_EQ(recordChart(daylightSpectrum()).exposureStops, 0.0);
}

// The simple rule's red is gone from 30 on and everything at 90; the clear
// ocean keeps every channel over the first 30 m, where the balanced chart
// above keeps its hues. A depth that is no number counts as the deepest.
TEST(Camera, BalanceSaysWhereTheLightHasLostAChannel)
{
    const struct {
        int model;
        float depth;
        std::array<bool, 3> lost;
    } cases[] = {
        {0, 29.0f, {false, false, false}}, {0, 30.0f, {true, false, false}}, {0, 89.0f, {true, false, false}},
        {0, 90.0f, {true, true, true}},    {1, 30.0f, {false, false, false}}, {0, std::nanf(""), {true, true, true}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lostChannels(c.model, c.depth), c.lost) << "model " << c.model << " at " << c.depth;
        EXPECT_EQ(colourChartPatches(c.model, c.depth).channelLost, c.lost) << "model " << c.model << " at " << c.depth;
    }
}

TEST(WaterView, BeamAttenuationAndVeilFollowTheWaters)
{
    for (double w = 380.0; w <= 780.0; w += 5.0) {
        for (int type = 0; type < waterTypeCount; ++type)
            ASSERT_GT(beamAttenuation(w, waterTypes[type].chlorophyll), 0.0) << w;
        EXPECT_GT(beamAttenuation(w, waterTypes[2].chlorophyll), beamAttenuation(w, waterTypes[0].chlorophyll)) << w;
    }
    for (int type = 0; type < waterTypeCount; ++type) {
        const double chl = waterTypes[type].chlorophyll;
        EXPECT_GT(beamAttenuation(650.0, chl), beamAttenuation(450.0, chl)) << waterTypes[type].name;
    }
    // The sanity range of c(550): near 0.09, 0.24 and 1.1 per metre.
    EXPECT_NEAR(beamAttenuation(550.0, 0.03), 0.09, 0.02);
    EXPECT_NEAR(beamAttenuation(550.0, 0.3), 0.24, 0.04);
    EXPECT_NEAR(beamAttenuation(550.0, 3.0), 1.1, 0.15);

    // Clear ocean's own light is bluer than the daylight on the surface,
    // whose linear sRGB is (1, 1, 1).
    const LinearRgb veil = veilingLight(0.03, 10.0);
    EXPECT_GT(veil.b, 0.0);
    EXPECT_GT(veil.b, veil.r * 1.5);
    // Red goes first through a metre of water too.
    const WaterView view = waterView(0, 10.0);
    EXPECT_GT(view.attenuation.r, view.attenuation.g);
    EXPECT_GT(view.attenuation.r, view.attenuation.b);
}

}  // namespace
