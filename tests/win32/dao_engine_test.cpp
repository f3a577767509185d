#include "platform/win32/dao_engine_factory.h"

#include "platform/failure.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/com_failure.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/unique_excep_info.h"
#include "platform/win32/win32_headers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::Failure;
using platform::win32::DaoEngineFactory;

constexpr wchar_t kEngineClass[] = L"DAO.DBEngine.120";
constexpr wchar_t kPassword[] = L";pwd=Kd?Wy3*%[71e60935]~";
constexpr std::int16_t kVersion12Format = 128;
constexpr char kCompactedHeader[] = "COMPACTED BY STAND-IN ENGINE\r\n";
constexpr wchar_t kCannotCreateObject[] = L"ActiveX component can't create object";

// The stand-in engine DLL, found beside this test program's build output.
fs::path StandinPath() {
  std::vector<wchar_t> buffer(32768);
  const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  return (fs::path(std::wstring(buffer.data(), length)).parent_path() / ENGINE_STANDIN_RELATIVE_PATH)
      .lexically_normal();
}

// The loaded stand-in DLL, freed when the test is over.
class LoadedStandin {
 public:
  LoadedStandin() : module_(LoadLibraryW(StandinPath().c_str())) {}
  ~LoadedStandin() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  LoadedStandin(const LoadedStandin&) = delete;
  LoadedStandin& operator=(const LoadedStandin&) = delete;

  bool Loaded() const { return module_ != nullptr; }
  HRESULT Call(const char* export_name) const {
    const auto function = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(module_, export_name)));
    return function == nullptr ? E_NOTIMPL : function();
  }

 private:
  HMODULE module_;
};

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A scratch folder for one test's databases.
class ScratchFolder {
 public:
  ScratchFolder() : path_(fs::temp_directory_path() / (L"dao-engine-test-" + std::to_wstring(GetCurrentProcessId()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  fs::path operator/(const wchar_t* name) const { return path_ / name; }

 private:
  fs::path path_;
};

// Runs f, which must fail, and gives back the failure.
template <typename F>
Failure FailureOf(F&& f) {
  try {
    std::forward<F>(f)();
  } catch (const Failure& failure) {
    return failure;
  }
  ADD_FAILURE() << "no failure was raised";
  return Failure(0, L"");
}

class DaoEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(apartment_.result()));
    ASSERT_TRUE(standin_.Loaded()) << "cannot load " << StandinPath().string();
    ASSERT_EQ(standin_.Call("DllRegisterServer"), S_OK);
    source_ = folder_ / L"SM1234 2024.accdb";
    destination_ = folder_ / L"SM1234 2024 compact.accdb";
  }
  void TearDown() override { EXPECT_EQ(standin_.Call("DllUnregisterServer"), S_OK); }

  void Compact() {
    DaoEngineFactory().Create(kEngineClass)->CompactDatabase(source_.wstring(), destination_.wstring(),
                                                             kVersion12Format, kPassword);
  }

  platform::win32::ComApartment apartment_;
  LoadedStandin standin_;
  ScratchFolder folder_;
  fs::path source_;
  fs::path destination_;
};

TEST_F(DaoEngineTest, WritesCompactedCopyAndLeavesSourceUnchanged) {
  // Binary content longer than two of the stand-in's 4 MiB blocks, so that the copy streams.
  std::string database(9 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < database.size(); ++i) database[i] = static_cast<char>(i * 7 % 251);
  WriteBytes(source_, database);

  Compact();

  EXPECT_EQ(ReadBytes(destination_), kCompactedHeader + database);
  EXPECT_EQ(ReadBytes(source_), database);
}

TEST_F(DaoEngineTest, HoldsEngineObjectUntilDestroyed) {
  auto engine = DaoEngineFactory().Create(kEngineClass);
  EXPECT_EQ(standin_.Call("DllCanUnloadNow"), S_FALSE);
  engine.reset();
  EXPECT_EQ(standin_.Call("DllCanUnloadNow"), S_OK);
}

struct EngineFailureCase {
  const char* database;
  std::int32_t number;
  const wchar_t* description;
  bool leaves_partial_copy;
};

void PrintTo(const EngineFailureCase& engine_case, std::ostream* out) { *out << engine_case.database; }

class DaoEngineFailureTest : public DaoEngineTest, public ::testing::WithParamInterface<EngineFailureCase> {};

