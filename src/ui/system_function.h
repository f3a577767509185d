#pragma once

#include "platform/win32/win32_headers.h"

namespace ui {

// A function of an already loaded system DLL that older Windows versions lack;
// null when this system does not have it.
template <typename Function>
Function SystemFunction(const wchar_t* module_name, const char* function_name) {
  const HMODULE module = GetModuleHandleW(module_name);
  if (module == nullptr) return nullptr;
  // The detour through void(*)() is the portable way from FARPROC to a typed pointer.
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, function_name)));
}

}  // namespace ui
