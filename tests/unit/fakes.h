#pragma once

#include <cstdint>
#include <cwctype>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "in_memory_file_system.h"
#include "platform/database_engine.h"
#include "platform/failure.h"
#include "platform/message_box.h"
#include "platform/text_case.h"
#include "repair/repair_window.h"

namespace testing_support {

struct ShownMessage {
  std::wstring text;
  platform::MessageIcon icon;
  platform::MessageTitle title;
};

class RecordingMessageBox : public platform::MessageBoxService {
 public:
  void Show(const std::wstring& text, platform::MessageIcon icon,
            const platform::MessageTitle& title) override {
    shown.push_back({text, icon, title});
  }
  std::vector<ShownMessage> shown;
};

class FakeWindow : public repair::RepairWindow {
 public:
  std::wstring KodSekText() override { return kod_sek_text; }
  void FocusKodSek() override { ++focus_requests; }
  void Close() override { ++close_requests; }

  std::wstring kod_sek_text;
  int focus_requests = 0;
  int close_requests = 0;
};

// Upper-casing as the C library does it, which is enough for these tests.
class LibraryTextCase : public platform::TextCase {
 public:
  std::wstring UpperCase(const std::wstring& text) override {
    std::wstring upper = text;
    for (wchar_t& character : upper) character = static_cast<wchar_t>(std::towupper(character));
    return upper;
  }
};

// The compacted copy it writes is the source's content behind this marker.
inline constexpr char kCompactedMarker[] = "compacted:";

struct EngineCall {
  std::wstring source;
  std::wstring destination;
  std::int16_t options;
  std::wstring password;
};

// Stands in for the Access engine: writes a recognisable compacted copy into the
// in-memory file system, or fails as told.
class FakeEngineFactory : public platform::DatabaseEngineFactory {
 public:
  explicit FakeEngineFactory(InMemoryFileSystem& files) : files_(files) {}

  std::unique_ptr<platform::DatabaseEngine> Create(const std::wstring& class_name) override;

  bool registered = true;
  std::optional<platform::Failure> compact_failure;
  bool leaves_partial_copy_on_failure = false;
  std::vector<std::wstring> created_classes;
  std::vector<EngineCall> calls;
  int live_engines = 0;

 private:
  InMemoryFileSystem& files_;
};

}  // namespace testing_support
