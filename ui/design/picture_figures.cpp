// SPDX-License-Identifier: MIT
// The fifteen rating pictures. Each outline runs through the centres of its bitmap's outline
// pixels, so that a stroke one unit wide covers them.
#include "ui/design/picture_figures.h"

#include <array>

namespace quendrel {
namespace {

#include "ui/design/pictures/image1.xpm"
#include "ui/design/pictures/image10.xpm"
#include "ui/design/pictures/image11.xpm"
#include "ui/design/pictures/image12.xpm"
#include "ui/design/pictures/image13.xpm"
#include "ui/design/pictures/image14.xpm"
#include "ui/design/pictures/image15.xpm"
#include "ui/design/pictures/image2.xpm"
#include "ui/design/pictures/image3.xpm"
#include "ui/design/pictures/image4.xpm"
#include "ui/design/pictures/image5.xpm"
#include "ui/design/pictures/image6.xpm"
#include "ui/design/pictures/image7.xpm"
#include "ui/design/pictures/image8.xpm"
#include "ui/design/pictures/image9.xpm"

using enum FigureShapeKind;

constexpr int kSize = 30;

// Arrows: a shaft 10 units wide and a head as wide as the square, outlined 1 unit wide.
constexpr FigurePoint kArrowDown[] = {{10.5, 0.5}, {19.5, 0.5}, {19.5, 15.5}, {29.5, 15.5},
                                      {15, 30},    {0.5, 15.5}, {10.5, 15.5}};
constexpr FigurePoint kArrowRight[] = {{0.5, 10.5},  {15.5, 10.5}, {15.5, 0.5}, {30, 15},
                                       {15.5, 29.5}, {15.5, 19.5}, {0.5, 19.5}};
constexpr FigurePoint kArrowUp[] = {{10.5, 29.5}, {19.5, 29.5}, {19.5, 14.5}, {29.5, 14.5},
                                    {15, 0},      {0.5, 14.5},  {10.5, 14.5}};
// The diagonal arrows: a right-angled head in the corner, the shaft leaving its long side.
constexpr FigurePoint kArrowUpRight[] = {{9.5, 0.5},  {29.5, 0.5}, {29.5, 20.5}, {22, 13},
                                         {5.5, 29.5}, {0.5, 29.5}, {0.5, 24.5},  {17, 8}};
constexpr FigurePoint kArrowDownLeft[] = {{20.5, 29.5}, {0.5, 29.5}, {0.5, 9.5},  {8, 17},
                                          {24.5, 0.5},  {29.5, 0.5}, {29.5, 5.5}, {13, 22}};

// Discs and rings; an ellipse's box is its stroke's centre line.
constexpr FigurePoint kWholeSquare[] = {{0, 0}, {30, 30}};
constexpr FigurePoint kOuterRing[] = {{2, 2}, {28, 28}};  // 4 thick: from the edge 4 inwards
constexpr FigurePoint kInnerRing[] = {{9, 9}, {21, 21}};  // 3 further in, 4 thick again
constexpr FigurePoint kFaceOutline[] = {{0.5, 0.5}, {29.5, 29.5}};

// Triangles with a 2-unit outline, apex at the middle of one edge, base along the other.
constexpr FigurePoint kTriangleUp[] = {{15, 1}, {29, 29}, {1, 29}};
constexpr FigurePoint kTriangleDown[] = {{1, 1}, {29, 1}, {15, 29}};

// Faces: eyes as strokes 2 units wide, mouths 1.5 (a V) or 1 (straight).
constexpr FigurePoint kLeftEyeDroopingOut[] = {{12, 8}, {7, 13}};
constexpr FigurePoint kRightEyeDroopingOut[] = {{18, 8}, {23, 13}};
constexpr FigurePoint kLeftEyeSlantingIn[] = {{7, 8}, {12, 13}};
constexpr FigurePoint kRightEyeSlantingIn[] = {{23, 8}, {18, 13}};
constexpr FigurePoint kLeftDotEye[] = {{10, 8}, {10, 12}};
constexpr FigurePoint kRightDotEye[] = {{20, 8}, {20, 12}};
constexpr FigurePoint kFrown[] = {{8.5, 24}, {15, 17.5}, {21.5, 24}};
constexpr FigurePoint kSmile[] = {{8.5, 17}, {15, 23.5}, {21.5, 17}};
constexpr FigurePoint kStraightMouth[] = {{9, 20.5}, {21, 20.5}};

constexpr FigureShape Arrow(std::span<const FigurePoint> outline, Rgb colour) {
  return {Polygon, outline, colour, kBlack, 1};
}
constexpr FigureShape Stroke(std::span<const FigurePoint> line, double width) {
  return {Polyline, line, {}, kBlack, width};
}

constexpr FigureShape kImage1[] = {Arrow(kArrowDown, kBlue)};
constexpr FigureShape kImage2[] = {Arrow(kArrowRight, kYellow)};
constexpr FigureShape kImage3[] = {Arrow(kArrowUp, kRed)};
constexpr FigureShape kImage4[] = {Arrow(kArrowUpRight, kMagenta)};
constexpr FigureShape kImage5[] = {Arrow(kArrowDownLeft, kCyan)};
constexpr FigureShape kImage6[] = {{Ellipse, kWholeSquare, kBlack, {}, 0}};
constexpr FigureShape kImage7[] = {{Ellipse, kOuterRing, kWhite, kBlack, 4}};
constexpr FigureShape kImage8[] = {{Ellipse, kOuterRing, kWhite, kBlack, 4},
                                   {Ellipse, kInnerRing, kRed, kBlack, 4}};
constexpr FigureShape kImage9[] = {{Polygon, kTriangleUp, kWhite, kBlack, 2}};
constexpr FigureShape kImage10[] = {{Polygon, kTriangleDown, kWhite, kBlack, 2}};
constexpr FigureShape kImage11[] = {{Ellipse, kFaceOutline, kBlue, kBlack, 1},
                                    Stroke(kLeftEyeDroopingOut, 2),
                                    Stroke(kRightEyeDroopingOut, 2),
                                    Stroke(kFrown, 1.5)};
constexpr FigureShape kImage12[] = {{Ellipse, kFaceOutline, kMagenta, kBlack, 1},
                                    Stroke(kLeftEyeSlantingIn, 2),
                                    Stroke(kRightEyeSlantingIn, 2),
                                    Stroke(kStraightMouth, 1)};
constexpr FigureShape kImage13[] = {{Ellipse, kFaceOutline, kRed, kBlack, 1},
                                    Stroke(kLeftDotEye, 2),
                                    Stroke(kRightDotEye, 2),
                                    Stroke(kSmile, 1.5)};
constexpr FigureShape kImage14[] = {{Ellipse, kFaceOutline, kYellow, kBlack, 1},
                                    Stroke(kLeftDotEye, 2),
                                    Stroke(kRightDotEye, 2),
                                    Stroke(kStraightMouth, 1)};
constexpr FigureShape kImage15[] = {{Ellipse, kFaceOutline, kCyan, kBlack, 1},
                                    Stroke(kLeftEyeDroopingOut, 2),
                                    Stroke(kRightEyeDroopingOut, 2),
                                    Stroke(kStraightMouth, 1)};

constexpr std::array<Figure, 15> kPictures = {{
    {kSize, kWhite, kImage1, image1_xpm},    // blue arrow down
    {kSize, kWhite, kImage2, image2_xpm},    // yellow arrow right
    {kSize, kWhite, kImage3, image3_xpm},    // red arrow up
    {kSize, kWhite, kImage4, image4_xpm},    // magenta arrow up and right
    {kSize, kWhite, kImage5, image5_xpm},    // cyan arrow down and left
    {kSize, kWhite, kImage6, image6_xpm},    // black disc
    {kSize, kYellow, kImage7, image7_xpm},   // ring on yellow
    {kSize, kRed, kImage8, image8_xpm},      // double ring on red
    {kSize, kMagenta, kImage9, image9_xpm},  // triangle up on magenta
    {kSize, kCyan, kImage10, image10_xpm},   // triangle down on cyan
    {kSize, kWhite, kImage11, image11_xpm},  // blue face, drooping eyes, frown
    {kSize, kWhite, kImage12, image12_xpm},  // magenta face, slanting eyes, straight mouth
    {kSize, kWhite, kImage13, image13_xpm},  // red face, dot eyes, smile
    {kSize, kWhite, kImage14, image14_xpm},  // yellow face, dot eyes, straight mouth
    {kSize, kWhite, kImage15, image15_xpm},  // cyan face, drooping eyes, straight mouth
}};

}  // namespace

const Figure& PictureFigure(ElementId image) {
  return kPictures.at(IndexOf(image) - IndexOf(ElementId::Image1));
}

}  // namespace quendrel
