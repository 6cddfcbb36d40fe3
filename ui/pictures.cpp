// SPDX-License-Identifier: MIT
#include "ui/pictures.h"

#include <array>
#include <cstddef>

namespace quendrel {
namespace {

#include "ui/pictures/icon16.xpm"
#include "ui/pictures/icon32.xpm"
#include "ui/pictures/image1.xpm"
#include "ui/pictures/image10.xpm"
#include "ui/pictures/image11.xpm"
#include "ui/pictures/image12.xpm"
#include "ui/pictures/image13.xpm"
#include "ui/pictures/image14.xpm"
#include "ui/pictures/image15.xpm"
#include "ui/pictures/image2.xpm"
#include "ui/pictures/image3.xpm"
#include "ui/pictures/image4.xpm"
#include "ui/pictures/image5.xpm"
#include "ui/pictures/image6.xpm"
#include "ui/pictures/image7.xpm"
#include "ui/pictures/image8.xpm"
#include "ui/pictures/image9.xpm"

constexpr std::array<Xpm, 15> kPictures = {
    image1_xpm,  image2_xpm,  image3_xpm,  image4_xpm,  image5_xpm,
    image6_xpm,  image7_xpm,  image8_xpm,  image9_xpm,  image10_xpm,
    image11_xpm, image12_xpm, image13_xpm, image14_xpm, image15_xpm,
};

}  // namespace

Xpm PictureOf(ElementId image) {
  return kPictures.at(IndexOf(image) - IndexOf(ElementId::Image1));
}

Xpm Icon32() {
  return icon32_xpm;
}
Xpm Icon16() {
  return icon16_xpm;
}

}  // namespace quendrel
