#include "class_factory.h"

#include "standin_engine.h"
#include "standin_module.h"

#include <memory>
#include <new>

namespace engine_standin {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IClassFactory) {
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
  LockModule();
  return 2;
}

ULONG ClassFactory::Release() {
  UnlockModule();
  return 1;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  try {
    auto engine = std::make_unique<StandinEngine>();
    const HRESULT result = engine->QueryInterface(iid, object);
    // From here the object's own reference count owns it.
    if (SUCCEEDED(result)) static_cast<void>(engine.release());
    return result;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    LockModule();
  } else {
    UnlockModule();
  }
  return S_OK;
}

ClassFactory& TheClassFactory() {
  static ClassFactory factory;
  return factory;
}

}  // namespace engine_standin
