#include "standin_engine.h"

#include "platform/win32/unique_bstr.h"
#include "standin_compaction.h"
#include "standin_module.h"

#include <oleauto.h>

#include <memory>
#include <new>
#include <string>
#include <string_view>

namespace engine_standin {

namespace {

constexpr DISPID kCompactDatabaseId = 1;
constexpr UINT kArgumentCount = 5;
constexpr SHORT kVersion12Format = 128;
constexpr std::wstring_view kDatabasePassword = L";pwd=Kd?Wy3*%[71e60935]~";

EngineError WrongArgument(UINT position, const std::wstring& what) {
  return EngineError{kBadArgument, L"CompactDatabase argument " + std::to_wstring(position) + L" " + what};
}

// Arguments arrive last first: the method's first argument is the last one.
const VARIANTARG& ArgumentAt(const DISPPARAMS& params, UINT position) {
  return params.rgvarg[kArgumentCount - position];
}

std::wstring TextArgument(const DISPPARAMS& params, UINT position, const wchar_t* name) {
  const VARIANTARG& argument = ArgumentAt(params, position);
  if (argument.vt != VT_BSTR) throw WrongArgument(position, std::wstring(L"(") + name + L") is not a VT_BSTR text.");
  return std::wstring(argument.bstrVal, SysStringLen(argument.bstrVal));
}

struct CompactArguments {
  std::wstring source;
  std::wstring destination;
};

// Accepts the arguments exactly as the real engine is given them, nothing else.
CompactArguments CheckedArguments(const DISPPARAMS& params) {
  if (params.cNamedArgs != 0) throw EngineError{kBadArgument, L"CompactDatabase takes no named arguments."};
  if (params.cArgs != kArgumentCount) {
    throw EngineError{kBadArgument, L"CompactDatabase takes 5 arguments, not " + std::to_wstring(params.cArgs) + L"."};
  }
  CompactArguments checked{TextArgument(params, 1, L"source"), TextArgument(params, 2, L"destination")};

  const VARIANTARG& locale = ArgumentAt(params, 3);
  if (locale.vt != VT_ERROR || locale.scode != DISP_E_PARAMNOTFOUND) {
    throw WrongArgument(3, L"(locale) is not left out (VT_ERROR with DISP_E_PARAMNOTFOUND).");
  }
  const VARIANTARG& options = ArgumentAt(params, 4);
  if (options.vt != VT_I2 || options.iVal != kVersion12Format) {
    throw WrongArgument(4, L"(options) is not the VT_I2 value 128.");
  }
  if (TextArgument(params, 5, L"password") != kDatabasePassword) {
    throw WrongArgument(5, L"(password) is not the database's password text.");
  }
  return checked;
}

HRESULT Raise(const EngineError& error, EXCEPINFO* exception) noexcept {
  if (exception == nullptr) return DISP_E_EXCEPTION;
  try {
    platform::win32::UniqueBstr source(L"DAO.DBEngine");
    platform::win32::UniqueBstr description(error.description);
    *exception = EXCEPINFO{};
    exception->bstrSource = source.Release();
    exception->bstrDescription = description.Release();
    exception->scode = error.Scode();
    return DISP_E_EXCEPTION;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace

StandinEngine::StandinEngine() noexcept { LockModule(); }
StandinEngine::~StandinEngine() { UnlockModule(); }

HRESULT StandinEngine::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG StandinEngine::AddRef() { return ++references_; }

ULONG StandinEngine::Release() {
  const ULONG remaining = --references_;
  // The last reference owns the object; it was made by std::make_unique.
  if (remaining == 0) std::unique_ptr<StandinEngine> last_owner(this);
  return remaining;
}

HRESULT StandinEngine::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT StandinEngine::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT StandinEngine::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT name_count, LCID, DISPID* ids) {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (names == nullptr || ids == nullptr || name_count == 0) return E_INVALIDARG;
  for (UINT i = 0; i < name_count; ++i) ids[i] = DISPID_UNKNOWN;
  if (name_count != 1 || CompareStringOrdinal(names[0], -1, L"CompactDatabase", -1, TRUE) != CSTR_EQUAL) {
    return DISP_E_UNKNOWNNAME;
  }
  ids[0] = kCompactDatabaseId;
  return S_OK;
}

HRESULT StandinEngine::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                              EXCEPINFO* exception, UINT*) {
  if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (id != kCompactDatabaseId) return DISP_E_MEMBERNOTFOUND;
  if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
  if (params == nullptr) return E_INVALIDARG;
  if (result != nullptr) VariantInit(result);
  try {
    const CompactArguments arguments = CheckedArguments(*params);
    CompactFile(arguments.source, arguments.destination);
    return S_OK;
  } catch (const EngineError& error) {
    return Raise(error, exception);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace engine_standin
