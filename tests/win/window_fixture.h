// Tests on the real main window: Start() opens it on a fresh settings file,
// and it is closed after every test.
#pragma once

#include <gtest/gtest.h>

#include "harness.h"

class MainWindowTest : public testing::Test {
 protected:
  void Start() {
    DeleteSettingsFile();
    main_ = CreateTestMainWindow();
  }
  void TearDown() override {
    if (main_) CloseTestMainWindow(main_);
  }
  HWND main_ = nullptr;
};
