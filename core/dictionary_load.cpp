// SPDX-License-Identifier: MIT
#include "core/dictionary_load.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <istream>
#include <system_error>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "core/enamdict_reader.h"
#include "core/name_parts.h"

namespace quendrel {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBlock = std::size_t{1} << 20U;

// The thousandths of the load that each step ends at, as long as each takes on this machine's
// dictionary.
constexpr int kRead = 450;
constexpr int kGathered = 700;
constexpr int kDone = 1000;

// What a path holds that is no file to read, or none.
std::optional<LoadProblem> Unfit(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  switch (status.type()) {
    case fs::file_type::not_found:
      return LoadProblem::Missing;
    case fs::file_type::regular:
      return std::nullopt;
    case fs::file_type::directory:
      return LoadProblem::Directory;
    case fs::file_type::fifo:
    case fs::file_type::socket:
      return LoadProblem::Pipe;
    case fs::file_type::block:
    case fs::file_type::character:
      return LoadProblem::Device;
    default:
      // Where even its kind cannot be looked at, a folder on the way is closed to the user.
      return error == std::errc::permission_denied ? LoadProblem::Unreadable : LoadProblem::Missing;
  }
}

// What the file is now, to tell whether it changed while it was read.
struct Stamp {
  std::uintmax_t size = 0;
  fs::file_time_type written;

  friend bool operator==(const Stamp&, const Stamp&) = default;
};

Stamp StampOf(const fs::path& path) {
  std::error_code error;
  return {fs::file_size(path, error), fs::last_write_time(path, error)};
}

// What a load leaves in glibc's arenas, the helper threads' too, goes back to the system when it
// ends, so that the window costs what its list holds; trimming waits until then rather than
// following every free. For the length of the load a block of a megabyte or more is mapped
// alone: glibc raises its threshold for that whenever such a block is freed, so that after the
// reading's passing buffers the dictionary's arrays would come from the arenas among the holes
// those buffers leave, 10 MB more resident for as long as the list is shown. Glibc's own first
// threshold, 128 KiB, keeps no less and makes the load slower, mapping many growing arrays.
class LoadMemory {
 public:
  LoadMemory() {
#ifdef __GLIBC__
    mallopt(M_TRIM_THRESHOLD, kNoTrimming);
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
#endif
  }
  ~LoadMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
    mallopt(M_TRIM_THRESHOLD, kGlibcThreshold);
#endif
  }
  LoadMemory(const LoadMemory&) = delete;
  LoadMemory& operator=(const LoadMemory&) = delete;
  LoadMemory(LoadMemory&&) = delete;
  LoadMemory& operator=(LoadMemory&&) = delete;

 private:
  static constexpr int kLargeBlock = 1 << 20;
  static constexpr int kGlibcThreshold = 128 << 10;  // glibc's own first value of both
  static constexpr int kNoTrimming = 1 << 30;
};

// The file's given names as records, with what the reading found, a block at a time.
EnamdictReader::Records ReadRecords(std::istream& eucJp, std::size_t size,
                                    const std::stop_token& stop,
                                    const std::function<void(int)>& report, DictionaryLoad& load) {
  EnamdictReader reader;
  reader.expect(size);
  std::string block(kBlock, '\0');
  std::size_t read = 0;
  char last = '\n';
  while (eucJp && !stop.stop_requested()) {
    eucJp.read(block.data(), static_cast<std::streamsize>(block.size()));
    const auto got = static_cast<std::size_t>(eucJp.gcount());
    if (got != 0) {
      reader.read(std::string_view{block}.substr(0, got));
      last = block[got - 1];
      read += got;
    }
    report(size == 0 ? 0 : static_cast<int>(kRead * std::min(read, size) / size));
  }
  reader.finish();
  load.lines = reader.lines();
  load.unreadable = reader.unreadable();
  load.longLines = reader.longLines();
  if (read == 0 && !eucJp.bad()) {
    load.problem = LoadProblem::Empty;
  } else if (eucJp.bad() || last != '\n') {
    load.problem = LoadProblem::CutShort;
  }
  report(kRead);
  EnamdictReader::Records records = reader.records(stop, kNameLength);
  load.unreadable += records.unreadable;
  report(kGathered);
  return records;
}

}  // namespace

DictionaryLoad LoadNameDictionary(std::istream& eucJp, std::size_t size,
                                  const std::stop_token& stop, const LoadProgress& progress) {
  const std::function<void(int)> report = [&progress](int thousandths) {
    if (progress) {
      progress(thousandths);
    }
  };
  const LoadMemory memory;
  DictionaryLoad load;
  EnamdictReader::Records records = ReadRecords(eucJp, size, stop, report, load);
  load.names = NameDictionary{std::move(records.names), stop};
  if (stop.stop_requested()) {
    DictionaryLoad stopped;
    stopped.problem = LoadProblem::Stopped;
    return stopped;
  }
  report(kDone);
  return load;
}

DictionaryLoad LoadNameDictionary(const std::string& path, const std::stop_token& stop,
                                  const LoadProgress& progress) {
  const auto answer = [&path](LoadProblem problem) {
    DictionaryLoad load;
    load.path = path;
    load.problem = problem;
    return load;
  };
  if (const std::optional<LoadProblem> unfit = Unfit(path)) {
    return answer(*unfit);
  }
  const Stamp before = StampOf(path);
  std::ifstream file{path, std::ios::binary};
  if (!file) {
    return answer(LoadProblem::Unreadable);
  }
  DictionaryLoad load =
      LoadNameDictionary(file, static_cast<std::size_t>(before.size), stop, progress);
  load.path = path;
  if (load.problem != LoadProblem::Stopped && !(StampOf(path) == before)) {
    load.problem = LoadProblem::Changed;
  }
  return load;
}

std::string NameDictionaryPath() {
  const char* chosen = std::getenv("QUENDREL_ENAMDICT");
  return chosen != nullptr ? chosen : std::string{kInstalledDictionary};
}

}  // namespace quendrel
