// SPDX-License-Identifier: MIT
#include "ui/name_strip.h"

#include <vector>

#include "core/characters.h"
#include "core/name_line.h"

namespace quendrel {
namespace {

// The characters of the caption, with the first two adjacent half-width spaces joined into the
// filler. The table counts no space, so a typed space can only be a name's first character: it
// stands alone or beside the filler, and a run of spaces is the filler plus one piece per typed
// space, whichever end of the run they are typed at.
std::vector<std::string> Pieces(std::string_view caption) {
  std::vector<std::string> pieces;
  bool fillerFound = false;
  for (const std::string& character : FirstCharacters(caption, caption.size())) {
    if (!fillerFound && character == " " && !pieces.empty() && pieces.back() == " ") {
      pieces.back() = kNameLineFiller;
      fillerFound = true;
    } else {
      pieces.push_back(character);
    }
  }
  return pieces;
}

}  // namespace

std::string NameStripRows(std::string_view caption) {
  std::vector<std::string> pieces = Pieces(caption);
  // An empty surname box adds nothing between "☆" and the filler; its empty row keeps the filler
  // on row 3. (After a typed space the run is longer and needs no such row.)
  if (pieces.size() >= 2 && pieces[0] == kNameLineStar && pieces[1] == kNameLineFiller &&
      (pieces.size() == 2 || pieces[2] != " ")) {
    pieces.insert(pieces.begin() + 1, std::string{});
  }
  std::string rows;
  for (const std::string& piece : pieces) {
    if (&piece != &pieces.front()) {
      rows += '\n';
    }
    rows += piece;
  }
  return rows;
}

}  // namespace quendrel
