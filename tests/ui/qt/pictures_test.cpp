// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <gtest/gtest.h>

#include "tests/ui/qt/bitmap_likeness.h"
#include "ui/design/icon_figures.h"
#include "ui/design/picture_figures.h"
#include "ui/qt/figure_painter.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/qt_conversions.h"

namespace quendrel {
namespace {

using enum ElementId;
using test::Census;
using test::DifferingFromBitmap;
using test::InBitmapColours;

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kCyan = 0xFF00FFFF;
constexpr QRgb kPurple = 0xFF800080;

constexpr int kSize = 30;
constexpr int kFar = kSize - 1;
constexpr int kCentre =
    (kSize / 2) - 1;  // both centre lines hold the same profile where it matters

enum class Shape : std::uint8_t { Arrow, Disc, Ring, Triangle, Face };
enum Side : std::uint8_t { kNone = 0, kLeft = 1, kRight = 2, kTop = 4, kBottom = 8, kAll = 15 };

struct Run {
  QRgb colour;
  int length;  // 0: any length, for the run a walk ends in
};

struct PictureCase {
  ElementId image;
  const char* what;
  Shape shape;
  QRgb colour;  // the colour the rating is read by
  QRgb ground;
  QRgb fill;                 // inside the outline
  QPoint head;               // where an arrow's head or a triangle's apex points, y down
  int sides;                 // where walks along the centre lines start
  std::vector<Run> profile;  // colours met walking inward from those sides, ground skipped
};

// Arrows and faces are figures in the rating colour on white; rings and triangles are white
// inside black on a ground of the rating colour.
// clang-format off
const std::vector<PictureCase> kPictures = {
    {Image1, "blue arrow down", Shape::Arrow, kBlue, kWhite, kBlue, {0, 1}, kLeft,
        {{kBlack, 1}, {kBlue, 0}}},
    {Image2, "yellow arrow right", Shape::Arrow, kYellow, kWhite, kYellow, {1, 0}, kTop,
        {{kBlack, 1}, {kYellow, 0}}},
    {Image3, "red arrow up", Shape::Arrow, kRed, kWhite, kRed, {0, -1}, kBottom,
        {{kBlack, 1}, {kRed, 0}}},
    {Image4, "magenta arrow to NE", Shape::Arrow, kMagenta, kWhite, kMagenta, {1, -1}, kTop,
        {{kBlack, 1}, {kMagenta, 0}}},
    {Image5, "cyan arrow to SW", Shape::Arrow, kCyan, kWhite, kCyan, {-1, 1}, kBottom,
        {{kBlack, 1}, {kCyan, 0}}},
    {Image6, "black disc", Shape::Disc, kBlack, kWhite, kBlack, {}, kAll, {{kBlack, kSize}}},
    {Image7, "ring", Shape::Ring, kYellow, kYellow, kWhite, {}, kAll, {{kBlack, 4}, {kWhite, 0}}},
    {Image8, "double ring", Shape::Ring, kRed, kRed, kWhite, {}, kAll,
        {{kBlack, 4}, {kWhite, 3}, {kBlack, 4}, {kRed, 0}}},
    {Image9, "triangle up", Shape::Triangle, kMagenta, kMagenta, kWhite, {0, -1}, kBottom,
        {{kBlack, 2}, {kWhite, 0}}},
    {Image10, "triangle down", Shape::Triangle, kCyan, kCyan, kWhite, {0, 1}, kTop,
        {{kBlack, 2}, {kWhite, 0}}},
    {Image11, "blue face", Shape::Face, kBlue, kWhite, kBlue, {}, kAll, {{kBlack, 1}, {kBlue, 0}}},
    {Image12, "magenta face", Shape::Face, kMagenta, kWhite, kMagenta, {}, kAll,
        {{kBlack, 1}, {kMagenta, 0}}},
    {Image13, "red face", Shape::Face, kRed, kWhite, kRed, {}, kAll, {{kBlack, 1}, {kRed, 0}}},
    {Image14, "yellow face", Shape::Face, kYellow, kWhite, kYellow, {}, kAll,
        {{kBlack, 1}, {kYellow, 0}}},
    {Image15, "cyan face", Shape::Face, kCyan, kWhite, kCyan, {}, kAll, {{kBlack, 1}, {kCyan, 0}}},
};
// clang-format on

std::string Hex(QRgb colour) {
  return QColor::fromRgba(colour).name(QColor::HexArgb).toStdString();
}

int FigurePixels(const QImage& image, QRgb ground, QPoint from, QPoint step) {
  int count = 0;
  for (QPoint p = from; image.rect().contains(p); p += step) {
    count += image.pixel(p) != ground ? 1 : 0;
  }
  return count;
}

std::string Describe(const std::vector<Run>& runs) {
  std::string text;
  for (const Run& run : runs) {
    text += Hex(run.colour) + "x" + (run.length == 0 ? "*" : std::to_string(run.length)) + " ";
  }
  return text;
}

// The colour runs met walking inward from p, ground at the edge skipped, cut to as many runs as
// expected; a run the expectation leaves open is compared by colour only.
std::string Walk(const QImage& image, QPoint p, QPoint step, QRgb ground,
                 const std::vector<Run>& expected) {
  while (image.rect().contains(p) && image.pixel(p) == ground) {
    p += step;
  }
  std::vector<Run> runs;
  for (; image.rect().contains(p); p += step) {
    if (runs.empty() || runs.back().colour != image.pixel(p)) {
      runs.push_back({image.pixel(p), 0});
    }
    ++runs.back().length;
  }
  runs.resize(std::min(runs.size(), expected.size()));
  for (std::size_t i = 0; i < runs.size(); ++i) {
    runs[i].length = expected[i].length == 0 ? 0 : runs[i].length;
  }
  return Describe(runs);
}

// The pixels in which the figure drawn at `scale`, reduced to its bitmap's size, differs from it.
int DifferingWhenReduced(const Figure& figure, qreal scale) {
  return DifferingFromBitmap(figure, RenderFigure(figure, scale));
}

// How far a picture drawn at a higher scale may stray from its bitmap once reduced, as a share of
// its pixels: at 1.5 a 1-unit outline is 2 device pixels, a third thicker than in the bitmap.
struct HigherScale {
  qreal scale;
  int shareDiffering;  // at most 1 in this many pixels
};
constexpr HigherScale kHigherScales[] = {{1.5, 10}, {2, 24}};

TEST(PicturesTest, EachIsAnOpaqueSquareOfItsOwnColoursFillingItsEdges) {
  for (const PictureCase& c : kPictures) {
    SCOPED_TRACE(c.what);
    const QImage image(PictureFigure(c.image).bitmap);
    if (image.size() != QSize(kSize, kSize)) {
      ADD_FAILURE() << "not " << kSize << " px square";
      continue;
    }
    const std::map<QRgb, int> counts = Census(image, image.rect());
    for (const auto& [colour, count] : counts) {
      // Hex shows the alpha, so a see-through pixel fails here too.
      EXPECT_TRUE(colour == kBlack || colour == kWhite || colour == c.colour) << Hex(colour);
    }
    EXPECT_GE(counts.contains(c.colour) ? counts.at(c.colour) : 0, kSize * kSize / 10)
        << "too little " << Hex(c.colour);
    int groundCorners = 0;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(kFar, 0), QPoint(0, kFar), QPoint(kFar, kFar)}) {
      groundCorners += image.pixel(corner) == c.ground ? 1 : 0;
      EXPECT_GT(FigurePixels(image, c.ground, corner, {corner.x() == 0 ? 1 : -1, 0}), 0)
          << "figure misses row " << corner.y();
      EXPECT_GT(FigurePixels(image, c.ground, corner, {0, corner.y() == 0 ? 1 : -1}), 0)
          << "figure misses column " << corner.x();
    }
    EXPECT_GE(groundCorners, 2) << "ground " << Hex(c.ground);
  }
  for (std::size_t i = 0; i < kPictures.size(); ++i) {
    for (std::size_t j = i + 1; j < kPictures.size(); ++j) {
      EXPECT_FALSE(QImage(PictureFigure(kPictures[i].image).bitmap) ==
                   QImage(PictureFigure(kPictures[j].image).bitmap))
          << kPictures[i].what << " and " << kPictures[j].what << " are the same";
    }
  }
}

