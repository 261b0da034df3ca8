#include "host/sdl/letterbox.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    int screenWidth, screenHeight;
    Letterbox expected;
};

TEST(Letterbox, PictureKeepsItsShapeCentredWithBars) {
    const Case cases[] = {
        {1280, 720, {160, 0, 960, 720}},    // wide: bars beside
        {1920, 1080, {240, 0, 1440, 1080}},
        {1920, 1200, {160, 0, 1600, 1200}},
        {640, 480, {0, 0, 640, 480}},       // same shape: no bars
        {1024, 1024, {0, 128, 1024, 768}},  // tall: bars above and below
        {1366, 768, {171, 0, 1024, 768}},
    };
    for (const Case& c : cases) {
        Letterbox box = FitLetterbox(c.screenWidth, c.screenHeight, 640, 480);
        EXPECT_EQ(box.x, c.expected.x) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(box.y, c.expected.y) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(box.width, c.expected.width) << c.screenWidth << "x" << c.screenHeight;
        EXPECT_EQ(box.height, c.expected.height) << c.screenWidth << "x" << c.screenHeight;
    }
}

}  // namespace
