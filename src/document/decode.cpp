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
    document.lfMode = IsFirstBreakBareLf(document.TextBuffer);
    if (ToCrLf(document.ScratchBuffer, document.TextBuffer, BufferCapacity)) {
      // TextBuffer keeps the raw bytes; nobody may show them as the document.
      return {LoadResult::ConvertedTooLarge, static_cast<unsigned long long>(count)};
    }
    CopyBack(document);
  }
  if (NeedsEncodingCheck(document.TextBuffer)) {
    document.eucMode = 0;
    if (DetectEncoding(document.TextBuffer, kEncodingEuc) == kEncodingEuc) {
      EucToSjis(document.ScratchBuffer, document.TextBuffer);
      CopyBack(document);
      document.eucMode = 1;
    }
  }
  return {LoadResult::Loaded, 0};
}

int EncodeTextForSave(DocumentState& document) {
  if (document.lfMode) {
    // Only a text that fills the whole buffer can reach the limit; its
    // converted form would be cut, so the save is refused instead.
    if (FromCrLf(document.ScratchBuffer, document.TextBuffer, BufferCapacity)) return 0;
    CopyBack(document);
  }
  if (document.eucMode) {
    SjisToEuc(document.ScratchBuffer, document.TextBuffer);
    CopyBack(document);
  }
  return 1;
}
