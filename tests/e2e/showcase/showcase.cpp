// Puts the product on screen for a screenshot and holds it there:
//   e2e_showcase window|warning <ready file> <done file>
// "window" shows the window as started, "warning" the empty-code message box.
// The ready file is created once the state is on screen; the product is ended
// when the done file appears (or after 30 s).
#include <chrono>
#include <cstdio>
#include <string>

#include "driver/bounded_wait.h"
#include "driver/owned_handles.h"
#include "driver/product_process.h"
#include "driver/user_input.h"
#include "driver/window_lookup.h"
#include "driver/wine_path.h"

namespace {

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int Fail(const char* why) {
  std::fprintf(stderr, "e2e_showcase: %s\n", why);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Fail("usage: e2e_showcase window|warning <ready file> <done file>");
  const std::string mode = argv[1];
  const std::wstring ready = e2e::WindowsPathOf(argv[2]);
  const std::wstring done = e2e::WindowsPathOf(argv[3]);

  e2e::ProductProcess product(e2e::WindowsPathOf(PRODUCT_EXE_PATH));
  HWND form = e2e::WaitForTopLevelWindow(product.process_id(), L"Form1");
  if (form == nullptr) return Fail("the window did not appear");
  if (mode == "warning") {
    HWND button = ::FindWindowExW(form, nullptr, L"Button", nullptr);
    if (button == nullptr || !e2e::ClickCentreOf(form, button)) return Fail("cannot click the button");
    if (e2e::WaitForDialogOfThread(::GetWindowThreadProcessId(form, nullptr)) == nullptr) {
      return Fail("no message box appeared");
    }
  }
  ::Sleep(500);  // let painting finish
  e2e::OwnedFile marker(::CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!marker.valid()) return Fail("cannot create the ready file");
  e2e::WaitUntil([&] { return Exists(done); }, std::chrono::seconds(30));
  return 0;
}
