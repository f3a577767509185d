#include "platform/win32/dao_engine_factory.h"

#include "platform/failure.h"
#include "platform/win32/com_failure.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/dispatch_arguments.h"
#include "platform/win32/unique_excep_info.h"
#include "platform/win32/unique_variant.h"
#include "platform/win32/win32_headers.h"

#include <objbase.h>
#include <oleauto.h>

#include <utility>

namespace platform::win32 {

namespace {

Failure CannotCreateObject() {
  return Failure(failure_number::kCannotCreateObject, L"ActiveX component can't create object");
}

// The engine object, held until this object goes.
class DaoEngine final : public DatabaseEngine {
 public:
  explicit DaoEngine(ComPtr<IDispatch> engine) : engine_(std::move(engine)) {}

  void CompactDatabase(const std::wstring& source, const std::wstring& destination, std::int16_t options,
                       const std::wstring& password) override {
    const DISPID method = DispatchIdOf(L"CompactDatabase");

    DispatchArguments arguments;
    arguments.AddText(source);
    arguments.AddText(destination);
    arguments.AddMissing();  // destination locale: the engine's default
    arguments.AddInt16(options);
    arguments.AddText(password);
    DISPPARAMS params = arguments.Params();

    UniqueVariant result;
    UniqueExcepInfo exception;
    UINT argument_error = 0;
    const HRESULT invoked = engine_->Invoke(method, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                            result.Put(), exception.Put(), &argument_error);
    if (invoked == DISP_E_EXCEPTION) throw FailureFromException(exception);
    if (FAILED(invoked)) throw FailureFromHresult(invoked);
  }

 private:
  DISPID DispatchIdOf(std::wstring name) const {
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT found = engine_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(found)) throw FailureFromHresult(found);
    return id;
  }

  ComPtr<IDispatch> engine_;
};

}  // namespace

std::unique_ptr<DatabaseEngine> DaoEngineFactory::Create(const std::wstring& class_name) {
  CLSID class_id{};
  if (FAILED(CLSIDFromProgID(class_name.c_str(), &class_id))) throw CannotCreateObject();

  ComPtr<IDispatch> engine;
  const HRESULT created =
      CoCreateInstance(class_id, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch, engine.PutVoid());
  if (FAILED(created) || !engine) throw CannotCreateObject();

  return std::make_unique<DaoEngine>(std::move(engine));
}

}  // namespace platform::win32
