// Tests on the real main window: Start() opens it on a fresh settings file,
// and it is closed after every test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "document/document_state.h"
#include "harness.h"
#include "shell/document_commands.h"
#include "text/text.h"

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

// Tests of documents on real files: a fresh settings file and an empty test
// folder for each test; the window (opened by Start, on an optional document
// as the command line would) is closed dropping unsaved changes, and the
// current folder, which the file commands move, is put back.
class FileWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteSettingsFile();
    folder = TestFolder();
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    startFolder = current;
  }
  void TearDown() override {
    {
      BoxScript discard({{IDNO, ""}});
      if (window) CloseTestMainWindow(window);
    }
    SetCurrentDirectoryA(startFolder.c_str());
  }
  void Start(const char* documentPath = nullptr) { window = CreateTestMainWindow(documentPath); }
  std::string File(const std::string& name) { return folder + "\\" + name; }
  // Opens path as the Open command does once the dialog has returned, and
  // returns what OpenDocument did (1: shown).
  int Open(const std::string& path) {
    CopyText(Document.path, kPathCapacity, path.c_str());
    int shown = OpenDocument(window);
    PumpMessages();
    return shown;
  }

  HWND window = nullptr;
  std::string folder;
  std::string startFolder;
};
