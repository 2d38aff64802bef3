#include "base/app_instance.h"

namespace {
HINSTANCE instanceHandle;
HICON iconHandle;
}  // namespace

void SetAppInstance(HINSTANCE instance) {
  instanceHandle = instance;
}
HINSTANCE AppInstance() {
  return instanceHandle;
}
HICON AppIcon() {
  return iconHandle;
}
void SetAppIcon(HICON icon) {
  iconHandle = icon;
}

int ShowMessage(HWND owner, const char* text, UINT type) {
  return MessageBoxA(owner, text, kAppName, type);
}
