// SPDX-License-Identifier: MIT
#include "ui/box_edit.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/characters.h"

namespace quendrel {
namespace {

// How much of an edit a name box of three characters keeps: the text before the caret (a
// selection already taken out), what the edit inserts, the text after it. Typing, a paste, an
// input method's commit and a drop all reach the box this way.
TEST(BoxEdit, KeepsTheWholeCharactersThatFitBetweenTheTextAroundTheCaret) {
  struct Case {
    std::string_view how, before, inserted, after, kept;
  };
  constexpr Case kCases[] = {
      {"typed at the end", "山田", "太", "", "太"},
      {"typed at the end of a full box", "山田太", "X", "", ""},
      {"typed at the start of a full box", "", "X", "山田太", ""},
      {"typed in the middle of a full box", "山", "X", "田太", ""},
      {"typed over a selection", "山", "X", "太", "X"},
      {"pasted into an empty box", "", "由美子です", "", "由美子"},
      {"pasted at the start", "", "由美子", "山", "由美"},
      {"pasted in the middle", "山", "由美子", "田", "由"},
      {"pasted at the end", "山田", "由美子", "", "由"},
      {"pasted over a selection", "山", "中村", "太", "中"},
      {"committed by an input method", "山田", "太郎", "", "太"},
      {"dropped at the start", "", "由美子", "山田", "由"},
      {"dropped into a full box", "山田", "由", "太", ""},
      {"nothing inserted", "山田太", "", "", ""},
      {"𠮷, four bytes, whole", "山田", "𠮷野", "", "𠮷"},
      {"𠮷 into a full box, no byte of it", "山田太", "𠮷", "", ""},
      {"𠮷 after 𠮷", "𠮷", "𠮷𠮷𠮷", "", "𠮷𠮷"},
      {"a voicing mark joins the last character", "かき𠮷", "\u3099", "", "\u3099"},
      {"a voicing mark joins the character before the caret", "かき", "\u3099", "𠮷", "\u3099"},
      {"a voicing mark fits where the next character does not", "かきく", "\u3099け", "", "\u3099"},
      {"voiced kana, each one character", "", "か\u3099き\u3099く\u3099け", "",
       "か\u3099き\u3099く\u3099"},
      {"a variation selector stays with its character", "山田", "葛\U000E0100城", "",
       "葛\U000E0100"},
      {"a variation selector joins the last character", "山田葛", "\U000E0100", "", "\U000E0100"},
  };
  for (const Case& c : kCases) {
    const std::u16string before = ToUtf16(c.before);
    const std::u16string attempt = before + ToUtf16(c.inserted) + ToUtf16(c.after);
    const std::u16string text = before + ToUtf16(c.after);
    const EditOutcome outcome = TakeEdit(
        ElementId::Text1,
        {text, before.size(), before.size(), attempt, attempt.size() - ToUtf16(c.after).size()});
    EXPECT_EQ(outcome.taken ? ToUtf16(c.inserted) : outcome.kept, ToUtf16(c.kept)) << c.how;
  }
}

}  // namespace
}  // namespace quendrel
