#pragma once

#include "platform/win32/win32_headers.h"

#include <unknwn.h>

namespace engine_standin {

// Makes stand-in engine objects. One lives for the whole module; references to
// it keep the module loaded.
class ClassFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

ClassFactory& TheClassFactory();

}  // namespace engine_standin
