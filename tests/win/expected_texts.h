// Texts of the editor's boxes that tests of several files expect, each with
// the type its box must show (buttons | icon; the first button the default).
#pragma once

#include <windows.h>

#include <string>

const std::string kPrompt = "この文書は変更されています\n保存しますか？";
constexpr UINT kPromptType = MB_YESNOCANCEL | MB_ICONQUESTION;
const std::string kOpenFailed = "ファイルのオープンに失敗しました。";
constexpr UINT kOpenFailedType = MB_OK | MB_ICONWARNING;
const std::string kSaveFailed = "ファイルの保存に失敗しました";
constexpr UINT kSaveFailedType = MB_OK | MB_ICONWARNING;
const std::string kOpenDialog = "dialog:文書を開く";
const std::string kSaveDialog = "dialog:文書の保存";
// The head of the file dialogs' failure message; the error code follows.
const std::string kDialogFailed = "ダイアログの生成に失敗しました(";
constexpr UINT kDialogFailedType = MB_OK;
// The head of the too-large notice; the name and size in kB follow. With
// the hand-over on, it ends in the question.
const std::string kTooLarge =
    "この文書は Hakuzo で開くには大きすぎます (55,999 バイト、改行を CR LF にして 63,999 "
    "バイトまで)\n";
constexpr UINT kTooLargeType = MB_OK;
// While no editor takes such files, the notice says where to name one.
const std::string kNoEditorHint =
    "\n「オプション」>「他エディタ」で、このようなファイルを開くエディタを指定できます。";
constexpr UINT kHandOverType = MB_YESNO | MB_ICONQUESTION;
const std::string kNameTooLong = "ファイル名が長すぎるため開けません。";
constexpr UINT kNameTooLongType = MB_OK | MB_ICONWARNING;
const std::string kSaveRefused = "文書が大きすぎるため保存できません。";
constexpr UINT kSaveRefusedType = MB_OK | MB_ICONWARNING;
const std::string kWrapRefused = "文書が大きすぎるため、右端での折り返しを切り替えられません。";
const std::string kRelayFailed = "ファイルの受け渡しに失敗しました";
constexpr UINT kRelayFailedType = MB_OK | MB_ICONERROR;
const std::string kNotFound = "文字列が見つかりません";
constexpr UINT kNotFoundType = MB_OK | MB_ICONINFORMATION;
const std::string kQuestion = "置換しますか？";
constexpr UINT kQuestionType = MB_YESNO;
// The warning on opening a file whose bytes a save would change, by what the
// file holds; the common tail follows.
const std::string kUnkeptUnmappable =
    "このファイルには、Shift_JIS にない文字 (絵文字など) が含まれています。\n";
const std::string kUnkeptZero = "このファイルには NUL 文字 (00 のバイト) が含まれています。\n";
const std::string kAfterNulLost =
    "NUL 文字より後ろは表示されず、上書き保存するとその部分は失われます。";
const std::string kReopenHint = "「ファイル」>「開き直す」で読み直せます。";
const std::string kChangedOnDisk =
    "このファイルは他のプログラムで変更されています。上書きしますか？";
const std::string kSaveAltersFile =
    "このファイルには Hakuzo がそのまま保持できないバイトがあります。";
constexpr UINT kUnkeptType = MB_OK | MB_ICONWARNING;
constexpr UINT kSaveAltersFileType = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;
