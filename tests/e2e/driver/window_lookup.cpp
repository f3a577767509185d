#include "driver/window_lookup.h"

#include <vector>

namespace e2e {

namespace {

struct TopLevelQuery {
  DWORD process_id;
  const std::wstring* title;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
  auto* query = reinterpret_cast<TopLevelQuery*>(parameter);
  DWORD owner_process = 0;
  ::GetWindowThreadProcessId(window, &owner_process);
  if (owner_process == query->process_id && ::IsWindowVisible(window) && TextOf(window) == *query->title) {
    query->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
  if (::IsWindowVisible(window) && ClassOf(window) == L"#32770") {
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return L"<no answer>";
  std::vector<wchar_t> buffer(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG, 2000, &copied)) {
    return L"<no answer>";
  }
  return std::wstring(buffer.data(), copied);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  const int length = ::GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

HWND WaitForTopLevelWindow(DWORD process_id, const std::wstring& title, std::chrono::milliseconds timeout) {
  TopLevelQuery query{process_id, &title, nullptr};
  WaitUntil(
      [&] {
        ::EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&query));
        return query.found != nullptr;
      },
      timeout);
  return query.found;
}

HWND FindDialogOfThread(DWORD thread_id) {
  HWND found = nullptr;
  ::EnumThreadWindows(thread_id, &MatchDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND WaitForDialogOfThread(DWORD thread_id, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindDialogOfThread(thread_id)) != nullptr; }, timeout);
  return found;
}

}  // namespace e2e
