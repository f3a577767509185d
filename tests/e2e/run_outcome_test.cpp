#include <string>
#include <vector>

#include "driver/message_box_reader.h"
#include "driver/user_input.h"
#include "product_fixture.h"

namespace e2e {
namespace {

class RunTest : public ProductTest {
 protected:
  // Presses the button as a user does and returns the message box that follows,
  // checking that the window beneath takes no input while it is up.
  MessageBoxView ClickAndReadBox(HWND* box_out = nullptr) {
    EXPECT_TRUE(ClickCentreOf(form_, button_));
    HWND box = WaitForDialogOfThread(ui_thread_);
    if (box == nullptr) {
      ADD_FAILURE() << "no message box appeared; program still running: " << StillOpen();
      return {};
    }
    EXPECT_FALSE(::IsWindowEnabled(form_)) << "the box must be modal";
    if (box_out != nullptr) *box_out = box;
    return ReadMessageBox(box);
  }

  void PressOkAndWaitForBoxToGo(HWND box) {
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); })) << "the box stays";
  }
};

// --- The empty code: a warning, and the window stays open with the focus in the box.

struct EmptyCodeCase {
  const char* name;
  const wchar_t* typed;
  bool press_with_space;  // keyboard press of the focused button instead of a click
};

class EmptyCodeTest : public RunTest, public ::testing::WithParamInterface<EmptyCodeCase> {};

TEST_P(EmptyCodeTest, WarnsAndReturnsTheFocusToTheBox) {
  CreateDataFile(L"DataSesi2023-SM-ABC1234\\RekodarisSM2023.accdb", "database bytes");
  const FileTree before = ListDataRoot();
  ASSERT_TRUE(TypeText(form_, GetParam().typed));

  HWND box = nullptr;
  MessageBoxView view;
  if (GetParam().press_with_space) {
    ASSERT_TRUE(PressKey(form_, VK_TAB));
    ASSERT_TRUE(WaitUntil([&] { return Focus() == button_; }));
    ASSERT_TRUE(PressKey(form_, VK_SPACE));
    box = WaitForDialogOfThread(ui_thread_);
    ASSERT_NE(box, nullptr) << "Space on the focused button showed no message box";
    view = ReadMessageBox(box);
  } else {
    view = ClickAndReadBox(&box);
    ASSERT_NE(box, nullptr);
  }
  EXPECT_EQ(view.title, kApplicationTitle);
  EXPECT_EQ(view.text, L"Kod sekolah belum dimasukkan\r\n\r\nSila masukkan kod sekolah") << Narrow(view.text);
  EXPECT_EQ(view.icon, BoxIcon::kExclamation) << Narrow(NameOf(view.icon));
  EXPECT_TRUE(view.has_only_ok_button);

  PressOkAndWaitForBoxToGo(box);
  EXPECT_FALSE(Ended(std::chrono::milliseconds(500)));
  EXPECT_TRUE(StillOpen());
  EXPECT_TRUE(::IsWindowEnabled(form_));
  EXPECT_TRUE(WaitUntil([&] { return Focus() == box_; }, std::chrono::milliseconds(2000)))
      << "the focus is on " << Narrow(ClassOf(Focus()));
  EXPECT_EQ(ListDataRoot(), before);
}

