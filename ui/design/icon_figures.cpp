// SPDX-License-Identifier: MIT
// The application icon: a white zig-zag rising from lower left to upper right over its black
// shadow, on a purple ground, with a white mark edged in black in each corner.
#include "ui/design/icon_figures.h"

namespace quendrel {
namespace {

#include "ui/design/pictures/icon16.xpm"
#include "ui/design/pictures/icon32.xpm"

using enum FigureShapeKind;

// 32 × 32: a zig-zag 2 units wide over its shadow, the same line 2¼ units lower; 3 × 3 marks
// edged 1 unit wide on their right and lower sides.
constexpr FigurePoint kZigZag32[] = {{6.75, 24}, {13.25, 11.25}, {18.75, 19.25}, {27.5, 6}};
constexpr FigurePoint kShadow32[] = {{6.75, 26.25}, {13.25, 13.5}, {18.75, 21.5}, {27.5, 8.25}};

constexpr FigurePoint kMark32TopLeft[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}};
constexpr FigurePoint kEdge32TopLeft[] = {{4.5, 1}, {4.5, 4.5}, {1, 4.5}};
constexpr FigurePoint kMark32TopRight[] = {{27, 1}, {30, 1}, {30, 4}, {27, 4}};
constexpr FigurePoint kEdge32TopRight[] = {{30.5, 1}, {30.5, 4.5}, {27, 4.5}};
constexpr FigurePoint kMark32BottomLeft[] = {{1, 27}, {4, 27}, {4, 30}, {1, 30}};
constexpr FigurePoint kEdge32BottomLeft[] = {{4.5, 27}, {4.5, 30.5}, {1, 30.5}};
constexpr FigurePoint kMark32BottomRight[] = {{27, 27}, {30, 27}, {30, 30}, {27, 30}};
constexpr FigurePoint kEdge32BottomRight[] = {{30.5, 27}, {30.5, 30.5}, {27, 30.5}};

constexpr FigureShape kIcon32[] = {
    {Polyline, kShadow32, {}, kBlack, 2},         {Polyline, kZigZag32, {}, kWhite, 2},
    {Polygon, kMark32TopLeft, kWhite, {}, 0},     {Polyline, kEdge32TopLeft, {}, kBlack, 1},
    {Polygon, kMark32TopRight, kWhite, {}, 0},    {Polyline, kEdge32TopRight, {}, kBlack, 1},
    {Polygon, kMark32BottomLeft, kWhite, {}, 0},  {Polyline, kEdge32BottomLeft, {}, kBlack, 1},
    {Polygon, kMark32BottomRight, kWhite, {}, 0}, {Polyline, kEdge32BottomRight, {}, kBlack, 1},
};

// 16 × 16: the same at half size, the lines 1 unit wide, the shadow 1 unit lower and the marks
// 2 × 2, cut by the edges of the square.
constexpr FigurePoint kZigZag16[] = {{3.5, 12}, {6.5, 6.25}, {9.75, 9.5}, {12.75, 4}};
constexpr FigurePoint kShadow16[] = {{3.5, 13}, {6.5, 7.25}, {9.75, 10.5}, {12.75, 5}};

constexpr FigurePoint kMark16TopLeft[] = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
constexpr FigurePoint kEdge16TopLeft[] = {{2.5, 0}, {2.5, 2.5}, {0, 2.5}};
constexpr FigurePoint kMark16TopRight[] = {{13, 0}, {15, 0}, {15, 2}, {13, 2}};
constexpr FigurePoint kEdge16TopRight[] = {{15.5, 0}, {15.5, 2.5}, {13, 2.5}};
constexpr FigurePoint kMark16BottomLeft[] = {{0, 13}, {2, 13}, {2, 15}, {0, 15}};
constexpr FigurePoint kEdge16BottomLeft[] = {{2.5, 13}, {2.5, 15.5}, {0, 15.5}};
constexpr FigurePoint kMark16BottomRight[] = {{13, 13}, {15, 13}, {15, 15}, {13, 15}};
constexpr FigurePoint kEdge16BottomRight[] = {{15.5, 13}, {15.5, 15.5}, {13, 15.5}};

constexpr FigureShape kIcon16[] = {
    {Polyline, kShadow16, {}, kBlack, 1},         {Polyline, kZigZag16, {}, kWhite, 1},
    {Polygon, kMark16TopLeft, kWhite, {}, 0},     {Polyline, kEdge16TopLeft, {}, kBlack, 1},
    {Polygon, kMark16TopRight, kWhite, {}, 0},    {Polyline, kEdge16TopRight, {}, kBlack, 1},
    {Polygon, kMark16BottomLeft, kWhite, {}, 0},  {Polyline, kEdge16BottomLeft, {}, kBlack, 1},
    {Polygon, kMark16BottomRight, kWhite, {}, 0}, {Polyline, kEdge16BottomRight, {}, kBlack, 1},
};

constexpr Figure kFigure32{32, kPurple, kIcon32, icon32_xpm};
constexpr Figure kFigure16{16, kPurple, kIcon16, icon16_xpm};

}  // namespace

const Figure& Icon32Figure() {
  return kFigure32;
}
const Figure& Icon16Figure() {
  return kFigure16;
}

}  // namespace quendrel