struct WalkIn {
  int side;
  QPoint start, step;
};

// Walks along the centre lines of a picture drawn `scale` device pixels per unit.
std::array<WalkIn, 4> WalksIn(qreal scale = 1) {
  const int far = qRound(kSize * scale) - 1;
  const int centre = static_cast<int>((kCentre + 0.5) * scale);
  return {{{kLeft, {0, centre}, {1, 0}},
           {kRight, {far, centre}, {-1, 0}},
           {kTop, {centre, 0}, {0, 1}},
           {kBottom, {centre, far}, {0, -1}}}};
}

TEST(PicturesTest, OutlinesAreClosedAndOfTheirThickness) {
  const QPoint kNeighbours[] = {{1, 0}, {-1, 0}, {0, 1},  {0, -1},
                                {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
  for (const PictureCase& c : kPictures) {
    SCOPED_TRACE(c.what);
    const QImage image(PictureFigure(c.image).bitmap);
    for (const WalkIn& walk : WalksIn()) {
      if ((c.sides & walk.side) != 0) {
        EXPECT_EQ(Walk(image, walk.start, walk.step, c.ground, c.profile), Describe(c.profile))
            << "walking in from side " << walk.side;
      }
    }
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const QPoint p(x, y);
        const auto touchesGround = [&](int neighbours) {
          return std::any_of(kNeighbours, kNeighbours + neighbours, [&](QPoint d) {
            return !image.rect().contains(p + d) || image.pixel(p + d) == c.ground;
          });
        };
        if (c.fill != kBlack && image.pixel(p) == c.fill) {
          EXPECT_FALSE(touchesGround(4)) << "fill leaks to the ground at " << x << "," << y;
        }
        // An arrow's every black pixel is outline, so each one lies against the outside.
        if (c.shape == Shape::Arrow && image.pixel(p) == kBlack) {
          EXPECT_TRUE(touchesGround(8)) << "outline thicker than 1 px at " << x << "," << y;
        }
      }
    }
  }
}

