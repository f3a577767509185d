#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The Access engine's data access object, reached by name at run time.
class DatabaseEngine {
 public:
  virtual ~DatabaseEngine() = default;
  // The destination locale is always passed as a missing optional argument.
  virtual void CompactDatabase(const std::wstring& source, const std::wstring& destination,
                               std::int16_t options, const std::wstring& password) = 0;
};

class DatabaseEngineFactory {
 public:
  virtual ~DatabaseEngineFactory() = default;
  // Fails with 429 when no engine is registered under the class name.
  virtual std::unique_ptr<DatabaseEngine> Create(const std::wstring& class_name) = 0;
};

}  // namespace platform
