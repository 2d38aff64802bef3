#include "document/file_form.h"

#include <windows.h>

#include "base/system_calls.h"
#include "text/text.h"

namespace {

// Shift_JIS and UTF-16 meet in the system's code page 932: it is on every
// Japanese Windows, and no table need travel in the exe.
constexpr UINT kCodePage932 = 932;

// The conversions go through these pieces of code units, so that no buffer
// of the whole text's units is needed.
constexpr int kPieceUnits = 1024;
WCHAR pieceUnits[kPieceUnits];
WCHAR roundTrip[kPieceUnits];

unsigned short* Units(WCHAR* units) {
  return reinterpret_cast<unsigned short*>(units);
}

// The file's Unicode text, after its mark, into Shift_JIS in ScratchBuffer.
// The seven JIS symbols take code page 932's code points, so that they show
// as their Shift_JIS characters. Every piece goes back to units to see that
// it survived: a character that code page 932 has no code for comes out as
// another one. A U+0000 ends the text, as a zero byte does in the others.
void DecodeUnicode(DocumentState& d, int count, TextEncoding encoding, int mark) {
  int malformed = 0;
  int at = mark;
  int out = 0;
  // Each unit gives at most two bytes and comes from at least two bytes of
  // UTF-16 or one of UTF-8 (three for the units that need two bytes), so the
  // text never outgrows the 55,999 bytes it came from.
  while (at < count && out < BufferCapacity) {
    int n =
        DecodeUnits(encoding, d.TextBuffer, count, &at, Units(pieceUnits), kPieceUnits, &malformed);
    for (int i = 0; i < n; ++i) {
      if (pieceUnits[i] == 0) {
        d.decodeLoss |= kLostAfterNul;
        n = i;
        at = count;
      }
    }
    ToCodePage932Symbols(Units(pieceUnits), n);
    BOOL defaulted = FALSE;
    int m = WideCharToMultiByte(kCodePage932, 0, pieceUnits, n, d.ScratchBuffer + out,
                                BufferCapacity - out, nullptr, &defaulted);
    if (m == 0 && n > 0) {  // no room left: shown cut, so the open check warns
      d.decodeLoss |= kLostUnmappable;
      break;
    }
    int back =
        MultiByteToWideChar(kCodePage932, 0, d.ScratchBuffer + out, m, roundTrip, kPieceUnits);
    bool same = back == n;
    for (int i = 0; same && i < n; ++i) same = roundTrip[i] == pieceUnits[i];
    if (defaulted || !same) d.decodeLoss |= kLostUnmappable;
    out += m;
  }
  d.ScratchBuffer[out] = 0;
  if (malformed) d.decodeLoss |= kLostMalformed;
  CopyText(d.TextBuffer, BufferCapacity + 1, d.ScratchBuffer);
}

// The Shift_JIS text in TextBuffer into the Unicode form, mark first; 0
// when it does not fit the buffer.
int EncodeUnicode(DocumentState& d) {
  const char* text = d.TextBuffer;
  const int length = TextLength(text);
  unsigned short mark = 0xFEFF;
  int out = d.form.byteOrderMark ? EncodeUnits(d.form.encoding, &mark, 1, d.ScratchBuffer, 3) : 0;
  for (int at = 0; at < length;) {
    // A piece ends between two characters.
    int piece = 0;
    while (piece < kPieceUnits && at + piece < length) {
      int step = SjisCharSize(text + at + piece);
      if (piece + step > kPieceUnits) break;
      piece += step;
    }
    int n = MultiByteToWideChar(kCodePage932, 0, text + at, piece, pieceUnits, kPieceUnits);
    if (n == 0) return 0;  // never a file cut short
    ToJisSymbols(Units(pieceUnits), n, d.form.jisSymbols);
    int m = EncodeUnits(d.form.encoding, Units(pieceUnits), n, d.ScratchBuffer + out,
                        BufferCapacity - out);
    if (m < 0) return 0;
    out += m;
    at += piece;
  }
  for (int i = 0; i < out; ++i) d.TextBuffer[i] = d.ScratchBuffer[i];
  d.TextBuffer[out] = 0;
  d.formLength = out;
  return 1;
}

}  // namespace

int CanHoldUnicodeForms() {
  return Calls().isValidCodePage(kCodePage932) != 0;
}

void ResetFileForm(DocumentState& document) {
  TextEncoding encoding = document.defaultEuc ? TextEncoding::Euc : TextEncoding::Sjis;
  if (document.defaultUtf8 && CanHoldUnicodeForms()) encoding = TextEncoding::Utf8;
  document.form = {encoding, 0, document.defaultLf, 0};
  document.decodeLoss = 0;
}

LoadOutcome DecodeFileForm(DocumentState& document, long long count, const TextEncoding* named) {
  const int length = static_cast<int>(count);  // at most the read's cap
  const char* bytes = document.TextBuffer;
  FileForm form = named ? FileFormIn(*named, bytes, length, document.form)
                        : GuessFileForm(bytes, length, document.form);
  // Without code page 932 (a Windows without Japanese support) a Unicode
  // file shows its bytes, and the open check warns.
  if (IsUnicode(form.encoding) && !CanHoldUnicodeForms()) {
    form = FileFormIn(DetectEncoding(bytes, TextEncoding::Euc), bytes, length, document.form);
  }
  document.form = form;
  if (IsUnicode(form.encoding)) {
    DecodeUnicode(document, length, form.encoding, MarkLength(form.encoding, bytes, length));
  }
  // Line ends as ever, now on the Shift_JIS text: in UTF-16 they are pairs.
  return DecodeLoadedText(document, count);
}

int EncodeFileForm(DocumentState& document) {
  if (!EncodeTextForSave(document)) return 0;
  if (IsUnicode(document.form.encoding)) return EncodeUnicode(document);
  document.formLength = TextLength(document.TextBuffer);
  return 1;
}

int FileFormLimit(const FileForm& form) {
  // A Unicode form may fill the buffer; the others must leave the byte that
  // tells a full buffer from a cut text.
  return IsUnicode(form.encoding) ? BufferCapacity : BufferCapacity - 1;
}

void ChooseFileForm(FileForm& form, int choice) {
  form.encoding = kFormChoices[choice].encoding;
  form.byteOrderMark = kFormChoices[choice].byteOrderMark;
}

int FileFormChoice(const FileForm& form) {
  for (int i = 0; i < kFormChoiceCount; ++i) {
    const FormChoice& c = kFormChoices[i];
    // Only UTF-8 has an item with its mark and one without.
    if (c.encoding == form.encoding &&
        (c.encoding != TextEncoding::Utf8 || c.byteOrderMark == form.byteOrderMark)) {
      return i;
    }
  }
  return 0;
}