TEST(PicturesTest, AtHigherScalesAreDrawnFromOutlinesOfOneWidthAfterTheirBitmaps) {
  for (const auto& [scale, shareDiffering] : kHigherScales) {
    for (const PictureCase& c : kPictures) {
      SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(scale));
      const Figure& figure = PictureFigure(c.image);
      const QImage drawn = InBitmapColours(figure, RenderFigure(figure, scale));
      ASSERT_EQ(drawn.width(), qRound(kSize * scale));
      // Black runs across straight outlines are the outline's width in whole device pixels.
      auto profile = c.profile;
      for (auto& run : profile) {
        run.length = run.colour == kBlack ? static_cast<int>(std::lround(run.length * scale)) : 0;
      }
      for (const WalkIn& walk : WalksIn(scale)) {
        if ((c.sides & walk.side) != 0) {
          EXPECT_EQ(Walk(drawn, walk.start, walk.step, c.ground, profile), Describe(profile))
              << "walking in from side " << walk.side;
        }
      }
      EXPECT_LE(DifferingWhenReduced(figure, scale), kSize * kSize / shareDiffering);
    }
  }
}

// Run at every quarter step of scale from 1 to 3: at 1 a widget shows the bitmap itself, else its
// figure drawn whole in device pixels, even where its place begins a fraction into one.
TEST(PictureWidgetTest, ShowsItsFigureWholeAtTheScreensResolution) {
  const QColor ground(1, 2, 3);
  for (const PictureCase& c : kPictures) {
    for (const int offset : {1, 2}) {  // a quarter, a half or three quarters into a device pixel
      const Figure& figure = PictureFigure(c.image);
      QWidget window;
      window.setPalette(ground);
      window.setAutoFillBackground(true);
      const QRect place = ToRect(LayoutOf(c.image)).translated(offset, offset);
      window.resize(place.right() + kSize, place.bottom() + kSize);
      PictureWidget widget(figure, &window);
      widget.setGeometry(place);
      const qreal ratio = window.devicePixelRatioF();
      const QImage image = window.grab().toImage();
      QRect shown;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          shown |= image.pixelColor(x, y) == ground ? QRect() : QRect(x, y, 1, 1);
        }
      }
      SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(ratio));
      ASSERT_EQ(shown.width(), shown.height());
      EXPECT_GE(shown.width(), static_cast<int>(kSize * ratio) - 1);
      const QImage drawn =
          ratio == 1 ? QImage(figure.bitmap) : RenderFigure(figure, ratio, shown.width());
      EXPECT_TRUE(InBitmapColours(figure, image.copy(shown)) == InBitmapColours(figure, drawn));
    }
  }
}

