// SPDX-License-Identifier: MIT
#include "ui/dictionary_load_texts.h"

#include "ui/candidate_texts.h"

namespace quendrel {
namespace {

constexpr std::string_view kRetry = "「辞書を読み直す」を押してください。";

// The package mends a file of its own; another file is the one QUENDREL_ENAMDICT names.
std::string Remedy(std::string_view path, std::string_view install) {
  if (path == kInstalledDictionary) {
    return std::string{"「"}.append(install).append("」で入れてから、").append(kRetry);
  }
  return "環境変数 QUENDREL_ENAMDICT で辞書のファイルを指すか外してから、このプログラムを開き直してください。";
}

std::string Problem(const DictionaryLoad& load) {
  const std::string file = std::string{"名前の辞書 "}.append(load.path);
  const std::string notFile = std::string{load.path}.append(" は");
  constexpr std::string_view kReinstall = "sudo apt install --reinstall enamdict";
  switch (load.problem) {
    case LoadProblem::None:
    case LoadProblem::Stopped:
      return {};
    case LoadProblem::Missing:
      return file + " がありません。" + Remedy(load.path, "sudo apt install enamdict");
    case LoadProblem::Unreadable:
      return file + " を読む権限がありません。ファイルとそのフォルダーの権限を確かめてから、" +
             std::string{kRetry};
    case LoadProblem::Directory:
      return notFile + "フォルダーで、名前の辞書のファイルではありません。" +
             Remedy(load.path, kReinstall);
    case LoadProblem::Device:
      return notFile + "装置で、名前の辞書のファイルではありません。" +
             Remedy(load.path, kReinstall);
    case LoadProblem::Pipe:
      return notFile + "パイプで、名前の辞書のファイルではありません。" +
             Remedy(load.path, kReinstall);
    case LoadProblem::Empty:
      return file + " は空です。" + Remedy(load.path, kReinstall);
    case LoadProblem::CutShort:
      return file + " は途中で切れていて、一覧は読めたところまでの名前です。" +
             Remedy(load.path, kReinstall);
    case LoadProblem::Changed:
      return file + " が読んでいる間に書き換わったので、一覧は途中までの名前かもしれません。" +
             std::string{kRetry};
  }
  return {};
}

}  // namespace

bool HasNames(const DictionaryLoad& load) {
  return load.problem == LoadProblem::None || load.problem == LoadProblem::CutShort ||
         load.problem == LoadProblem::Changed;
}

std::string LoadNotes(const DictionaryLoad& load) {
  std::string notes = Problem(load);
  if (load.names.uncounted() != 0) {
    notes.append("画数を数えられない字を含む ")
        .append(MatchCount(load.names.uncounted()))
        .append("の名前は除いています。");
  }
  if (load.unreadable != 0) {
    notes.append("辞書の ")
        .append(std::to_string(load.unreadable))
        .append(" 行は読めませんでした。");
  }
  if (load.longLines != 0) {
    notes.append("辞書の項目より長い ")
        .append(std::to_string(load.longLines))
        .append(" 行は飛ばしました。");
  }
  if (load.names.beyondLimit() != 0) {
    notes.append("一覧に入りきらない ")
        .append(MatchCount(load.names.beyondLimit()))
        .append("の名前は除いています。");
  }
  return notes;
}

}  // namespace quendrel
