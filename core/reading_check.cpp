// SPDX-License-Identifier: MIT
#include "core/reading_check.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <optional>
#include <ranges>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "core/characters.h"
#include "core/name_characters.h"

namespace quendrel {
namespace {

// A reading's kana, held in place: the index holds some fifty thousand forms, and none of a name
// kanji's readings is longer than みだりがましい.
class FormKana {
 public:
  static constexpr std::size_t kCapacity = 7;

  explicit FormKana(std::u32string_view kana)
      : length_(static_cast<std::uint8_t>(std::min(kana.size(), kCapacity))) {
    std::ranges::transform(kana.substr(0, length_), kana_.begin(),
                           [](char32_t c) { return static_cast<char16_t>(c); });
  }
  [[nodiscard]] std::u16string_view view() const { return {kana_.data(), length_}; }
  [[nodiscard]] char16_t at(std::size_t k) const { return kana_.at(k); }
  void voice() { kana_.front() = static_cast<char16_t>(kana_.front() + 1); }

 private:
  std::array<char16_t, kCapacity> kana_{};
  std::uint8_t length_;
};

// A form a character's reading can take in a name, with what changed to give it.
struct Form {
  FormKana kana;
  ReadingKind kind;
  std::uint8_t changes;
};
using Forms = std::vector<Form>;

constexpr std::u32string_view kSmallKana = U"ぁぃぅぇぉゃゅょゎ";
constexpr std::u32string_view kVowels = U"あいうえお";
// The kana of each vowel, in the order of kVowels.
constexpr std::array<std::u32string_view, 5> kVowelRows = {
    U"あかさたなはまやらわがざだばぱぁゃゎ", U"いきしちにひみりぎじぢびぴぃ",
    U"うくすつぬふむゆるぐずづぶぷぅゅゔ", U"えけせてねへめれげぜでべぺぇ",
    U"おこそとのほもよろをごぞどぼぽぉょ"};
constexpr std::size_t kU = 2;
constexpr std::size_t kE = 3;
constexpr std::size_t kO = 4;
constexpr std::u32string_view kVoiceable = U"かきくけこさしすせそたちつてとはひふへほ";
constexpr std::u32string_view kSemiVoiceable = U"はひふへほ";
constexpr std::u32string_view kGeminating = U"つくちき";

bool Has(std::u32string_view set, char32_t c) {
  return set.find(c) != std::u32string_view::npos;
}

std::size_t VowelOf(char32_t kana) {
  for (std::size_t v = 0; v < kVowelRows.size(); ++v) {
    if (Has(kVowelRows.at(v), kana)) {
      return v;
    }
  }
  return kVowels.size();
}

// A change of a part's cost: a reading changed in a common way is likelier than one shortened to
// its beginning, which is likelier than a character left unread; a part no reading explains
// comes last, as few characters as it can.
constexpr int kChangeCost = 1;
constexpr int kPartialCost = 10;
constexpr int kUnreadCost = 20;
constexpr int kUnexplainedCost = 1000;
constexpr int kUnexplainedCharacterCost = 8;

int CostOf(std::uint8_t changes) {
  const int partial = (changes & kPartial) != 0 ? kPartialCost - kChangeCost : 0;
  return (std::popcount(changes) * kChangeCost) + partial;
}

// The forms a reading takes: as it is, its first kana voiced, its last kana as っ or its long
// vowel shortened.
void AddForms(Forms& forms, const std::u32string& kana, ReadingKind kind) {
  if (kana.empty()) {
    return;
  }
  std::vector<std::pair<std::u32string, std::uint8_t>> starts = {{kana, 0}};
  if (Has(kVoiceable, kana.front())) {
    starts.emplace_back(kana, kVoiced);
    ++starts.back().first.front();
  }
  if (Has(kSemiVoiceable, kana.front())) {
    starts.emplace_back(kana, kSemiVoiced);
    starts.back().first.front() += 2;
  }
  for (const auto& [start, changes] : starts) {
    forms.push_back({FormKana{start}, kind, changes});
    if (start.size() < 2) {
      continue;
    }
    const char32_t last = start.back();
    const std::size_t before = VowelOf(start[start.size() - 2]);
    if (Has(kGeminating, last)) {
      forms.push_back({FormKana{start.substr(0, start.size() - 1) + U'っ'}, kind,
                       static_cast<std::uint8_t>(changes | kGeminated)});
    }
    if ((last == U'う' && (before == kU || before == kO)) || (last == U'い' && before == kE)) {
      forms.push_back({FormKana{start.substr(0, start.size() - 1)}, kind,
                       static_cast<std::uint8_t>(changes | kShortened)});
    }
  }
}

void AddReadings(Forms& forms, std::string_view readings, ReadingKind kind) {
  for (const auto part : std::views::split(readings, std::string_view{"・"})) {
    const std::string_view reading{part.begin(), part.end()};
    const std::size_t dot = reading.find('.');
    AddForms(forms, CodePoints(reading.substr(0, dot)), kind);
    if (dot != std::string_view::npos) {  // the whole word as well as its stem
      std::string whole{reading};
      whole.erase(dot, 1);
      AddForms(forms, CodePoints(whole), kind);
    }
  }
}

// By first kana, so that a position's candidates are found at once; of forms alike, the one with
// the fewest changes, then on before kun before nanori.
void Settle(Forms& forms) {
  std::ranges::sort(forms, [](const Form& a, const Form& b) {
    return std::tuple{a.kana.view(), CostOf(a.changes), a.kind} <
           std::tuple{b.kana.view(), CostOf(b.changes), b.kind};
  });
  const auto [first, last] =
      std::ranges::unique(forms, {}, [](const Form& f) { return f.kana.view(); });
  forms.erase(first, last);
  forms.shrink_to_fit();
}

const std::unordered_map<char32_t, Forms>& KanjiForms() {
  static const auto forms = [] {
    std::unordered_map<char32_t, Forms> all;
    for (const NameKanjiEntry& entry : NameKanji()) {
      Forms& own = all[entry.kanji];
      AddReadings(own, entry.on, ReadingKind::On);
      AddReadings(own, entry.kun, ReadingKind::Kun);
      AddReadings(own, entry.nanori, ReadingKind::Nanori);
      Settle(own);
    }
    return all;
  }();
  return forms;
}

bool IsKana(char32_t c) {
  return (c >= U'\u3041' && c <= U'\u3096') || c == U'ー';
}

// What each character of a name can be read as: a kanji's forms are the index's own, a kana's
// and a voiced repeat mark's its own; `unread` where it may be left unread.
struct Character {
  Character() = default;
  ~Character() = default;
  Character(const Character&) = delete;
  Character& operator=(const Character&) = delete;
  Character(Character&&) = delete;
  Character& operator=(Character&&) = delete;