TEST_P(DaoEngineFailureTest, RaisesEngineNumberAndDescription) {
  const EngineFailureCase& engine_case = GetParam();
  WriteBytes(source_, engine_case.database);

  const Failure failure = FailureOf([&] { Compact(); });

  EXPECT_EQ(failure.number(), engine_case.number);
  EXPECT_EQ(failure.description(), engine_case.description);
  EXPECT_EQ(fs::exists(destination_), engine_case.leaves_partial_copy);
  EXPECT_EQ(ReadBytes(source_), engine_case.database);
}

INSTANTIATE_TEST_SUITE_P(
    DaoStandinRefuses, DaoEngineFailureTest,
    ::testing::Values(
        // A FACILITY_CONTROL error: the number is the low word.
        EngineFailureCase{"FAIL 3031 Not a valid password.\r\ndata", 3031, L"Not a valid password.", false},
        // Any other HRESULT is the number itself.
        EngineFailureCase{"FAIL -2147467259 Unspecified error\r\n", -2147467259, L"Unspecified error", false},
        EngineFailureCase{"FAIL 0 \r\n", 0, L"", false},
        EngineFailureCase{"FAIL-PARTIAL 3049 Cannot open database ''.  It may not be a database.\r\n0123456789",
                          3049, L"Cannot open database ''.  It may not be a database.", true}));

TEST_F(DaoEngineTest, FailsWhenDestinationExistsAndKeepsIt) {
  WriteBytes(source_, "database");
  WriteBytes(destination_, "left by an earlier run");

  const Failure failure = FailureOf([&] { Compact(); });

  EXPECT_EQ(failure.number(), 3204);
  EXPECT_EQ(failure.description(), L"Database already exists.");
  EXPECT_EQ(ReadBytes(destination_), "left by an earlier run");
}

TEST_F(DaoEngineTest, FailsWhenSourceIsMissing) {
  const Failure failure = FailureOf([&] { Compact(); });

  EXPECT_EQ(failure.number(), 3024);
  EXPECT_EQ(failure.description(), L"Could not find file '" + source_.wstring() + L"'.");
  EXPECT_FALSE(fs::exists(destination_));
}

// The stand-in checks its arguments as the engine receives them, so a wrong
// value passed through is reported against its position.
TEST_F(DaoEngineTest, PassesOptionsAndPasswordThrough) {
  WriteBytes(source_, "database");
  auto engine = DaoEngineFactory().Create(kEngineClass);

  const Failure wrong_options =
      FailureOf([&] { engine->CompactDatabase(source_.wstring(), destination_.wstring(), 32, kPassword); });
  EXPECT_EQ(wrong_options.number(), 3000);
  EXPECT_NE(wrong_options.description().find(L"argument 4"), std::wstring::npos) << wrong_options.description();

  const Failure wrong_password = FailureOf(
      [&] { engine->CompactDatabase(source_.wstring(), destination_.wstring(), kVersion12Format, L";pwd=x"); });
  EXPECT_EQ(wrong_password.number(), 3000);
  EXPECT_NE(wrong_password.description().find(L"argument 5"), std::wstring::npos);
  EXPECT_FALSE(fs::exists(destination_));
}

// Registers a class name for one test, for the current user; where the system
// does not merge the user's classes into HKEY_CLASSES_ROOT (Wine), for the
// machine as well.
class TemporaryClassName {
 public:
  explicit TemporaryClassName(const wchar_t* server_path) {
    for (const HKEY root : kRoots) {
      SetText(root, prog_id_key_ + L"\\CLSID", nullptr, class_id_);
      if (server_path != nullptr) {
        SetText(root, class_id_key_ + L"\\InprocServer32", nullptr, server_path);
        SetText(root, class_id_key_ + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
      }
      HKEY visible = nullptr;
      if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kName, 0, KEY_READ, &visible) == ERROR_SUCCESS) {
        RegCloseKey(visible);
        break;
      }
    }
  }
  ~TemporaryClassName() {
    for (const HKEY root : kRoots) {
      RegDeleteTreeW(root, prog_id_key_.c_str());
      RegDeleteTreeW(root, class_id_key_.c_str());
    }
  }
  TemporaryClassName(const TemporaryClassName&) = delete;
  TemporaryClassName& operator=(const TemporaryClassName&) = delete;

  static constexpr wchar_t kName[] = L"DaoEngineTest.Missing.1";

 private:
  static void SetText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& text) {
    ASSERT_EQ(RegSetKeyValueW(root, key.c_str(), name, REG_SZ, text.c_str(),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }

  inline static const HKEY kRoots[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
  const std::wstring class_id_ = L"{0B6C3C5E-3F0A-4D8E-9D53-1E2F4A7B9C01}";
  const std::wstring prog_id_key_ = std::wstring(L"Software\\Classes\\") + kName;
  const std::wstring class_id_key_ = L"Software\\Classes\\CLSID\\" + class_id_;
};

class DaoEngineFactoryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(apartment_.result())); }

  platform::win32::ComApartment apartment_;
};

