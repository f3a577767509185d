// Registers the stand-in for the current user, so that tests need no
// administrator rights:
//   Software\Classes\DAO.DBEngine.120\CLSID            = {our class id}
//   Software\Classes\CLSID\{our class id}\InprocServer32 = this DLL's path,
//                                           ThreadingModel = Apartment
// Windows merges the user's classes into HKEY_CLASSES_ROOT. Wine does not, so
// where the user's registration stays invisible there, the same keys go to the
// machine's classes as well.

#include "standin_module.h"
#include "unique_hkey.h"

#include "platform/win32/win32_headers.h"

#include <objbase.h>
#include <olectl.h>

#include <new>
#include <string>

namespace {

const std::wstring kProgIdKey = std::wstring(L"Software\\Classes\\") + engine_standin::kEngineProgId;
const std::wstring kClassIdKey =
    std::wstring(L"Software\\Classes\\CLSID\\") + engine_standin::kStandinEngineClassIdText;

bool SetText(HKEY root, const std::wstring& key_path, const wchar_t* value_name, const std::wstring& text) {
  engine_standin::UniqueHkey key;
  if (RegCreateKeyExW(root, key_path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                      key.Put(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.Get(), value_name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
         ERROR_SUCCESS;
}

bool Register(HKEY root, const std::wstring& server_path) {
  const std::wstring server_key = kClassIdKey + L"\\InprocServer32";
  return SetText(root, kProgIdKey, nullptr, L"Stand-in database engine") &&
         SetText(root, kProgIdKey + L"\\CLSID", nullptr, engine_standin::kStandinEngineClassIdText) &&
         SetText(root, kClassIdKey, nullptr, L"Stand-in database engine") &&
         SetText(root, kClassIdKey + L"\\ProgID", nullptr, engine_standin::kEngineProgId) &&
         SetText(root, server_key, nullptr, server_path) &&
         SetText(root, server_key, L"ThreadingModel", L"Apartment");
}

// Whether the class name under root (a key whose subkeys are class names) leads to the stand-in.
bool ProgIdNamesStandin(HKEY root, const std::wstring& prog_id_key) {
  wchar_t class_id[64] = {};
  DWORD size = sizeof(class_id);
  const std::wstring key = prog_id_key + L"\\CLSID";
  return RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, class_id, &size) == ERROR_SUCCESS &&
         CompareStringOrdinal(class_id, -1, engine_standin::kStandinEngineClassIdText, -1, TRUE) == CSTR_EQUAL;
}

// Removes the key with everything under it; a key already gone is fine.
bool DeleteTree(HKEY root, const std::wstring& key_path) {
  const LSTATUS deleted = RegDeleteTreeW(root, key_path.c_str());
  return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

// The class name is removed only while it still names the stand-in.
bool Unregister(HKEY root) {
  const bool prog_id_removed = !ProgIdNamesStandin(root, kProgIdKey) || DeleteTree(root, kProgIdKey);
  return DeleteTree(root, kClassIdKey) && prog_id_removed;
}

}  // namespace

STDAPI DllRegisterServer() {
  try {
    const std::wstring path = engine_standin::ModulePath();
    if (path.empty() || !Register(HKEY_CURRENT_USER, path)) return SELFREG_E_CLASS;
    if (!ProgIdNamesStandin(HKEY_CLASSES_ROOT, engine_standin::kEngineProgId) &&
        !Register(HKEY_LOCAL_MACHINE, path)) {
      return SELFREG_E_CLASS;
    }
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

STDAPI DllUnregisterServer() {
  try {
    const bool user_done = Unregister(HKEY_CURRENT_USER);
    const bool machine_done = Unregister(HKEY_LOCAL_MACHINE);
    return user_done && machine_done ? S_OK : SELFREG_E_CLASS;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}
