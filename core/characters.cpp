// SPDX-License-Identifier: MIT
#include "core/characters.h"

#include <algorithm>
#include <array>
#include <memory>

#include <unicode/brkiter.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

namespace quendrel {
namespace {

std::unique_ptr<icu::BreakIterator> CreateCharacterBreaks() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::BreakIterator> created{
      icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status)};
  if (U_FAILURE(status) != 0) {
    return nullptr;
  }
  return created;
}

// Creating a break iterator loads rule data, so each thread keeps one for all its texts.
icu::BreakIterator* CharacterBreaks() {
  thread_local const std::unique_ptr<icu::BreakIterator> iterator = CreateCharacterBreaks();
  // The analyzer of clang-tidy 14 takes the thread-exit destructor for one run on every call.
  // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDelete)
  return iterator.get();
}

// Without ICU's rules, code points are the closest thing to characters; never fail.
template <typename Visit>
void VisitCodePointEnds(std::string_view text, Visit visit) {
  const auto isContinuation = [text](std::size_t i) {
    return (static_cast<unsigned char>(text[i]) & 0xC0U) == 0x80U;
  };
  for (std::size_t end = 1; end <= text.size(); ++end) {
    while (end < text.size() && isContinuation(end)) {
      ++end;
    }
    if (!visit(end)) {
      return;
    }
  }
}

// Longer texts, pastes above all, take ICU's path, which reads no further than it must.
constexpr std::size_t kPlainTextLimit = 64;

struct CodePointRange {
  UChar32 first, last;
};

// Code points that are each a character of their own whatever stands beside them (grapheme
// cluster break Other, and NFC-stable): printable ASCII, 々, the kana but the combining marks, and
// the unified ideographs. A name made of them alone, as most are, needs no break rules and no
// normalisation.
constexpr CodePointRange kPlainCharacters[] = {
    {0x20, 0x7E},     {0x3005, 0x3005}, {0x3041, 0x3096}, {0x309D, 0x309E},   {0x30A1, 0x30FA},
    {0x30FC, 0x30FE}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0x20000, 0x2F7FF},
};

bool IsPlainCharacter(UChar32 c) {
  return std::ranges::any_of(kPlainCharacters,
                             [c](CodePointRange r) { return c >= r.first && c <= r.last; });
}

bool IsPlainText(std::string_view text) {
  return std::ranges::all_of(CodePoints(text),
                             [](char32_t c) { return IsPlainCharacter(static_cast<UChar32>(c)); });
}

// Calls `visit` with the byte offset after each character in turn while it returns true. UText
// reads the UTF-8 in place, so a huge paste is never converted as a whole.
template <typename Visit>
void VisitCharacterEnds(std::string_view text, Visit visit) {
  if (text.size() <= kPlainTextLimit && IsPlainText(text)) {
    VisitCodePointEnds(text, visit);
    return;
  }
  icu::BreakIterator* breaks = CharacterBreaks();
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<UText, decltype(&utext_close)> utext{
      utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status),
      &utext_close};
  if (breaks == nullptr || U_FAILURE(status) != 0) {
    VisitCodePointEnds(text, visit);
    return;
  }
  breaks->setText(utext.get(), status);
  for (int32_t end = breaks->next(); end != icu::BreakIterator::DONE; end = breaks->next()) {
    if (!visit(static_cast<std::size_t>(end))) {
      break;
    }
  }
  // Leave no pointer into `text` behind in the shared iterator.
  breaks->setText(icu::UnicodeString{});
}

std::string ValidUtf8(std::string_view bytes) {
  std::string result;
  icu::UnicodeString::fromUTF8(icu::StringPiece{bytes.data(), static_cast<int32_t>(bytes.size())})
      .toUTF8String(result);
  return result;
}

}  // namespace

