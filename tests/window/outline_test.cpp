// The window outline as a region, at the screen densities hosts run on.
#include <gtest/gtest.h>
#include <windows.h>
#include <cmath>
#include <vector>
#include "com/errors.h"
#include "window/outline.h"

namespace {

using vestrel::outline::BuildRegion;
using vestrel::outline::OutlineX;
using vestrel::outline::OutlineY;

// The outline's own points, as a table independent of the code under test.
const POINT kTable[27] = {
    {115, 6},   {317, 6},   {318, 7},   {319, 7},   {322, 10},  {323, 13},  {323, 255}, {322, 256}, {322, 257},
    {319, 260}, {316, 261}, {11, 261},  {10, 260},  {9, 260},   {6, 257},   {5, 254},   {5, 36},    {6, 35},
    {6, 34},    {9, 31},    {12, 30},   {108, 30},  {109, 29},  {109, 12},  {110, 11},  {110, 10},  {113, 7},
};

// Coordinates scaled by hand: halves go to the even integer.
LONG Expected(LONG value, double factor, LONG offset) { return static_cast<LONG>(std::nearbyint(value * factor + offset)); }

HRGN Polygon(double factorX, double factorY, LONG offsetX, LONG offsetY) {
    std::vector<POINT> points;
    for (const POINT& p : kTable) points.push_back({Expected(p.x, factorX, offsetX), Expected(p.y, factorY, offsetY)});
    return CreatePolygonRgn(points.data(), 27, ALTERNATE);
}

TEST(Outline, TableAndIndexesOutsideIt) {
    for (short i = 0; i < 27; ++i) {
        EXPECT_EQ(OutlineX(i), kTable[i].x) << i;
        EXPECT_EQ(OutlineY(i), kTable[i].y) << i;
    }
    for (short outside : {-1, 27, 100, -32768, 32767}) {
        EXPECT_EQ(OutlineX(outside), 0);
        EXPECT_EQ(OutlineY(outside), 0);
    }
}

struct Density {
    int dpi;
    float twipsPerPixel;
};

class OutlineAt : public ::testing::TestWithParam<Density> {};

TEST_P(OutlineAt, RegionIsTheScaledPolygon) {
    const Density d = GetParam();
    const double factor = 15.0 / d.twipsPerPixel;
    struct Case {
        float scaleX, scaleY;
        short offsetX, offsetY;
    };
    for (const Case& c : {Case{1.0f, 1.0f, 0, 0}, Case{2.0f, 0.5f, 7, -3}, Case{0.75f, 1.25f, -20, 40}}) {
        HRGN built = BuildRegion(c.scaleX, c.scaleY, c.offsetX, c.offsetY, d.twipsPerPixel, d.twipsPerPixel);
        HRGN expected = Polygon(c.scaleX * factor, c.scaleY * factor, c.offsetX, c.offsetY);
        EXPECT_TRUE(EqualRgn(built, expected)) << d.dpi << " dpi, scale " << c.scaleX << "," << c.scaleY;
        DeleteObject(built);
        DeleteObject(expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, OutlineAt, ::testing::Values(Density{96, 15}, Density{120, 12}, Density{144, 10}));

TEST(Outline, HalvesRoundToEven) {
    // At 120 dpi point 0 (115, 6) becomes (143.75, 7.5): (144, 8); point 4
    // (322, 10) becomes (402.5, 12.5): (402, 12).
    HRGN built = BuildRegion(1.0f, 1.0f, 0, 0, 12.0f, 12.0f);
    std::vector<POINT> points;
    for (const POINT& p : kTable) points.push_back({Expected(p.x, 1.25, 0), Expected(p.y, 1.25, 0)});
    EXPECT_EQ(points[0].x, 144);
    EXPECT_EQ(points[0].y, 8);
    EXPECT_EQ(points[4].x, 402);
    EXPECT_EQ(points[4].y, 12);
    HRGN expected = CreatePolygonRgn(points.data(), 27, ALTERNATE);
    EXPECT_TRUE(EqualRgn(built, expected));
    // Rounding half away from zero instead would give another region.
    points[4].x = 403;
    HRGN away = CreatePolygonRgn(points.data(), 27, ALTERNATE);
    EXPECT_FALSE(EqualRgn(built, away));
    for (HRGN r : {built, expected, away}) DeleteObject(r);
}

TEST(Outline, ZeroTwipsPerPixelIsAnErrorNotARegion) {
    for (auto [x, y] : {std::pair{0.0f, 15.0f}, std::pair{15.0f, 0.0f}}) {
        try {
            BuildRegion(1.0f, 1.0f, 0, 0, x, y);
            ADD_FAILURE() << "no error";
        } catch (const vestrel::ComError& e) {
            EXPECT_EQ(e.Result(), vestrel::kDivisionByZero);
        }
    }
    // A scale that leaves the 32-bit range overflows instead of wrapping.
    EXPECT_THROW(BuildRegion(1e30f, 1.0f, 0, 0, 15.0f, 15.0f), vestrel::ComError);
}

}  // namespace
