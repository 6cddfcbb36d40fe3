// SPDX-License-Identifier: MIT
#include "core/dictionary_line.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

namespace quendrel {
namespace {

bool InRange(unsigned char byte, unsigned char first, unsigned char last) {
  return byte >= first && byte <= last;
}

// EUC-JP's shapes: ASCII; a JIS X 0208 pair of 0xA1 to 0xFE; 0x8E before a half-width kana;
// 0x8F before a JIS X 0212 pair.
bool IsEucJp(std::string_view bytes) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080U;
  for (std::size_t i = 0; i < bytes.size();) {
    // The glosses are ASCII: eight bytes at a time while no byte has its high bit set.
    std::uint64_t eight = 0;
    if (i + sizeof eight <= bytes.size()) {
      std::memcpy(&eight, bytes.data() + i, sizeof eight);
      if ((eight & kHighBits) == 0) {
        i += sizeof eight;
        continue;
      }
    }
    const auto at = [&](std::size_t k) {
      return i + k < bytes.size() ? static_cast<unsigned char>(bytes[i + k]) : 0;
    };
    const unsigned char lead = at(0);
    if (lead < 0x80U) {
      i += 1;
    } else if ((InRange(lead, 0xA1, 0xFE) && InRange(at(1), 0xA1, 0xFE)) ||
               (lead == 0x8EU && InRange(at(1), 0xA1, 0xDF))) {
      i += 2;
    } else if (lead == 0x8FU && InRange(at(1), 0xA1, 0xFE) && InRange(at(2), 0xA1, 0xFE)) {
      i += 3;
    } else {
      return false;
    }
  }
  return true;
}

using Converter = std::unique_ptr<UConverter, decltype(&ucnv_close)>;

Converter OpenEucJp() {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter{ucnv_open("EUC-JP", &status), &ucnv_close};
  if (U_FAILURE(status) != 0) {
    return {nullptr, &ucnv_close};
  }
  // A code with no character fails the line rather than reading as a substitute.
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  return converter;
}

// What the tags of every gloss that starts with them say of a person: "(f,s) Aoi" gives f and s.
struct PersonTags {
  Sexes sexes = 0;
  bool person = false;
};

PersonTags TagsOf(std::string_view glosses) {
  PersonTags said;
  for (std::size_t start = 0; start < glosses.size();) {
    const std::size_t end = std::min(glosses.find('/', start), glosses.size());
    const std::string_view gloss = glosses.substr(start, end - start);
    start = end + 1;
    const std::size_t close = gloss.find(')');
    if (!gloss.starts_with('(') || close == std::string_view::npos) {
      continue;
    }
    const std::string_view tags = gloss.substr(1, close - 1);
    if (!std::ranges::all_of(tags, [](char c) { return (c >= 'a' && c <= 'z') || c == ','; })) {
      continue;  // a parenthesis of the gloss's own, not tags
    }
    for (std::size_t t = 0; t < tags.size();) {
      const std::size_t comma = std::min(tags.find(',', t), tags.size());
      const std::string_view tag = tags.substr(t, comma - t);
      t = comma + 1;
      if (tag == "m" || tag == "g") {
        said.sexes |= kBoy;
      }
      if (tag == "f" || tag == "g") {
        said.sexes |= kGirl;
      }
      said.person = said.person || tag == "u";
    }
  }
  said.person = said.person || said.sexes != 0;
  return said;
}

struct LineParts {
  std::string_view written, reading, glosses;
};

// "WRITTEN [READING] /GLOSS/…/" or "WRITTEN /GLOSS/…/".
std::optional<LineParts> SplitLine(std::string_view line) {
  const std::size_t space = line.find(' ');
  if (space == 0 || space == std::string_view::npos || !line.ends_with('/')) {
    return std::nullopt;
  }
  LineParts parts{line.substr(0, space), {}, {}};
  std::string_view rest = line.substr(space + 1);
  if (rest.starts_with('[')) {
    const std::size_t close = rest.find("] /");
    if (close == std::string_view::npos || close == 1) {
      return std::nullopt;
    }
    parts.reading = rest.substr(1, close - 1);
    rest = rest.substr(close + 2);
  }
  if (!rest.starts_with('/') || rest.size() < 2) {
    return std::nullopt;
  }
  parts.glosses = rest.substr(1, rest.size() - 2);
  return parts;
}

}  // namespace

std::optional<RawLine> ReadLine(std::string_view eucJp) {
  const std::optional<LineParts> parts = SplitLine(eucJp);
  if (!parts || !IsEucJp(eucJp)) {
    return std::nullopt;
  }
  const PersonTags tags = TagsOf(parts->glosses);
  return RawLine{parts->written, parts->reading, tags.sexes, tags.person};
}

// Opening a converter loads its table, so each thread keeps one.
std::optional<std::string> DecodeEucJp(std::string_view bytes) {
  thread_local const Converter converter = OpenEucJp();
  if (converter == nullptr) {
    return std::nullopt;
  }
  // Two EUC-JP bytes are at most three of UTF-8, one is one.
  std::string utf8((bytes.size() * 3 / 2) + 4, '\0');
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(converter.get());
  const int32_t size =
      ucnv_toAlgorithmic(UCNV_UTF8, converter.get(), utf8.data(), static_cast<int32_t>(utf8.size()),
                         bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status) != 0) {
    return std::nullopt;
  }
  utf8.resize(static_cast<std::size_t>(size));
  return utf8;
}

DictionaryLine ParseDictionaryLine(std::string_view eucJp) {
  DictionaryLine parsed;
  const std::optional<RawLine> line = ReadLine(eucJp);
  if (!line) {
    return parsed;
  }
  if (!line->person) {
    parsed.kind = DictionaryLine::Kind::OtherEntry;
    return parsed;
  }
  std::optional<std::string> written = DecodeEucJp(line->written);
  std::optional<std::string> reading = line->reading.empty() ? written : DecodeEucJp(line->reading);
  if (!written || !reading) {
    return parsed;
  }
  parsed.sexes = line->sexes;
  parsed.kind =
      line->sexes != 0 ? DictionaryLine::Kind::GivenName : DictionaryLine::Kind::PersonName;
  parsed.written = std::move(*written);
  parsed.reading = std::move(*reading);
  return parsed;
}

}  // namespace quendrel