  std::string written;
  Forms own;
  const Forms* forms = &own;
  bool unread = false;
};

Forms KanaForms(const std::u32string& kana) {
  if (kana == U"ー") {
    Forms vowels;
    for (const char32_t v : kVowels) {
      vowels.push_back({FormKana{std::u32string{v}}, ReadingKind::Kana, 0});
    }
    return vowels;
  }
  return {{FormKana{kana}, ReadingKind::Kana, 0}};
}

// Kanji of the unified block, kana and 々 are each a character in normalisation form C already,
// which most names are written in; only others need ICU to tell where a character ends.
bool Plain(char32_t c) {
  return (c >= U'\u4E00' && c <= U'\u9FFF') || (c >= U'\u3041' && c <= U'\u3096') ||
         (c >= U'\u30A1' && c <= U'\u30F6') || c == U'ー' || c == U'々';
}

// Katakana as the hiragana of the same sound, as FoldKana folds them.
std::u32string Folded(std::u32string text) {
  constexpr char32_t kKanaDistance = U'ァ' - U'ぁ';
  for (char32_t& c : text) {
    c -= (c >= U'ァ' && c <= U'ヶ') || c == U'ヽ' || c == U'ヾ' ? kKanaDistance : 0;
  }
  return text;
}

// A name's characters, each as written and in the form it is compared in.
struct Written {
  std::string text;
  std::u32string form;
};

std::vector<Written> Split(std::string_view written) {
  constexpr std::size_t kMostCharacters = 16;
  const std::u32string codes = CodePoints(written);
  std::vector<Written> characters;
  if (std::ranges::all_of(codes, Plain)) {
    for (std::size_t k = 0; k < std::min(codes.size(), kMostCharacters); ++k) {
      characters.push_back({ToUtf8(codes.substr(k, 1)), codes.substr(k, 1)});
    }
    return characters;
  }
  for (std::string& character : FirstCharacters(written, kMostCharacters)) {
    std::u32string form = LookupForm(character);
    characters.push_back({std::move(character), std::move(form)});
  }
  return characters;
}

// A repeat mark reads as the character before it, a voiced one with its first kana voiced.
void Repeat(Character& mark, const Character& before, bool voiced) {
  mark.unread = before.unread;
  if (voiced) {
    mark.own = *before.forms;
    for (Form& f : mark.own) {
      if (Has(kVoiceable, f.kana.at(0))) {
        f.kana.voice();
      }
    }
  } else if (before.forms == &before.own) {
    mark.own = before.own;
  } else {
    mark.forms = before.forms;
  }
}

std::vector<Character> CharactersOf(std::string_view written) {
  const std::vector<Written> typed = Split(written);
  std::vector<Character> characters(typed.size());
  for (std::size_t i = 0; i < typed.size(); ++i) {
    Character& character = characters[i];
    character.written = typed[i].text;
    const std::u32string& form = typed[i].form;
    const std::u32string kana = Folded(form);
    const bool repeat = form == U"々" || form == U"ゝ" || form == U"ヽ";
    const bool voicedRepeat = form == U"ゞ" || form == U"ヾ";
    if ((repeat || voicedRepeat) && i > 0) {
      Repeat(character, characters[i - 1], voicedRepeat);
    } else if (std::ranges::all_of(kana, IsKana) && !kana.empty()) {
      character.own = KanaForms(kana);
    } else if (form.size() == 1) {
      const auto found = KanjiForms().find(form.front());
      character.unread = true;
      if (found != KanjiForms().end()) {
        character.forms = &found->second;
      }
    }
  }
  return characters;
}

// What a long-vowel mark after a kana stands for; after anything else it stays as it is.
char32_t Lengthening(char32_t before) {
  const std::size_t vowel = VowelOf(before);
  if (vowel == kO) {
    return U'う';
  }
  if (vowel == kE) {
    return U'い';
  }
  return vowel < kVowels.size() ? kVowels.at(vowel) : U'ー';
}

// A reading in hiragana, a long-vowel mark as the vowel it lengthens: おう and えい as a kanji's
// readings write them.
std::u32string PlainReading(std::string_view reading) {
  std::u32string kana = Folded(CodePoints(reading));
  for (std::size_t k = 1; k < kana.size(); ++k) {
    if (kana[k] == U'ー') {
      kana[k] = Lengthening(kana[k - 1]);
    }
  }
  return kana;
}

struct Step {
  int cost = std::numeric_limits<int>::max();
  std::size_t fromCharacter = 0, fromKana = 0;
  ReadingKind kind = ReadingKind::Unexplained;
  std::uint8_t changes = 0;
};

class Explainer {
 public:
  Explainer(std::vector<Character> characters, std::u32string reading)
      : characters_(std::move(characters)),
        reading_(std::move(reading)),
        steps_((characters_.size() + 1) * (reading_.size() + 1)) {}

