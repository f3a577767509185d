#include "fakes.h"

namespace testing_support {

namespace {

class FakeEngine : public platform::DatabaseEngine {
 public:
  FakeEngine(FakeEngineFactory& factory, InMemoryFileSystem& files) : factory_(factory), files_(files) {
    ++factory_.live_engines;
  }
  ~FakeEngine() override { --factory_.live_engines; }
  FakeEngine(const FakeEngine&) = delete;
  FakeEngine& operator=(const FakeEngine&) = delete;

  void CompactDatabase(const std::wstring& source, const std::wstring& destination, std::int16_t options,
                       const std::wstring& password) override {
    factory_.calls.push_back({source, destination, options, password});
    const std::optional<std::string> content = files_.ContentOf(source);
    if (factory_.compact_failure) {
      if (factory_.leaves_partial_copy_on_failure) files_.WriteFile(destination, "half a compacted copy");
      throw *factory_.compact_failure;
    }
    if (!content) throw platform::Failure(3024, L"Could not find file.");
    if (files_.ContentOf(destination)) throw platform::Failure(3204, L"Database already exists.");
    files_.WriteFile(destination, kCompactedMarker + *content);
  }

 private:
  FakeEngineFactory& factory_;
  InMemoryFileSystem& files_;
};

}  // namespace

std::unique_ptr<platform::DatabaseEngine> FakeEngineFactory::Create(const std::wstring& class_name) {
  created_classes.push_back(class_name);
  if (!registered) throw platform::Failure(429, L"ActiveX component can't create object");
  return std::make_unique<FakeEngine>(*this, files_);
}

}  // namespace testing_support
