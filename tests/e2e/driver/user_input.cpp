#include "driver/user_input.h"

#include <thread>
#include <vector>

#include "driver/bounded_wait.h"

namespace e2e {

namespace {

INPUT KeyInput(WORD virtual_key, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT CharacterInput(wchar_t character, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (release ? KEYEVENTF_KEYUP : 0);
  return input;
}

bool Send(std::vector<INPUT> inputs) {
  const UINT sent = ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // Give the product's thread time to take the input from its queue.
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  return sent == inputs.size();
}

}  // namespace

bool BringToForeground(HWND window) {
  if (::GetForegroundWindow() == window) return true;
  ::SetForegroundWindow(window);
  return WaitUntil([&] { return ::GetForegroundWindow() == window; }, std::chrono::milliseconds(2000));
}

bool TypeText(HWND window, const std::wstring& text) {
  if (!BringToForeground(window)) return false;
  std::vector<INPUT> inputs;
  for (const wchar_t character : text) {
    inputs.push_back(CharacterInput(character, false));
    inputs.push_back(CharacterInput(character, true));
  }
  return Send(std::move(inputs));
}

bool PressKey(HWND window, WORD virtual_key, bool with_shift) {
  if (!BringToForeground(window)) return false;
  std::vector<INPUT> inputs;
  if (with_shift) inputs.push_back(KeyInput(VK_SHIFT, false));
  inputs.push_back(KeyInput(virtual_key, false));
  inputs.push_back(KeyInput(virtual_key, true));
  if (with_shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  return Send(std::move(inputs));
}

bool ClickCentreOf(HWND window, HWND target) {
  if (!BringToForeground(window)) return false;
  RECT rect{};
  ::GetWindowRect(target, &rect);
  const int x = (rect.left + rect.right) / 2;
  const int y = (rect.top + rect.bottom) / 2;
  // Absolute coordinates run from 0 to 65535 across the primary screen.
  const int screen_width = ::GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = static_cast<LONG>((x * 65536LL + screen_width / 2) / screen_width);
  move.mi.dy = static_cast<LONG>((y * 65536LL + screen_height / 2) / screen_height);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  INPUT down = move;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  INPUT up = move;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  return Send({move, down, up});
}

}  // namespace e2e
