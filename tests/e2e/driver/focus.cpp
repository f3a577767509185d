#include "driver/focus.h"

namespace e2e {

HWND FocusOfThread(DWORD thread_id) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetGUIThreadInfo(thread_id, &info)) return nullptr;
  return info.hwndFocus;
}

}  // namespace e2e
