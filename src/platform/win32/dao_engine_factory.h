#pragma once

#include "platform/database_engine.h"

#include <memory>
#include <string>

namespace platform::win32 {

// Creates the Access engine's data access object from its registered class name
// and calls it late bound, through IDispatch, so that no type library or header of
// the engine is needed. The calling thread must have joined a COM apartment.
class DaoEngineFactory final : public DatabaseEngineFactory {
 public:
  DaoEngineFactory() = default;

  // Any trouble creating the object is failure 429, as for a missing engine.
  std::unique_ptr<DatabaseEngine> Create(const std::wstring& class_name) override;
};

}  // namespace platform::win32
