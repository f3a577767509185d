#include "repair/fn1.h"

#include "platform/failure.h"

namespace repair {

bool KeyExists(KeyedCollection& collection, const std::wstring& key) {
  try {
    [[maybe_unused]] const std::wstring scratch = collection.Item(key);
    return true;
  } catch (const platform::Failure& failure) {
    return failure.number() != platform::failure_number::kNoItemForKey;
  }
}

}  // namespace repair
