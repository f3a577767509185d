#pragma once

// Stand-in for the Access engine's data access object "DAO.DBEngine.120", for
// tests only. It is reached exactly as the real engine is: by class name, late
// bound through IDispatch. It knows one method, CompactDatabase, and behaves so:
//
// - Arguments: exactly five positional arguments, as IDispatch passes them (last
//   first): source (VT_BSTR), destination (VT_BSTR), locale left out (VT_ERROR
//   holding DISP_E_PARAMNOTFOUND), options (VT_I2, 128) and the password text
//   (VT_BSTR ";pwd=Kd?Wy3*%[71e60935]~"). Anything else fails with number 3000
//   and a description naming the wrong argument.
// - Source missing: fails with 3024 "Could not find file '<source>'.".
// - Destination present: fails with 3204 "Database already exists.".
// - Source whose first line is "FAIL <number> <description>": fails with that
//   number and description and writes nothing. "FAIL-PARTIAL <number>
//   <description>" first writes half a copy, as an engine stopped midway would.
//   Numbers 0..65535 travel as FACILITY_CONTROL HRESULTs (3031 as 0x800A0BD7),
//   others as the HRESULT itself (-2147467259 as 0x80004005).
// - Otherwise: writes the destination as the line "COMPACTED BY STAND-IN
//   ENGINE" + CR LF followed by the source's bytes, and leaves the source as it is.
//
// Every failure is DISP_E_EXCEPTION with EXCEPINFO (scode, bstrDescription).

#include "platform/win32/win32_headers.h"

#include <oaidl.h>

#include <atomic>

namespace engine_standin {

class StandinEngine final : public IDispatch {
 public:
  StandinEngine() noexcept;
  ~StandinEngine();
  StandinEngine(const StandinEngine&) = delete;
  StandinEngine& operator=(const StandinEngine&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch, without a type library.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT name_count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argument_error) override;

 private:
  std::atomic<ULONG> references_{0};
};

}  // namespace engine_standin