TEST(PicturesTest, ArrowsPointTheirWay) {
  for (const PictureCase& c : kPictures) {
    if (c.shape != Shape::Arrow) {
      continue;
    }
    SCOPED_TRACE(c.what);
    const QImage image(PictureFigure(c.image).bitmap);
    // Figure pixels on each line across the arrow, keyed by twice the signed distance from the
    // centre along it: the head, the widest part, lies ahead of the centre.
    std::map<int, int> widths;
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        if (image.pixel(x, y) != c.ground) {
          ++widths[(((2 * x) - kFar) * c.head.x()) + (((2 * y) - kFar) * c.head.y())];
        }
      }
    }
    const auto widest =
        std::ranges::max_element(widths, [](auto a, auto b) { return a.second < b.second; });
    EXPECT_GT(widest->first, 0) << "widest across the arrow at " << widest->first;
    const QPoint ahead(c.head.x() > 0 ? kFar : 0, c.head.y() > 0 ? kFar : 0);
    if (c.head.x() != 0 && c.head.y() != 0) {
      EXPECT_NE(image.pixel(ahead), c.ground) << "head corner";
      EXPECT_EQ(image.pixel(kFar - ahead.x(), ahead.y()), c.ground) << "corner beside the head";
      EXPECT_EQ(image.pixel(ahead.x(), kFar - ahead.y()), c.ground) << "corner beside the head";
    } else {
      const QPoint along(c.head.y() != 0 ? 1 : 0, c.head.x() != 0 ? 1 : 0);
      const QPoint behind(c.head.x() < 0 ? kFar : 0, c.head.y() < 0 ? kFar : 0);
      EXPECT_LT(FigurePixels(image, c.ground, ahead, along),
                FigurePixels(image, c.ground, behind, along))
          << "the tip is no narrower than the end of the shaft";
    }
  }
}

TEST(PicturesTest, TrianglesWidenFromApexToBase) {
  for (const PictureCase& c : kPictures) {
    if (c.shape != Shape::Triangle) {
      continue;
    }
    SCOPED_TRACE(c.what);
    const QImage image(PictureFigure(c.image).bitmap);
    const int apex = c.head.y() < 0 ? 0 : kFar;
    int width = 0;
    for (int y = apex; y >= 0 && y < kSize; y -= c.head.y()) {
      const int next = FigurePixels(image, c.ground, {0, y}, {1, 0});
      EXPECT_GE(next, width) << "row " << y << " narrower than the one before";
      width = next;
    }
    EXPECT_LE(FigurePixels(image, c.ground, {0, apex}, {1, 0}), kSize / 8) << "apex edge";
    EXPECT_GE(width, kSize * 7 / 8) << "base edge";
  }
}

TEST(IconsTest, UseTheVgaPaletteWithMarkedCorners) {
  const std::set<QRgb> kVga = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000,
                               0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
                               0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                               0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
  const struct {
    const char* what;
    const Figure& figure;
    int size, corner;
  } kIcons[] = {{"32 px", Icon32Figure(), 32, 5}, {"16 px", Icon16Figure(), 16, 4}};
  for (const auto& icon : kIcons) {
    SCOPED_TRACE(icon.what);
    for (const auto& [scale, shareDiffering] : kHigherScales) {
      EXPECT_LE(DifferingWhenReduced(icon.figure, scale), icon.size * icon.size / shareDiffering)
          << "drawn at " << scale;
    }
    const QImage image(icon.figure.bitmap);
    if (image.size() != QSize(icon.size, icon.size)) {
      ADD_FAILURE() << "wrong size";
      continue;
    }
    const std::map<QRgb, int> counts = Census(image, image.rect());
    EXPECT_LE(counts.size(), 16U);
    const int purple = counts.contains(kPurple) ? counts.at(kPurple) : 0;
    for (const auto& [colour, count] : counts) {
      EXPECT_TRUE(kVga.contains(colour)) << Hex(colour) << " is not a VGA colour";
      EXPECT_TRUE(colour == kPurple || count < purple) << Hex(colour) << " outnumbers purple";
    }
    EXPECT_TRUE(counts.contains(kWhite) && counts.contains(kBlack));
    const int far = icon.size - icon.corner;
    for (const QPoint corner : {QPoint(0, 0), QPoint(far, 0), QPoint(0, far), QPoint(far, far)}) {
      const auto mark = Census(image, QRect(corner, QSize(icon.corner, icon.corner)));
      EXPECT_TRUE(mark.contains(kWhite) && mark.contains(kBlack))
          << "corner at " << corner.x() << "," << corner.y() << " lacks its mark";
    }
  }
}

}  // namespace
}  // namespace quendrel