  // Parts that no reading explains are looked for only where nothing else explains the whole,
  // as most readings are explained without.
  ReadingExplanation explain() {
    if (!explained()) {
      std::ranges::fill(steps_, Step{});
      search(true);
    }
    return trace();
  }

  // The outcome alone: where nothing explains the whole, no part need be sought.
  ReadingFit fit() {
    if (!explained()) {
      return ReadingFit::Unexplained;
    }
    ReadingFit fit = ReadingFit::AsRead;
    for (std::size_t i = characters_.size(), j = reading_.size(); i > 0;) {
      const Step& step = at(i, j);
      fit = step.kind == ReadingKind::Unread || (step.changes & kPartial) != 0 ? ReadingFit::Loosely
                                                                               : fit;
      i = step.fromCharacter;
      j = step.fromKana;
    }
    return fit;
  }

 private:
  static constexpr int kNone = std::numeric_limits<int>::max();

  bool explained() {
    search(false);
    return at(characters_.size(), reading_.size()).cost != kNone;
  }

  void search(bool unexplained) {
    at(0, 0).cost = 0;
    for (std::size_t i = 0; i < characters_.size(); ++i) {
      for (std::size_t j = 0; j <= reading_.size(); ++j) {
        if (at(i, j).cost != kNone) {
          extend(i, j, unexplained);
        }
      }
    }
  }

  Step& at(std::size_t i, std::size_t j) { return steps_[(i * (reading_.size() + 1)) + j]; }

