// The one place that decides the document file's form and turns on it:
// every encoding's load, save, name and switch.
#pragma once

#include "document/document_state.h"

// Whether this Windows has code page 932, through which the editor's text
// reaches the Unicode forms. Without it no document takes one.
int CanHoldUnicodeForms();

// The form of a new document and the start of every load: the defaults.
void ResetFileForm(DocumentState& document);

// The load's decoding of the count file bytes in TextBuffer into editor
// form, in the form guessed from them, or in the encoding the user names
// when named is given. Sets form and decodeLoss.
LoadOutcome DecodeFileForm(DocumentState& document, long long count,
                           const TextEncoding* named = nullptr);

// The save's encoding of the editor text in TextBuffer into the file form,
// in place, its length in formLength. 0 when the text or its form does not
// fit the buffers: nothing may then be written.
int EncodeFileForm(DocumentState& document);

// The most bytes a save in the form can write.
int FileFormLimit(const FileForm& form);

// The form the next save writes, as kFormChoices[choice] names it.
void ChooseFileForm(FileForm& form, int choice);
// The item of kFormChoices that shows form.
int FileFormChoice(const FileForm& form);
