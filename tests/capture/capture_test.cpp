// lumivane-capture run as a user runs it, its files read back with the same libraries.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "palette/color_schemes.h"
#include "palette/random_colors.h"
#include "tests/support/picture_pixels.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode;
    std::string errors;
};

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::path(testing::TempDir()) / ("capture_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }

    std::string In(const char* name) const { return (folder / name).string(); }

    Outcome Capture(const std::vector<std::string>& arguments) {
        std::string command = "'" LUMIVANE_CAPTURE "'";
        for (const std::string& argument : arguments) command += " '" + argument + "'";
        std::string errorsPath = In("stderr.txt");
        int status = std::system((command + " 2>'" + errorsPath + "'").c_str());
        std::ifstream errors(errorsPath);
        Outcome run = {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                   std::string(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>())};
        fs::remove(errorsPath);
        return run;
    }

    // The files the folder holds, by name.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
};

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
};

// Entry i of frame n (counted from 1) of a palette log.
Rgb LoggedEntry(const std::vector<uint8_t>& log, long frame, int i) {
    const uint8_t* entry = &log[(frame - 1) * 1024 + 4 * i];
    EXPECT_EQ(entry[3], 0) << "flags are always 0";
    return {entry[0], entry[1], entry[2]};
}

Rgb HueWheelAt(int phase) { return {hueWheel[phase].red, hueWheel[phase].green, hueWheel[phase].blue}; }

std::vector<uint8_t> DecodePng(const std::string& path, int* width, int* height) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    std::vector<uint8_t> rgb;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return rgb;
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) rgb.clear();
    *width = static_cast<int>(image.width);
    *height = static_cast<int>(image.height);
    return rgb;
}

TEST_F(CaptureTest, PaletteLogFollowsTheSchemes) {
    ASSERT_EQ(Capture({"--seed", "7", "--frames", "8194", "--palettes", In("p.bin")}).exitCode, 0);
    std::vector<uint8_t> log = ReadBytes(In("p.bin"));
    ASSERT_EQ(log.size(), 8194u * 1024);
    for (int i = 0; i < 256; ++i) {
        Rgb last = LoggedEntry(log, 4096, i);
        EXPECT_TRUE(last.red == 0 && last.green == 0) << "frame 4096 is still the blue ramp";
        EXPECT_EQ(LoggedEntry(log, 4097, i), HueWheelAt(6 * i % 256)) << "frame 4097 starts the hue wheel";
        EXPECT_EQ(LoggedEntry(log, 8193, i), HueWheelAt((4096 + 6 * i) % 256));
    }
    SeedRandom(7);
    ColorTriple first = MakeRandomColor();
    EXPECT_EQ(LoggedEntry(log, 8194, 0), (Rgb{first.red, first.green, first.blue})) << "frame 8194 starts a gradient";
}

struct KeyCase {
    std::vector<std::string> arguments;
    long frames;         // frames in the log
    long firstHueFrame;  // the frame that starts the hue wheel at counter 0, or 0
};

TEST_F(CaptureTest, KeysReachTheProgramBeforeTheirFrame) {
    const KeyCase cases[] = {
        {{"--key", "100:a"}, 150, 100},
        {{"--key", "1:space"}, 150, 1},
        {{"--key", "40:0x41", "--key", "90:f1"}, 150, 40},
        {{"--key", "50:escape"}, 49, 0},
        {{"--key", "50:f12"}, 49, 0},
        {{"--screensaver", "--key", "10:a"}, 9, 0},
        {{"--key", "200:a"}, 150, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.arguments[1]);
        std::vector<std::string> arguments = {"--seed", "1", "--frames", "150", "--palettes", In("p.bin")};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        ASSERT_EQ(Capture(arguments).exitCode, 0);
        std::vector<uint8_t> log = ReadBytes(In("p.bin"));
        ASSERT_EQ(log.size(), static_cast<size_t>(c.frames) * 1024);
        if (c.firstHueFrame == 0) continue;
        for (int i = 0; i < 256; ++i) ASSERT_EQ(LoggedEntry(log, c.firstHueFrame, i), HueWheelAt(6 * i % 256)) << i;
        if (c.firstHueFrame > 1) {
            EXPECT_EQ(LoggedEntry(log, c.firstHueFrame - 1, 0).red, 0) << "blue before it";
        }
    }
}

TEST_F(CaptureTest, PngsDecodeToTheScreenBeforeAndAfterFrames) {
    ASSERT_EQ(Capture({"--seed", "3", "--frames", "5", "--palettes", In("p.bin"), "--png", "0:" + In("start.png"),
                       "--png", "5:" + In("five.png")})
                  .exitCode,
              0);
    std::vector<uint8_t> log = ReadBytes(In("p.bin"));
    int width = 0, height = 0;
    std::vector<uint8_t> start = DecodePng(In("start.png"), &width, &height);
    ASSERT_EQ(width, 640);
    ASSERT_EQ(height, 480);
    std::vector<uint8_t> five = DecodePng(In("five.png"), &width, &height);
    ASSERT_EQ(five.size(), 640u * 480 * 3);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const uint8_t* before = &start[3 * (y * 640 + x)];
            const uint8_t* after = &five[3 * (y * 640 + x)];
            uint8_t index = PictureIndex(x, y);
            ASSERT_EQ((Rgb{before[0], before[1], before[2]}), (Rgb{index, index, index})) << "grey at " << x << "," << y;
            ASSERT_EQ((Rgb{after[0], after[1], after[2]}), LoggedEntry(log, 5, index)) << x << "," << y;
        }
    }
}

