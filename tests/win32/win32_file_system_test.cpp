#include "platform/win32/win32_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_failure.h"
#include "platform/win32/win32_headers.h"

namespace platform::win32 {
namespace {

// A session folder name with Latin-1 and CJK letters, as a school could type it.
const std::wstring kNonAsciiFolder = L"DataSesi2023-SM-\u00C0\u00C9\u4E2D";
const std::wstring kNonAsciiFile = L"RekodarisSM2023 \u00E9\u4E2D.accdb";

// The failure number an operation raised, or 0 when it raised none.
std::int32_t FailureNumberOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const Failure& failure) {
    return failure.number();
  }
  return 0;
}

// Every test works in its own fresh folder under the temp folder.
class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH + 1] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::wstring(temp) + L"win32_fs_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::wstring(test->name(), test->name() + std::char_traits<char>::length(test->name()));
    ASSERT_TRUE(CreateDirectoryW(root_.c_str(), nullptr)) << GetLastError();
  }

  void TearDown() override {
    // Attributes first: a read-only or system file would survive remove_all.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored)) {
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(root_, ignored);
  }

  std::wstring At(const std::wstring& name) const { return root_ + L"\\" + name; }

  void MakeFile(const std::wstring& name, const std::string& bytes,
                DWORD attributes = FILE_ATTRIBUTE_NORMAL) const {
    UniqueFileHandle file(CreateFileW(At(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.valid()) << GetLastError();
    DWORD written = 0;
    ASSERT_TRUE(
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    ASSERT_EQ(written, bytes.size());
    file = UniqueFileHandle();
    ASSERT_TRUE(SetFileAttributesW(At(name).c_str(), attributes)) << GetLastError();
  }

  void MakeFolder(const std::wstring& name, DWORD attributes = 0) const {
    ASSERT_TRUE(CreateDirectoryW(At(name).c_str(), nullptr)) << GetLastError();
    if (attributes != 0) {
      ASSERT_TRUE(SetFileAttributesW(At(name).c_str(), attributes)) << GetLastError();
    }
  }

  std::string Content(const std::wstring& name) const {
    UniqueFileHandle file(CreateFileW(At(name).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return "<missing>";
    std::string bytes(GetFileSize(file.get(), nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
      return "<unreadable>";
    }
    return bytes;
  }

  bool Present(const std::wstring& name) const {
    return GetFileAttributesW(At(name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  Win32FileSystem fs_;
  std::wstring root_;
};

TEST_F(Win32FileSystemTest, SubFoldersNamesDirectFoldersOnlyAsStored) {
  MakeFolder(L"DataSesi2023-SM-abc");
  MakeFolder(L"datasesi2022-SM-Xyz");
  MakeFolder(L"datasesi2022-SM-Xyz\\DataSesi2030-SM-Nested");
  MakeFolder(L"Hidden System", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(kNonAsciiFolder);
  MakeFile(L"DataSesi2021.txt", "not a folder");
  std::vector<std::wstring> expected = {L"DataSesi2023-SM-abc", L"datasesi2022-SM-Xyz",
                                        L"Hidden System", kNonAsciiFolder};
  std::sort(expected.begin(), expected.end());

  for (const std::wstring& path : {root_, root_ + L"\\"}) {
    std::vector<std::wstring> names = fs_.SubFolders(fs_.GetFolder(path));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected);
  }
}

TEST_F(Win32FileSystemTest, SubFoldersOfAnEmptyFolderIsEmpty) {
  EXPECT_TRUE(fs_.SubFolders(fs_.GetFolder(root_)).empty());
}

TEST_F(Win32FileSystemTest, MissingFolderIsPathNotFound) {
  MakeFile(L"DataSesi2023", "a file where a folder is expected");
  for (const wchar_t* name : {L"Missing", L"Missing\\Deeper", L"DataSesi2023"}) {
    SCOPED_TRACE(testing::Message() << name);
    try {
      fs_.GetFolder(At(name));
      ADD_FAILURE() << "GetFolder raised nothing";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.number(), failure_number::kPathNotFound);
      EXPECT_EQ(failure.description(), L"Path not found");
    }
  }
  // A folder that vanished after GetFolder fails when it is enumerated.
  EXPECT_EQ(FailureNumberOf([&] { fs_.SubFolders(Folder{At(L"Missing")}); }),
            failure_number::kPathNotFound);
}

TEST_F(Win32FileSystemTest, FileExistsOnlyForFiles) {
  MakeFile(L"plain.accdb", "x");
  MakeFile(L"hidden.accdb", "x", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(L"readonly.accdb", "x", FILE_ATTRIBUTE_READONLY);
  MakeFolder(L"folder.accdb");
  const struct {
    const wchar_t* name;
    bool exists;
  } cases[] = {
      {L"plain.accdb", true},           {L"hidden.accdb", true},  {L"readonly.accdb", true},
      {L"PLAIN.ACCDB", true},           {L"folder.accdb", false}, {L"missing.accdb", false},
      {L"Missing\\plain.accdb", false}, {L"*.accdb", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fs_.FileExists(At(c.name)), c.exists) << c.name;
  }
}

TEST_F(Win32FileSystemTest, DirSeesOnlyOrdinaryFilesAtTheExactPath) {
  MakeFile(L"RekodarisSM2023.accdb", "db");
  MakeFile(L"ReadOnly.accdb", "db", FILE_ATTRIBUTE_READONLY);
  MakeFile(L"Hidden.accdb", "db", FILE_ATTRIBUTE_HIDDEN);
  MakeFile(L"System.accdb", "db", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(L"Folder.accdb");
  MakeFolder(kNonAsciiFolder);
  MakeFile(kNonAsciiFolder + L"\\" + kNonAsciiFile, "db");
  const struct {
    std::wstring name;
    std::wstring found;
  } cases[] = {
      {L"RekodarisSM2023.accdb", L"RekodarisSM2023.accdb"},
      {L"REKODARISSM2023.ACCDB", L"RekodarisSM2023.accdb"},
      {L"ReadOnly.accdb", L"ReadOnly.accdb"},
      {kNonAsciiFolder + L"\\" + kNonAsciiFile, kNonAsciiFile},
      {L"Hidden.accdb", L""},
      {L"System.accdb", L""},
      {L"Folder.accdb", L""},
      {L"Missing.accdb", L""},
      {L"Missing\\RekodarisSM2023.accdb", L""},
      {L"*.accdb", L""},
      {L"RekodarisSM202?.accdb", L""},
      {L"RekodarisSM2023<", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fs_.Dir(At(c.name)), c.found) << c.name;
  }
}

TEST_F(Win32FileSystemTest, DeleteFileRemovesReadOnlyFileAndFailsOnMissing) {
  MakeFile(L"RekodarisSM2023.laccdb", "lock", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  fs_.DeleteFile(At(L"RekodarisSM2023.laccdb"));
  EXPECT_FALSE(Present(L"RekodarisSM2023.laccdb"));
  EXPECT_EQ(FailureNumberOf([&] { fs_.DeleteFile(At(L"RekodarisSM2023.laccdb")); }),
            failure_number::kFileNotFound);
}

TEST_F(Win32FileSystemTest, CopyFileReplacesDestinationWithExactBytes) {
  std::string bytes(70000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<char>((i * 131 + i / 256) % 256);
  }
  MakeFolder(kNonAsciiFolder);
  const std::wstring source = kNonAsciiFolder + L"\\" + kNonAsciiFile;
  MakeFile(source, bytes);
  MakeFile(L"backup.accdb", std::string(100000, 'x'));

  fs_.CopyFile(At(source), At(L"backup.accdb"));
  EXPECT_TRUE(Content(L"backup.accdb") == bytes);
  EXPECT_TRUE(Content(source) == bytes);
  EXPECT_EQ(FailureNumberOf([&] { fs_.CopyFile(At(L"missing.accdb"), At(L"other.accdb")); }),
            failure_number::kFileNotFound);
}

TEST_F(Win32FileSystemTest, RenameMovesTheFile) {
  MakeFolder(kNonAsciiFolder);
  MakeFile(kNonAsciiFolder + L"\\compact.accdb", "compacted");
  const std::wstring target = kNonAsciiFolder + L"\\" + kNonAsciiFile;
  fs_.Rename(At(kNonAsciiFolder + L"\\compact.accdb"), At(target));
  EXPECT_FALSE(Present(kNonAsciiFolder + L"\\compact.accdb"));
  EXPECT_EQ(Content(target), "compacted");
}

TEST_F(Win32FileSystemTest, RenameNeverReplacesAndNeedsItsSource) {
  MakeFile(L"compact.accdb", "compacted");
  MakeFile(L"database.accdb", "original");

  EXPECT_EQ(FailureNumberOf([&] { fs_.Rename(At(L"compact.accdb"), At(L"database.accdb")); }),
            failure_number::kFileAlreadyExists);
  EXPECT_EQ(Content(L"compact.accdb"), "compacted");
  EXPECT_EQ(Content(L"database.accdb"), "original");

  EXPECT_EQ(FailureNumberOf([&] { fs_.Rename(At(L"missing.accdb"), At(L"other.accdb")); }),
            failure_number::kFileNotFound);
  EXPECT_FALSE(Present(L"other.accdb"));
}

TEST_F(Win32FileSystemTest, FlushWorksOnAFileInUseAndFailsOnMissing) {
  MakeFile(L"backup.accdb", "backup");
  // Another reader and writer keeps the file open, as an engine or a copy might.
  const UniqueFileHandle other(CreateFileW(
      At(L"backup.accdb").c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(other.valid());
  EXPECT_EQ(FailureNumberOf([&] { fs_.Flush(At(L"backup.accdb")); }), 0);
  EXPECT_EQ(Content(L"backup.accdb"), "backup");
  EXPECT_EQ(FailureNumberOf([&] { fs_.Flush(At(L"missing.accdb")); }),
            failure_number::kFileNotFound);
}

TEST_F(Win32FileSystemTest, FlushWorksOnAReadOnlyFileAndKeepsItReadOnly) {
  MakeFile(L"backup.accdb", "backup of a read-only database");
  ASSERT_TRUE(SetFileAttributesW(At(L"backup.accdb").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(FailureNumberOf([&] { fs_.Flush(At(L"backup.accdb")); }), 0);
  EXPECT_NE(GetFileAttributesW(At(L"backup.accdb").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(Content(L"backup.accdb"), "backup of a read-only database");
}

TEST(Win32FailureTest, KnownErrorsGetTheirNumbersOthersTheSystemText) {
  const struct {
    DWORD code;
    std::int32_t number;
    std::wstring description;
  } cases[] = {
      {ERROR_FILE_NOT_FOUND, 53, L"File not found"},
      {ERROR_FILE_EXISTS, 58, L"File already exists"},
      {ERROR_ALREADY_EXISTS, 58, L"File already exists"},
      {ERROR_DISK_FULL, 61, L"Disk full"},
      {ERROR_HANDLE_DISK_FULL, 61, L"Disk full"},
      {ERROR_ACCESS_DENIED, 70, L"Permission denied"},
      {ERROR_SHARING_VIOLATION, 70, L"Permission denied"},
      {ERROR_LOCK_VIOLATION, 70, L"Permission denied"},
      {ERROR_PATH_NOT_FOUND, 76, L"Path not found"},
      {ERROR_INVALID_NAME, 76, L"Path not found"},
      {ERROR_BAD_PATHNAME, 76, L"Path not found"},
      {ERROR_INVALID_DRIVE, 76, L"Path not found"},
      {ERROR_CRC, 75, SystemErrorText(ERROR_CRC)},
  };
  for (const auto& c : cases) {
    const Failure failure = FailureFromWin32Error(c.code);
    EXPECT_EQ(failure.number(), c.number) << c.code;
    EXPECT_EQ(failure.description(), c.description) << c.code;
  }
  EXPECT_FALSE(SystemErrorText(ERROR_CRC).empty());
  // A code with the customer bit set has no system text; its number still shows.
  EXPECT_NE(FailureFromWin32Error(0x2000ABCDu).description().find(L"2000ABCD"), std::wstring::npos);
}

}  // namespace
}  // namespace platform::win32
