#pragma once

#include "platform/win32/win32_headers.h"

#include <guiddef.h>

#include <string>

namespace engine_standin {

// Our own class id for the stand-in; the real engine's is never used.
inline constexpr CLSID kStandinEngineClassId = {
    0x55E8DAB7, 0x26F7, 0x47FA, {0xB4, 0x1F, 0x4C, 0x63, 0xAB, 0xC1, 0xB9, 0xC3}};
inline constexpr wchar_t kStandinEngineClassIdText[] = L"{55E8DAB7-26F7-47FA-B41F-4C63ABC1B9C3}";
inline constexpr wchar_t kEngineProgId[] = L"DAO.DBEngine.120";

// Live objects and LockServer locks; the DLL may be unloaded only at zero.
void LockModule() noexcept;
void UnlockModule() noexcept;
bool ModuleInUse() noexcept;

// Full path of this DLL, for the registration.
std::wstring ModulePath();

}  // namespace engine_standin
