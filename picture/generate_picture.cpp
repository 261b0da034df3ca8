// Draws Lumivane's picture (temp.bmp) and icon (lumivane.ico) into a folder. The output is committed;
// running this again must give the same bytes.
//
// The picture is a field of palette indices that mostly change by one step between neighbours, so
// that turning the palette makes its level lines flow as bands of colour: a bright drop near the
// centre whose tail curls up to the top right, dark discs at the left and right edges, streaked
// bands flowing between them, and shaded ground along the bottom.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int width = 640;
const int height = 480;
const int groundTop = height - 90;

double Clamp(double v, double lo, double hi) { return std::min(hi, std::max(lo, v)); }

// A smooth minimum: blends two fields where they meet instead of leaving a crease.
double SmoothMin(double a, double b, double k) {
    double h = Clamp(0.5 + 0.5 * (b - a) / k, 0.0, 1.0);
    return b + (a - b) * h - k * h * (1.0 - h);
}

struct Point {
    double x, y;
};

// The drop's spine: a cubic curve from the head near the centre up to the top right corner.
Point Spine(double t) {
    const Point p0 = {312, 282}, p1 = {450, 345}, p2 = {575, 210}, p3 = {505, 0};
    double u = 1 - t;
    return {u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
            u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y};
}

// How far a point lies outside the drop (negative inside): the head is round and the tail thins.
double DropDistance(double x, double y) {
    static std::vector<Point> spine;
    static std::vector<double> radius;
    if (spine.empty()) {
        for (int i = 0; i <= 400; ++i) {
            double t = i / 400.0;
            spine.push_back(Spine(t));
            radius.push_back(46.0 * std::pow(1.0 - t, 0.7) + 9.0);
        }
    }
    double best = 1e9;
    for (size_t i = 0; i < spine.size(); ++i) {
        double d = std::hypot(x - spine[i].x, y - spine[i].y) - radius[i];
        best = std::min(best, d);
    }
    return best;
}

// Gentle waves that make the bands flow instead of running in plain circles.
double Flow(double x, double y) {
    return 9.0 * std::sin(x / 83.0 + 0.7 * std::sin(y / 61.0)) + 7.0 * std::sin(y / 47.0 + x / 131.0) +
           4.0 * std::sin((x + y) / 37.0);
}

// Fine streaks across the bands.
double Streaks(double x, double y) { return 1.1 * std::sin((x * 0.8 - y * 0.6) / 6.5 + 0.9 * std::sin(y / 29.0)); }

double SkyValue(double x, double y) {
    // Bright at the head's centre, falling off quickly near the drop and slowly far from it.
    double drop = 40.0 + 217.0 * std::exp(-(DropDistance(x, y) + 55.0) / 170.0);
    double leftDisc = 8.0 + 0.85 * std::hypot(x + 10.0, y - 240.0);
    double rightDisc = 8.0 + 0.85 * std::hypot(x - 668.0, y - 330.0);
    double field = SmoothMin(drop, SmoothMin(leftDisc, rightDisc, 40.0), 30.0);
    // The bands flow and streak between the discs and the drop, not at their centres.
    double flowing = Clamp((field - 16.0) / 50.0, 0.0, 1.0) * Clamp((244.0 - field) / 40.0, 0.0, 1.0);
    double banded = field + (0.7 * Flow(x, y) + Streaks(x, y)) * flowing;
    // The top edge is dark too, so the bands settle into it and reach index 1 just below it.
    double edge = 0.97 * (y - 1.0) + 7.0 * std::sin(x / 71.0) * Clamp(y / 60.0, 0.0, 1.0);
    return SmoothMin(banded, edge, 16.0);
}

double GroundValue(double x, double y) {
    double depth = (y - groundTop) / double(height - groundTop);
    return 70.0 + 58.0 * depth + 11.0 * std::sin(x / 97.0 + depth * 1.7) + 5.0 * std::sin(x / 41.0 - depth * 2.3);
}

std::vector<uint8_t> DrawPicture() {
    std::vector<uint8_t> rows(static_cast<size_t>(width) * height);  // top row first
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double v = y >= groundTop ? GroundValue(x, y) : SkyValue(x, y);
            int index = static_cast<int>(std::lround(Clamp(v, 1.0, 254.0)));
            // Index 0 only along the top edge: the first row and most of the second.
            if (y == 0 || (y == 1 && x >= 24 && x < width - 24)) index = 0;
            rows[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(index);
        }
    }
    return rows;
}

void Put16(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(v & 0xff);
    out.push_back((v >> 8) & 0xff);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

void PutInfoHeader(std::vector<uint8_t>& out, int w, int h, int bits, uint32_t colours) {
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(w));
    Put32(out, static_cast<uint32_t>(h));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    for (int i = 0; i < 4; ++i) Put32(out, 0);  // no compression, size, resolution
    Put32(out, colours);
    Put32(out, 0);
}

std::vector<uint8_t> EncodeBitmap(const std::vector<uint8_t>& rows) {
    std::vector<uint8_t> out;
    const uint32_t pixelsOffset = 14 + 40 + 1024;
    out.push_back('B');
    out.push_back('M');
    Put32(out, pixelsOffset + static_cast<uint32_t>(rows.size()));
    Put32(out, 0);
    Put32(out, pixelsOffset);
    PutInfoHeader(out, width, height, 8, 256);
    for (unsigned i = 0; i < 256; ++i) {  // a grey ramp: blue, green, red, spare
        out.insert(out.end(), {static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i), 0});
    }
    for (int y = height - 1; y >= 0; --y) {  // bottom row first
        auto row = rows.begin() + static_cast<long>(y) * width;
        out.insert(out.end(), row, row + width);
    }
    return out;
}

// One icon image: black and white rings, transparent outside the outer ring.
std::vector<uint8_t> EncodeIconImage(int size) {
    std::vector<uint8_t> out;
    PutInfoHeader(out, size, 2 * size, 4, 16);
    static const uint8_t vga[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                       {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                       {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                       {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (const auto& c : vga) out.insert(out.end(), {c[2], c[1], c[0], 0});
    double centre = (size - 1) / 2.0, ring = size / 8.0;
    auto inside = [&](int x, int y) { return std::hypot(x - centre, y - centre) <= size / 2.0; };
    auto colour = [&](int x, int y) {
        return static_cast<int>(std::hypot(x - centre, y - centre) / ring) % 2 == 0 ? 15 : 0;
    };
    int colourRow = (size / 2 + 3) / 4 * 4, maskRow = (size / 8 + 3) / 4 * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(static_cast<size_t>(colourRow), 0);
        for (int x = 0; x < size; ++x)
            if (inside(x, y)) row[x / 2] |= static_cast<uint8_t>(colour(x, y) << (x % 2 == 0 ? 4 : 0));
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> row(static_cast<size_t>(maskRow), 0);
        for (int x = 0; x < size; ++x)
            if (!inside(x, y)) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<uint8_t> EncodeIcon() {
    std::vector<uint8_t> images[2] = {EncodeIconImage(32), EncodeIconImage(16)};
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 2);
    uint32_t offset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        int size = i == 0 ? 32 : 16;
        out.insert(out.end(), {static_cast<uint8_t>(size), static_cast<uint8_t>(size), 16, 0});
        Put16(out, 1);
        Put16(out, 4);
        Put32(out, static_cast<uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (!WriteFile(folder + "/temp.bmp", EncodeBitmap(DrawPicture())) ||
        !WriteFile(folder + "/lumivane.ico", EncodeIcon())) {
        std::fprintf(stderr, "%s: cannot write into %s\n", argv[0], folder.c_str());
        return 1;
    }
    return 0;
}
