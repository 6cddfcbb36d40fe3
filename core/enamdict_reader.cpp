// SPDX-License-Identifier: MIT
#include "core/enamdict_reader.h"

#include <algorithm>
#include <optional>
#include <span>
#include <thread>

#include "core/characters.h"
#include "core/huge_pages.h"

namespace quendrel {
namespace {

// No EUC-JP character takes more bytes: a JIS X 0212 kanji, 0x8F and two more.
constexpr std::size_t kLongestEucJpCharacter = 3;

// How many forms a helper gathers between two looks at the stop token.
constexpr std::size_t kFormsBetweenStops = 4096;

void AddReading(NameRecord& name, std::string kana, Sexes sexes) {
  const auto same = std::ranges::find(name.readings, kana, &ReadingRecord::kana);
  if (same != name.readings.end()) {
    same->sexes |= sexes;
  } else {
    name.readings.push_back({std::move(kana), sexes});
  }
}

// Each written form of a run of lines sorted by it, with the readings of all its lines.
EnamdictReader::Records GatherForms(std::span<const RawLine> lines, std::size_t longest,
                                    const std::stop_token& stop) {
  EnamdictReader::Records gathered;
  std::size_t forms = 0;
  for (auto first = lines.begin(); first != lines.end();) {
    if (++forms % kFormsBetweenStops == 0 && stop.stop_requested()) {
      return {};
    }
    const auto last = std::find_if(
        first, lines.end(), [&](const RawLine& line) { return line.written != first->written; });
    if (first->written.size() > kLongestEucJpCharacter * longest) {
      first = last;  // certainly longer: not decoded at all
      continue;
    }
    const std::optional<std::string> written = DecodeEucJp(first->written);
    if (!written) {
      gathered.unreadable += static_cast<std::size_t>(last - first);
      first = last;
      continue;
    }
    NameRecord name{*written, {}};
    for (; first != last; ++first) {
      const std::optional<std::string> reading =
          first->reading.empty() ? written : DecodeEucJp(first->reading);
      if (reading) {
        AddReading(name, FoldKana(*reading), first->sexes);
      } else {
        ++gathered.unreadable;
      }
    }
    if (!name.readings.empty()) {
      std::ranges::sort(name.readings, {}, &ReadingRecord::kana);
      gathered.names.push_back(std::move(name));
    }
  }
  return gathered;
}

// The lines sorted by written form and cut into runs of whole forms, one for each processor.
std::vector<std::span<const RawLine>> Runs(std::span<const RawLine> lines) {
  const std::size_t parts = std::clamp(std::thread::hardware_concurrency(), 1U, 4U);
  std::vector<std::span<const RawLine>> runs;
  for (std::size_t part = 1, begin = 0; part <= parts; ++part) {
    std::size_t end = lines.size() * part / parts;
    while (end > begin && end < lines.size() && lines[end].written == lines[end - 1].written) {
      ++end;
    }
    runs.push_back(lines.subspan(begin, end - begin));
    begin = end;
  }
  return runs;
}

}  // namespace

void EnamdictReader::read(std::string_view block) {
  std::size_t start = 0;
  for (std::size_t end = block.find('\n'); end != std::string_view::npos;
       end = block.find('\n', start)) {
    const std::string_view piece = block.substr(start, end - start);
    start = end + 1;
    if (skipping_ || carried_.size() + piece.size() > kLongestLine) {
      ++lines_;
      ++longLines_;
    } else if (carried_.empty()) {
      readLine(piece);
    } else {
      readLine(carried_.append(piece));
    }
    carried_.clear();
    skipping_ = false;
  }
  const std::string_view rest = block.substr(start);
  if (skipping_ || carried_.size() + rest.size() > kLongestLine) {
    // Nothing of an endless line is kept: a device that never ends a line costs no memory.
    carried_.clear();
    skipping_ = true;
  } else {
    carried_.append(rest);
  }
}

// ENAMDICT keeps a fifth of its bytes, and has a line for every 36 bytes. Room is made for a file
// of up to 64 MiB, more than twice ENAMDICT: a larger one, or a device that claims any size,
// grows as it is read rather than reserving its size at once.
void EnamdictReader::expect(std::size_t bytes) {
  constexpr std::size_t kKeptShare = 4;
  constexpr std::size_t kShortestLines = 32;
  constexpr std::size_t kLargestExpected = std::size_t{64} << 20U;
  bytes = std::min(bytes, kLargestExpected);
  kept_.reserve(bytes / kKeptShare);
  offsets_.reserve(bytes / kShortestLines);
  PreferHugePages(kept_);
  PreferHugePages(offsets_);
}

void EnamdictReader::finish() {
  if (skipping_) {
    ++lines_;
    ++longLines_;
  } else if (!carried_.empty()) {
    readLine(carried_);
  }
  carried_.clear();
  skipping_ = false;
}

void EnamdictReader::readLine(std::string_view line) {
  ++lines_;
  if (line.ends_with('\r')) {
    line.remove_suffix(1);
  }
  const std::optional<RawLine> raw = ReadLine(line);
  if (!raw) {
    ++unreadable_;
  } else if (raw->person) {
    offsets_.push_back({kept_.size(), static_cast<std::uint32_t>(raw->written.size()),
                        static_cast<std::uint32_t>(raw->reading.size()), raw->sexes});
    kept_.append(raw->written).append(raw->reading);
  }
}

// Decoding is most of the work, so the forms are shared among the processors, each taking whole
// forms.
EnamdictReader::Records EnamdictReader::records(std::stop_token stop, std::size_t longest) const {
  const std::string_view kept = kept_;
  const auto written = [&](const Offsets& o) { return kept.substr(o.begin, o.written); };
  std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
  order.reserve(offsets_.size());
  PreferHugePages(order);
  for (std::uint32_t line = 0; line < offsets_.size(); ++line) {
    order.emplace_back(BytePrefix(written(offsets_[line])), line);
  }
  // The order of a form's lines does not matter: its readings are sorted once gathered.
  std::ranges::sort(order, [&](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first
                              : written(offsets_[a.second]) < written(offsets_[b.second]);
  });
  std::vector<RawLine> lines;
  lines.reserve(offsets_.size());
  PreferHugePages(lines);
  for (const auto& [prefix, line] : order) {
    const Offsets& o = offsets_[line];
    lines.push_back({written(o), kept.substr(o.begin + o.written, o.reading), o.sexes, true});
  }
  const std::vector<std::span<const RawLine>> runs = Runs(lines);
  std::vector<Records> parts(runs.size());
  {
    std::vector<std::jthread> helpers;
    for (std::size_t run = 1; run < runs.size(); ++run) {
      helpers.emplace_back([&parts, &runs, &stop, longest, run] {
        parts[run] = GatherForms(runs[run], longest, stop);
      });
    }
    parts.front() = GatherForms(runs.front(), longest, stop);
  }
  Records all;
  if (stop.stop_requested()) {
    return all;
  }
  std::size_t names = 0;
  for (const Records& part : parts) {
    names += part.names.size();
  }
  all.names.reserve(names);
  PreferHugePages(all.names);
  for (Records& part : parts) {
    std::ranges::move(part.names, std::back_inserter(all.names));
    all.unreadable += part.unreadable;
  }
  return all;
}

}  // namespace quendrel
