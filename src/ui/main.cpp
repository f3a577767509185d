// The program's entry: one window, one message loop, one thread.

// <commctrl.h> needs the Windows types first.
#include "platform/win32/win32_headers.h"

#include <commctrl.h>

#include <new>
#include <string>

#include "platform/failure.h"
#include "platform/message_box.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/dao_engine_factory.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_text_case.h"
#include "ui/form1.h"
#include "ui/system_function.h"

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// DLLs are loaded from the system folder only, never from the program's folder
// or the current directory. Windows 7 has the call only with its update KB2533623.
void LoadDllsFromSystemFolderOnly() {
  const auto set_default_dll_directories =
      ui::SystemFunction<SetDefaultDllDirectoriesFunction>(L"kernel32.dll", "SetDefaultDllDirectories");
  if (set_default_dll_directories != nullptr) set_default_dll_directories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void RegisterStandardControlClasses() {
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof(classes);
  classes.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&classes);
}

void RunMessageLoop(ui::Form1& form) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, Shift+Tab and the button's Enter and Space as in a dialog box.
    if (form.hwnd() != nullptr && IsDialogMessageW(form.hwnd(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A failure that no trap caught ends the program, as the host runtime would
// end it: with the failure's number and description.
void ReportUntrappedFailure(platform::win32::Win32MessageBox& messages, const platform::Failure& failure) {
  messages.SetOwner(nullptr);
  messages.Show(L"Run-time error '" + std::to_wstring(failure.number()) + L"':\r\n\r\n" + failure.description(),
                platform::MessageIcon::kCritical, std::nullopt);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  LoadDllsFromSystemFolderOnly();
  RegisterStandardControlClasses();
  const platform::win32::ComApartment apartment;
  platform::win32::Win32MessageBox messages;
  try {
    platform::win32::Win32FileSystem fso;
    platform::win32::Win32TextCase text_case;
    platform::win32::DaoEngineFactory engines;
    ui::Form1 form(instance, fso, messages, text_case, engines);
    messages.SetOwner(form.hwnd());
    form.Show();
    RunMessageLoop(form);
    form.RethrowEscapedFailure();
    return 0;
  } catch (const platform::Failure& failure) {
    try {
      ReportUntrappedFailure(messages, failure);
    } catch (const platform::Failure&) {
      // Nothing is left to tell the user with.
    }
  } catch (const std::bad_alloc&) {
    // Reporting would need memory too.
  }
  return 1;
}
