#include "codec/codec.h"
#include "document/document_state.h"
#include "text/text.h"

DocumentState Document;

namespace {
void CopyBack(DocumentState& document) {
  CopyText(document.TextBuffer, BufferCapacity + 1, document.ScratchBuffer);
}
}  // namespace

LoadOutcome DecodeLoadedText(DocumentState& document, long long count) {
  if (HasLineBreak(document.TextBuffer)) {
    if (ToCrLf(document.ScratchBuffer, document.TextBuffer, BufferCapacity)) {
      // TextBuffer keeps the raw bytes; nobody may show them as the document.
      return {LoadResult::ConvertedTooLarge, static_cast<unsigned long long>(count)};
    }
    CopyBack(document);
  }
  if (ByteFormToSjis(document.form.encoding, document.ScratchBuffer, document.TextBuffer)) {
    CopyBack(document);
  }
  return {LoadResult::Loaded, 0};
}

int EncodeTextForSave(DocumentState& document) {
  // The view can hold more than the buffer: a text that fills the whole
  // buffer may be the cut head of a longer one, and saving it would lose
  // the rest. Refused in both line-end modes, before anything is converted.
  if (TextLength(document.TextBuffer) >= BufferCapacity) return 0;
  if (document.form.lfMode) {
    FromCrLf(document.ScratchBuffer, document.TextBuffer, BufferCapacity);  // never lengthens
    CopyBack(document);
  }
  // EUC-JP's half-width katakana take a byte more each: a form past the
  // buffer is refused, never cut.
  const int converted = SjisToByteForm(document.form.encoding, document.ScratchBuffer,
                                       document.TextBuffer, BufferCapacity);
  if (converted < 0) return 0;
  if (converted) CopyBack(document);
  return 1;
}