TEST_F(CaptureTest, GifFramesArePictureIndicesWithEachFramesPalette) {
    struct Case {
        long every;
        int frames;
        int delay;
    };
    for (Case c : {Case{1, 6, 2}, Case{2, 3, 3}, Case{6, 1, 10}}) {
        SCOPED_TRACE(c.every);
        ASSERT_EQ(Capture({"--seed", "9", "--frames", "6", "--key", "3:a", "--palettes", In("p.bin"), "--gif",
                           In("a.gif"), "--gif-every", std::to_string(c.every)})
                      .exitCode,
                  0);
        std::vector<uint8_t> log = ReadBytes(In("p.bin"));
        int error = 0;
        GifFileType* gif = DGifOpenFileName(In("a.gif").c_str(), &error);
        ASSERT_NE(gif, nullptr);
        ASSERT_EQ(DGifSlurp(gif), GIF_OK);
        EXPECT_EQ(gif->SWidth, 640);
        EXPECT_EQ(gif->SHeight, 480);
        ASSERT_EQ(gif->ImageCount, c.frames);
        for (int n = 0; n < gif->ImageCount; ++n) {
            const SavedImage& image = gif->SavedImages[n];
            long frame = (n + 1) * c.every;
            ASSERT_NE(image.ImageDesc.ColorMap, nullptr);
            for (int i = 0; i < 256; ++i) {
                const GifColorType& colour = image.ImageDesc.ColorMap->Colors[i];
                ASSERT_EQ((Rgb{colour.Red, colour.Green, colour.Blue}), LoggedEntry(log, frame, i)) << "frame " << frame;
            }
            for (int y = 0; y < 480; y += 3) {
                for (int x = 0; x < 640; x += 3) ASSERT_EQ(image.RasterBits[y * 640 + x], PictureIndex(x, y));
            }
            GraphicsControlBlock control;
            ASSERT_EQ(DGifSavedExtensionToGCB(gif, n, &control), GIF_OK);
            EXPECT_EQ(control.DelayTime, c.delay);
        }
        DGifCloseFile(gif, &error);
    }
}

TEST_F(CaptureTest, WrongArgumentsGiveTheUsageAndTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"--bogus"},          {"--frames"},           {"--frames", "-1"},     {"--frames", "ten"},
        {"--seed", "4294967296"}, {"--key", "0:a"},   {"--key", "5:nope"},    {"--key", "5"},
        {"--key", "5:f13"},   {"--key", "5:0x100"},   {"--png", "5"},         {"--png", "700:x.png"},
        {"--gif-every", "0"}, {"--gif-every", "2"},   {"frames"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments[0] + (arguments.size() > 1 ? " " + arguments[1] : ""));
        Outcome run = Capture(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.errors.find("usage: lumivane-capture"), std::string::npos) << run.errors;
    }
}

TEST_F(CaptureTest, UnwritableOutputsAreNamedAndLeaveNothingBehind) {
    fs::create_directories(folder / "a-folder");
    std::string missing = In("no-such-folder/out");
    std::string aFolder = In("a-folder");
    const std::vector<std::vector<std::string>> cases = {
        {"--palettes", missing},         {"--gif", missing},           {"--png", "2:" + missing},
        {"--palettes", aFolder},         {"--png", "0:" + aFolder},    {"--palettes", "/dev/full"},
        {"--palettes", In("p.bin"), "--gif", In("a.gif"), "--png", "3:" + missing},
    };
    for (const auto& arguments : cases) {
        const std::string& named = arguments.size() == 2 ? arguments[1] : missing;
        SCOPED_TRACE(named);
        Outcome run = Capture([&] {
            std::vector<std::string> all = {"--frames", "5"};
            all.insert(all.end(), arguments.begin(), arguments.end());
            return all;
        }());
        EXPECT_EQ(run.exitCode, 1);
        std::string path = named.substr(named.find(':') == 1 ? 2 : 0);
        EXPECT_NE(run.errors.find("'" + path + "'"), std::string::npos) << run.errors;
        EXPECT_EQ(Files(), (std::vector<std::string>{"a-folder"})) << "no file, whole or partial, is left";
    }
}

TEST_F(CaptureTest, ResultsAreTheSameForTheSameSeed) {
    ASSERT_EQ(Capture({"--seed", "42", "--frames", "300", "--key", "5:a", "--key", "6:b", "--palettes", In("a.bin")}).exitCode, 0);
    ASSERT_EQ(Capture({"--seed", "42", "--frames", "300", "--key", "5:a", "--key", "6:b", "--palettes", In("b.bin")}).exitCode, 0);
    ASSERT_EQ(Capture({"--seed", "43", "--frames", "300", "--key", "5:a", "--key", "6:b", "--palettes", In("c.bin")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(In("a.bin")), ReadBytes(In("b.bin")));
    EXPECT_NE(ReadBytes(In("a.bin")), ReadBytes(In("c.bin"))) << "another seed draws other gradients";
}

}  // namespace