  void offer(std::size_t i, std::size_t j, std::size_t toI, std::size_t toJ, int cost,
             ReadingKind kind, std::uint8_t changes) {
    Step& to = at(toI, toJ);
    const int total = at(i, j).cost + cost;
    if (total < to.cost) {
      to = {total, i, j, kind, changes};
    }
  }

  void extend(std::size_t i, std::size_t j, bool unexplained) {
    const Character& character = characters_[i];
    const bool last = i + 1 == characters_.size();
    if (j < reading_.size()) {
      const auto [begin, end] = std::ranges::equal_range(
          *character.forms, reading_[j], {}, [](const Form& f) { return char32_t{f.kana.at(0)}; });
      for (const Form& form : std::ranges::subrange(begin, end)) {
        if (((form.changes & (kVoiced | kSemiVoiced)) != 0 && i == 0) ||
            ((form.changes & kGeminated) != 0 && last)) {
          continue;
        }
        offerForm(i, j, form);
      }
    }
    if (character.unread) {
      offer(i, j, i + 1, j, kUnreadCost, ReadingKind::Unread, 0);
    }
    for (std::size_t toI = i + 1; unexplained && toI <= characters_.size(); ++toI) {
      const auto count = static_cast<int>(toI - i);
      for (std::size_t toJ = j + 1; toJ <= reading_.size(); ++toJ) {
        offer(i, j, toI, toJ, kUnexplainedCost + (kUnexplainedCharacterCost * count),
              ReadingKind::Unexplained, 0);
      }
    }
  }

  // The form whole, or its beginning up to the end of any of its syllables.
  void offerForm(std::size_t i, std::size_t j, const Form& form) {
    const std::u32string_view rest = std::u32string_view{reading_}.substr(j);
    const std::u16string_view kana = form.kana.view();
    const auto common =
        static_cast<std::size_t>(std::ranges::mismatch(kana, rest).in1 - kana.begin());
    if (common == kana.size()) {
      offer(i, j, i + 1, j + common, CostOf(form.changes), form.kind, form.changes);
    }
    if ((form.changes & (kGeminated | kShortened)) != 0) {
      return;  // its beginning is that of the reading it changed
    }
    const auto partial = static_cast<std::uint8_t>(form.changes | kPartial);
    for (std::size_t k = 1; k <= std::min(common, kana.size() - 1); ++k) {
      if (!Has(kSmallKana, kana[k])) {
        offer(i, j, i + 1, j + k, CostOf(partial), form.kind, partial);
      }
    }
  }

  ReadingExplanation trace() {
    ReadingExplanation explanation{ReadingFit::AsRead, {}};
    for (std::size_t i = characters_.size(), j = reading_.size(); i > 0;) {
      const Step step = at(i, j);
      ReadingPart part{
          {}, ToUtf8(reading_.substr(step.fromKana, j - step.fromKana)), step.kind, step.changes};
      for (std::size_t c = step.fromCharacter; c < i; ++c) {
        part.written += characters_[c].written;
      }
      if (step.kind == ReadingKind::Unexplained) {
        explanation.fit = ReadingFit::Unexplained;
      } else if (step.kind == ReadingKind::Unread || (step.changes & kPartial) != 0) {
        explanation.fit = std::max(explanation.fit, ReadingFit::Loosely);
      }
      explanation.parts.push_back(std::move(part));
      i = step.fromCharacter;
      j = step.fromKana;
    }
    std::ranges::reverse(explanation.parts);
    return explanation;
  }

  std::vector<Character> characters_;
  std::u32string reading_;
  std::vector<Step> steps_;
};

std::optional<Explainer> ExplainerOf(std::string_view written, std::string_view reading) {
  constexpr std::size_t kLongestReading = 64;
  std::vector<Character> characters = CharactersOf(written);
  std::u32string kana = PlainReading(reading);
  if (characters.empty() || kana.empty()) {
    return std::nullopt;
  }
  kana.resize(std::min(kana.size(), kLongestReading));
  return std::optional<Explainer>{std::in_place, std::move(characters), std::move(kana)};
}

}  // namespace

ReadingExplanation ExplainReading(std::string_view written, std::string_view reading) {
  std::optional<Explainer> explainer = ExplainerOf(written, reading);
  return explainer ? explainer->explain() : ReadingExplanation{};
}

ReadingFit CheckReading(std::string_view written, std::string_view reading) {
  std::optional<Explainer> explainer = ExplainerOf(written, reading);
  return explainer ? explainer->fit() : ReadingFit::Unexplained;
}

}  // namespace quendrel