std::vector<std::string> FirstCharacters(std::string_view text, std::size_t count) {
  std::vector<std::string> characters;
  std::size_t begin = 0;
  VisitCharacterEnds(text, [&](std::size_t end) {
    if (characters.size() == count) {
      return false;
    }
    characters.push_back(ValidUtf8(text.substr(begin, end - begin)));
    begin = end;
    return characters.size() < count;
  });
  return characters;
}

std::string TruncateCharacters(std::string_view text, std::size_t count) {
  std::size_t kept = 0;
  std::size_t seen = 0;
  VisitCharacterEnds(text, [&](std::size_t end) {
    if (seen == count) {
      return false;
    }
    kept = end;
    return ++seen < count;
  });
  return ValidUtf8(text.substr(0, kept));
}

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  VisitCharacterEnds(text, [&count](std::size_t) {
    ++count;
    return true;
  });
  return count;
}

std::u32string LookupForm(std::string_view character) {
  if (character.size() <= kPlainTextLimit) {
    if (std::u32string form = CodePoints(character); std::ranges::all_of(
            form, [](char32_t c) { return IsPlainCharacter(static_cast<UChar32>(c)); })) {
      return form;
    }
  }
  const icu::UnicodeString decoded = icu::UnicodeString::fromUTF8(
      icu::StringPiece{character.data(), static_cast<int32_t>(character.size())});
  // Selectors go first: between a base and a combining mark they would block composition.
  icu::UnicodeString unselected;
  for (int32_t i = 0; i < decoded.length(); i = decoded.moveIndex32(i, 1)) {
    const UChar32 c = decoded.char32At(i);
    if (u_hasBinaryProperty(c, UCHAR_VARIATION_SELECTOR) == 0) {
      unselected.append(c);
    }
  }
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  const icu::UnicodeString normalized =
      U_SUCCESS(status) != 0 ? nfc->normalize(unselected, status) : unselected;
  std::u32string form;
  for (int32_t i = 0; i < normalized.length(); i = normalized.moveIndex32(i, 1)) {
    form.push_back(static_cast<char32_t>(normalized.char32At(i)));
  }
  return form;
}

std::u32string CodePoints(std::string_view utf8) {
  std::u32string decoded;
  const auto length = static_cast<std::int32_t>(utf8.size());
  for (std::int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT(utf8, i, length, c);  // NOLINT(bugprone-inc-dec-in-conditions): ICU's own macro
    decoded.push_back(c < 0 ? U'\uFFFD' : static_cast<char32_t>(c));
  }
  return decoded;
}

std::string ToUtf8(std::u32string_view text) {
  std::string utf8;
  for (const char32_t c : text) {
    std::array<char, U8_MAX_LENGTH> bytes{};
    std::int32_t size = 0;
    U8_APPEND_UNSAFE(bytes, size, c);  // NOLINT(bugprone-inc-dec-in-conditions): ICU's own macro
    utf8.append(bytes.data(), static_cast<std::size_t>(size));
  }
  return utf8;
}

std::string ToUtf8(std::u16string_view text) {
  std::string utf8;
  icu::UnicodeString(text.data(), static_cast<std::int32_t>(text.size())).toUTF8String(utf8);
  return utf8;
}

std::u16string ToUtf16(std::string_view utf8) {
  const icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
  return {text.getBuffer(), static_cast<std::size_t>(text.length())};
}

std::uint64_t BytePrefix(std::string_view text) {
  std::uint64_t prefix = 0;
  for (std::size_t i = 0; i < sizeof prefix; ++i) {
    prefix = (prefix << 8U) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0U);
  }
  return prefix;
}

std::string FoldKana(std::string_view text) {
  constexpr char32_t kKanaDistance = U'ァ' - U'ぁ';
  std::u32string folded = CodePoints(text);
  for (char32_t& c : folded) {
    // ァ to ヶ, ヽ and ヾ: the hiragana of the same sound
    if ((c >= U'ァ' && c <= U'ヶ') || c == U'ヽ' || c == U'ヾ') {
      c -= kKanaDistance;
    }
  }
  return ToUtf8(folded);
}

}  // namespace quendrel