INSTANTIATE_TEST_SUITE_P(Run, EmptyCodeTest,
                         ::testing::Values(EmptyCodeCase{"NothingClicked", L"", false},
                                           EmptyCodeCase{"SpacesFromTheButton", L"   ", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Runs that end with a message and the window closed, touching no file.

struct DataFile {
  const wchar_t* path;
  DWORD attributes;
};

struct ClosingCase {
  const char* name;
  std::vector<const wchar_t*> folders;
  std::vector<DataFile> files;
  const wchar_t* typed;
  BoxIcon icon;
  std::wstring title;
  std::vector<std::wstring> texts;  // any one of them is right
  bool text_is_prefix;              // the text goes on after the expected start
};

const std::wstring kRoot = L"C:\\DATA-REKODARIS-SM$";
const std::wstring kDuplicateStart = L"Terdapat folder data yang berulang dalam " + kRoot + L"\r\n\r\nAntaranya : ";
const std::wstring kDuplicateEnd = L"\r\n\r\nSila hapus folder data yang lebih lama tarikhnya";

const ClosingCase kClosingCases[] = {
    {"DataRootMissing", {}, {}, L"ABC1234", BoxIcon::kCritical, kApplicationTitle,
     {L"COMPACT AND REPAIR TIDAK BERJAYA\r\n\r\nRalat : 76\r\n\r\n"}, true},
    {"DuplicateSessions",
     {L"DataSesi2023-SM-A", L"DATASESI2023-SM-B"},
     {},
     L"A",
     BoxIcon::kExclamation,
     L"RALAT FOLDER DATA BERULANG",
     {kDuplicateStart + L"DataSesi2023-SM-A" + kDuplicateEnd, kDuplicateStart + L"DATASESI2023-SM-B" + kDuplicateEnd},
     false},
    {"NoSessionFolder",
     {L"Data2023-SM-A", L"XDataSesi2023-SM-A", L"Backup\\DataSesi2023-SM-A"},
     {{L"DataSesi2023.txt", FILE_ATTRIBUTE_NORMAL}},
     L"A",
     BoxIcon::kExclamation,
     L"RALAT TIADA FOLDER DATA",
     {L"Tiada sebarang folder data dijumpai dalam " + kRoot + L"\r\n\r\nSila masukkan folder data ke dalam " + kRoot},
     false},
    {"DatabaseOnlyInOlderSession",
     {L"DataSesi2023-SM-ABC1234"},
     {{L"DataSesi2022-SM-ABC1234\\RekodarisSM2022.accdb", FILE_ATTRIBUTE_NORMAL}},
     L"  abc 12 34 ",
     BoxIcon::kCritical,
     L"",
     {L"RekodarisSM2023.accdb TIDAK ditemui\r\n\r\nCompact and Repair GAGAL"},
     false},
    {"HiddenDatabase",
     {},
     {{L"DataSesi2023-SM-ABC1234\\RekodarisSM2023.accdb", FILE_ATTRIBUTE_HIDDEN}},
     L"ABC1234",
     BoxIcon::kCritical,
     L"",
     {L"RekodarisSM2023.accdb TIDAK ditemui\r\n\r\nCompact and Repair GAGAL"},
     false},
    {"CodeWithBackslash",
     {L"X"},
     {{L"DataSesi2023-SM-ABC1234\\RekodarisSM2023.accdb", FILE_ATTRIBUTE_NORMAL},
      {L"X\\RekodarisSM2023.accdb", FILE_ATTRIBUTE_NORMAL}},
     L"..\\X",
     BoxIcon::kCritical,
     L"",
     {L"RekodarisSM2023.accdb TIDAK ditemui\r\n\r\nCompact and Repair GAGAL"},
     false},
    {"NewerSessionOfAnotherSchool",
     {L"datasesi2024-sm-xyz"},
     {{L"DataSesi2023-SM-ABC1234\\RekodarisSM2023.accdb", FILE_ATTRIBUTE_NORMAL}},
     L"ABC1234",
     BoxIcon::kCritical,
     L"",
     {L"RekodarisSM2024.accdb TIDAK ditemui\r\n\r\nCompact and Repair GAGAL"},
     false},
};

class ClosingRunTest : public RunTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingRunTest, ShowsItsMessageClosesAndTouchesNoFile) {
  const ClosingCase& run = GetParam();
  for (const auto* folder : run.folders) CreateDataFolder(folder);
  for (const auto& file : run.files) {
    CreateDataFile(file.path, std::string("content of ") + std::string(file.path, file.path + wcslen(file.path)),
                   file.attributes);
  }
  const FileTree before = ListDataRoot();
  ASSERT_TRUE(TypeText(form_, run.typed));
  ASSERT_EQ(TextOf(box_), run.typed);

  HWND box = nullptr;
  const MessageBoxView view = ClickAndReadBox(&box);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(view.title, run.title);
  bool text_matches = false;
  for (const auto& text : run.texts) {
    text_matches = text_matches || (run.text_is_prefix ? view.text.size() > text.size() && view.text.starts_with(text)
                                                       : view.text == text);
  }
  EXPECT_TRUE(text_matches) << "text: " << Narrow(view.text) << "\nexpected" << (run.text_is_prefix ? " start" : "")
                            << ": " << Narrow(run.texts.front());
  EXPECT_EQ(view.icon, run.icon) << Narrow(NameOf(view.icon));
  EXPECT_TRUE(view.has_only_ok_button);

  PressOk(box);
  EXPECT_TRUE(Ended()) << "the program did not end after the message";
  EXPECT_EQ(ListDataRoot(), before);
}

INSTANTIATE_TEST_SUITE_P(Run, ClosingRunTest, ::testing::ValuesIn(kClosingCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
