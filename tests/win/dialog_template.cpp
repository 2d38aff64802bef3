#include "dialog_template.h"

const BYTE* DialogResource(int id, DWORD* size) {
  HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
  if (!resource) return nullptr;
  *size = SizeofResource(nullptr, resource);
  return static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
}

const WORD* ReadTemplateText(const WORD* p, std::string* text, int* ordinal) {
  *ordinal = -1;
  text->clear();
  if (*p == 0xFFFF) {
    *ordinal = p[1];
    return p + 2;
  }
  std::wstring wide;
  while (*p) wide.push_back(static_cast<wchar_t>(*p++));
  char bytes[512] = {};
  WideCharToMultiByte(932, 0, wide.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
  *text = bytes;
  return p + 1;
}

const WORD* AlignToItem(const WORD* p) {
  return reinterpret_cast<const WORD*>((reinterpret_cast<UINT_PTR>(p) + 3) & ~UINT_PTR(3));
}