TEST_F(DaoEngineFactoryTest, EngineThatCannotBeCreatedIsFailure429) {
  const auto expect_429 = [](const wchar_t* class_name) {
    const Failure failure = FailureOf([&] { DaoEngineFactory().Create(class_name); });
    EXPECT_EQ(failure.number(), 429);
    EXPECT_EQ(failure.description(), kCannotCreateObject);
  };
  {
    SCOPED_TRACE("class name not registered");
    expect_429(TemporaryClassName::kName);
  }
  {
    SCOPED_TRACE("class id without a server");
    TemporaryClassName registered(nullptr);
    expect_429(TemporaryClassName::kName);
  }
  {
    SCOPED_TRACE("server DLL missing");
    TemporaryClassName registered(L"C:\\nowhere\\no-such-engine.dll");
    expect_429(TemporaryClassName::kName);
  }
}

// An object that does not know CompactDatabase: the lookup's own HRESULT is the number.
TEST_F(DaoEngineFactoryTest, ObjectWithoutCompactDatabaseFailsWithLookupError) {
  auto engine = DaoEngineFactory().Create(L"Scripting.FileSystemObject");

  const Failure failure = FailureOf([&] { engine->CompactDatabase(L"a.accdb", L"b.accdb", 128, kPassword); });

  EXPECT_EQ(failure.number(), static_cast<std::int32_t>(DISP_E_UNKNOWNNAME));
  EXPECT_EQ(failure.description(), platform::win32::SystemErrorText(static_cast<std::uint32_t>(DISP_E_UNKNOWNNAME)));
}

HRESULT STDAPICALLTYPE FillInLater(EXCEPINFO* info) {
  info->scode = static_cast<SCODE>(0x800A0C1Du);
  info->bstrDescription = SysAllocString(L"Filled in when asked.");
  return S_OK;
}

struct ExceptionCase {
  SCODE scode;
  WORD w_code;
  const wchar_t* description;
  std::int32_t number;
};

TEST(DaoExceptionInfoTest, NumberAndDescriptionFromExceptionInfo) {
  const ExceptionCase cases[] = {
      {static_cast<SCODE>(0x800A0BD7u), 0, L"Not a valid password.", 3031},
      {static_cast<SCODE>(0x800AFFFFu), 0, L"Top of the low word.", 65535},
      {static_cast<SCODE>(0x80004005u), 0, L"Unspecified error", -2147467259},
      {static_cast<SCODE>(0x000A0BD7u), 0, L"Success severity is not an automation error.", 0x000A0BD7},
      {0, 3022, L"Duplicate value.", 3022},
      {static_cast<SCODE>(0x800A0BD7u), 3022, L"The scode wins over wCode.", 3031},
      {0, 0, nullptr, static_cast<std::int32_t>(DISP_E_EXCEPTION)},
  };
  for (const ExceptionCase& exception_case : cases) {
    platform::win32::UniqueExcepInfo exception;
    EXCEPINFO& info = *exception.Put();
    info.scode = exception_case.scode;
    info.wCode = exception_case.w_code;
    if (exception_case.description != nullptr) info.bstrDescription = SysAllocString(exception_case.description);

    const Failure failure = platform::win32::FailureFromException(exception);

    EXPECT_EQ(failure.number(), exception_case.number) << std::hex << exception_case.scode;
    EXPECT_EQ(failure.description(), exception_case.description == nullptr ? L"" : exception_case.description);
  }
}

TEST(DaoExceptionInfoTest, AsksForDeferredFillIn) {
  platform::win32::UniqueExcepInfo exception;
  exception.Put()->pfnDeferredFillIn = FillInLater;

  const Failure failure = platform::win32::FailureFromException(exception);

  EXPECT_EQ(failure.number(), 3101);
  EXPECT_EQ(failure.description(), L"Filled in when asked.");
}

}  // namespace
