// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/draw/DeepSkySymbols.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zarn {

namespace {

template <std::size_t N>
SBitmap fromRows(const std::array<std::string_view, N>& rows)
{
    SBitmap picture;
    picture.height = static_cast<int>(N);
    picture.width = static_cast<int>(rows[0].size());
    const int stride = (picture.width + 7) / 8;
    picture.bits.assign(static_cast<std::size_t>(stride * picture.height), 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#')
                picture.bits[static_cast<std::size_t>(y * stride + x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    return picture;
}

// Other object or user point: a ring with a dot in its centre.
const std::array<std::string_view, 11> kOther = {
    "...#####...", "..#.....#..", ".#.......#.", "#.........#", "#.........#", "#....#....#",
    "#.........#", "#.........#", ".#.......#.", "..#.....#..", "...#####...",
};
// Cluster: a ring of separate dots.
const std::array<std::string_view, 11> kCluster = {
    "....#.#....", "..#.....#..", "...........", "#.........#", "...........", "#....#....#",
    "...........", "#.........#", "...........", "..#.....#..", "....#.#....",
};
// Nebula: a square frame.
const std::array<std::string_view, 11> kNebula = {
    "###########", "#.........#", "#.........#", "#.........#", "#.........#", "#.........#",
    "#.........#", "#.........#", "#.........#", "#.........#", "###########",
};
// Galaxy: a flat ellipse.
const std::array<std::string_view, 11> kGalaxy = {
    "...........", "...........", "...#####...", ".##.....##.", "#.........#", "#.........#",
    "#.........#", ".##.....##.", "...#####...", "...........", "...........",
};

const std::array<std::string_view, 9> kOtherSmall = {
    "..#####..", ".#.....#.", "#.......#", "#.......#", "#...#...#",
    "#.......#", "#.......#", ".#.....#.", "..#####..",
};
const std::array<std::string_view, 9> kClusterSmall = {
    "...#.#...", ".#.....#.", ".........", "#.......#", "....#....",
    "#.......#", ".........", ".#.....#.", "...#.#...",
};
const std::array<std::string_view, 9> kNebulaSmall = {
    "#########", "#.......#", "#.......#", "#.......#", "#.......#",
    "#.......#", "#.......#", "#.......#", "#########",
};
const std::array<std::string_view, 9> kGalaxySmall = {
    ".........", ".........", "..#####..", ".#.....#.", "#.......#",
    ".#.....#.", "..#####..", ".........", ".........",
};

// User comet: a round head with its tail streaming away up and to the right.
const std::array<std::string_view, 11> kComet = {
    "..............#", "............##.", "..........##..#", "........##..##.", "......##..##...",
    ".###.#..##.....", "#####..#.......", "#####.#........", "#####..........", ".###...........",
    "...............",
};
// User cross: a diagonal cross.
const std::array<std::string_view, 9> kCross = {
    "#.......#", ".#.....#.", "..#...#..", "...#.#...", "....#....", "...#.#...", "..#...#..", ".#.....#.", "#.......#",
};

const std::array<std::string_view, 9> kCometSmall = {
    "...........#", ".........##.", ".......##..#", ".....##..##.", ".##.#..##...",
    "####..#.....", "####.#......", ".##.........", "............",
};
const std::array<std::string_view, 7> kCrossSmall = {
    "#.....#", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "#.....#",
};

// On screen at its own size, on paper stretched so that a picture pixel is a
// quarter of a millimetre; centred on (x, y).
void drawPicture(CSurface& dc, const SBitmap& picture, int x, int y, Colour colour)
{
    int width = picture.width;
    int height = picture.height;
    if (dc.IsPrinter()) {
        const SSize mm = dc.Millimetre();
        width = std::max(width, picture.width * mm.cx / 4);
        height = std::max(height, picture.height * mm.cy / 4);
    }
    const SRect destination{x - width / 2, y - height / 2, x - width / 2 + width, y - height / 2 + height};
    dc.Bitmap(picture, destination, colour);
}

bool smallForm(const CSurface& dc) { return dc.IsPrinter() || dc.IsSmallScreen(); }

}  // namespace

const SBitmap& deepSkySymbol(int kind, bool small)
{
    static const std::array<SBitmap, 4> large = {fromRows(kOther), fromRows(kCluster), fromRows(kNebula),
                                                 fromRows(kGalaxy)};
    static const std::array<SBitmap, 4> compact = {fromRows(kOtherSmall), fromRows(kClusterSmall),
                                                   fromRows(kNebulaSmall), fromRows(kGalaxySmall)};
    const std::size_t index = kind >= 0 && kind < 4 ? static_cast<std::size_t>(kind) : 0;
    return small ? compact[index] : large[index];
}

const SBitmap& userObjectSymbol(int symbol, bool small)
{
    static const SBitmap comet = fromRows(kComet), cometSmall = fromRows(kCometSmall);
    static const SBitmap cross = fromRows(kCross), crossSmall = fromRows(kCrossSmall);
    if (symbol == kUserCross)
        return small ? crossSmall : cross;
    if (symbol >= 1 && symbol <= 3)
        return deepSkySymbol(symbol, small);
    return small ? cometSmall : comet;
}

void drawDeepSkySymbol(CSurface& dc, int kind, int x, int y, Colour colour)
{
    drawPicture(dc, deepSkySymbol(kind, smallForm(dc)), x, y, colour);
}

void drawUserObjectSymbol(CSurface& dc, int symbol, int x, int y, Colour colour)
{
    drawPicture(dc, userObjectSymbol(symbol, smallForm(dc)), x, y, colour);
}

}  // namespace zarn
