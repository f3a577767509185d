#pragma once

#include <string>

#include <gtest/gtest.h>

#include "fakes.h"
#include "in_memory_file_system.h"
#include "repair/repair_run.h"

namespace testing_support {

inline const std::wstring kRoot = L"C:\\DATA-REKODARIS-SM$";

// One window's worth of run: the real run logic over in-memory services.
struct RepairHarness {
  InMemoryFileSystem files;
  RecordingMessageBox messages;
  LibraryTextCase text_case;
  FakeEngineFactory engines{files};
  FakeWindow window;
  repair::RepairRun run{repair::Services{files, messages, text_case, engines, window}};

  void Click(const std::wstring& typed) {
    window.kod_sek_text = typed;
    run.cmdRepair_Click();
  }

  // A data root with one school's session folder holding its database.
  std::wstring AddSession(const std::wstring& folder_name, const std::wstring& database_name,
                          std::string content, FileEntry attributes = {}) {
    files.AddFolder(kRoot);
    const std::wstring folder = kRoot + L"\\" + folder_name;
    files.AddFolder(folder);
    if (!database_name.empty()) files.AddFile(folder + L"\\" + database_name, std::move(content), attributes);
    return folder;
  }

  const ShownMessage& OnlyMessage() const {
    EXPECT_EQ(messages.shown.size(), 1u);
    return messages.shown.at(0);
  }
};

}  // namespace testing_support
