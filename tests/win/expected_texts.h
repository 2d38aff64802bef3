// Texts of the editor's boxes that tests of several files expect.
#pragma once

#include <string>

const std::string kPrompt = "この文書は変更されています\n保存しますか？";
const std::string kOpenFailed = "ファイルのオープンに失敗しました。";
const std::string kOpenDialog = "dialog:文書を開く";
// The head of the too-large notice; the name and size in kB follow.
const std::string kTooLarge = "この文書は Hakuzo で開くには大きすぎます\n";
const std::string kNameTooLong = "ファイル名が長すぎるため開けません。";
const std::string kSaveRefused = "文書が大きすぎるため保存できません。";
const std::string kWrapRefused = "文書が大きすぎるため、右端での折り返しを切り替えられません。";
const std::string kRelayFailed = "ファイルの受け渡しに失敗しました";
const std::string kNotFound = "文字列が見つかりません";
const std::string kQuestion = "置換しますか？";
// The warning on opening a file whose bytes a save would change, by what the
// file holds; the common tail follows.
const std::string kUnkeptUtf16 = "このファイルは UTF-16 で書かれています。\n";
const std::string kUnkeptZero = "このファイルには NUL 文字 (00 のバイト) が含まれています。\n";
const std::string kSaveAltersFile = "このファイルには Hakuzo がそのまま保持できないバイトがあります。";
