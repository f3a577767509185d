#include "standin_module.h"

#include <atomic>
#include <vector>

namespace engine_standin {

namespace {
std::atomic<long> module_locks{0};
}  // namespace

void LockModule() noexcept { ++module_locks; }
void UnlockModule() noexcept { --module_locks; }
bool ModuleInUse() noexcept { return module_locks.load() != 0; }

std::wstring ModulePath() {
  HMODULE module = nullptr;
  // Any address inside this DLL names it.
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&module_locks), &module)) {
    return {};
  }
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace engine_standin
