// The entry points COM calls in an in-process server.

#include "class_factory.h"
#include "standin_module.h"

#include "platform/win32/win32_headers.h"

#include <objbase.h>

STDAPI DllGetClassObject(REFCLSID class_id, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (class_id != engine_standin::kStandinEngineClassId) return CLASS_E_CLASSNOTAVAILABLE;
  return engine_standin::TheClassFactory().QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() { return engine_standin::ModuleInUse() ? S_FALSE : S_OK; }
