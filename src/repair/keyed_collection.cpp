#include "repair/keyed_collection.h"

#include "platform/failure.h"

namespace repair {

void KeyedCollection::Add(const std::wstring& item, const std::wstring& key) {
  const auto [where, added] = positions_by_key_.emplace(FoldKey(key), items_.size());
  if (!added) {
    throw platform::Failure(457, L"This key is already associated with an element of this collection");
  }
  items_.push_back(item);
}

const std::wstring& KeyedCollection::Item(const std::wstring& key) const {
  const auto found = positions_by_key_.find(FoldKey(key));
  if (found == positions_by_key_.end()) {
    throw platform::Failure(platform::failure_number::kNoItemForKey,
                            L"Invalid procedure call or argument");
  }
  return items_[found->second];
}

const std::wstring& KeyedCollection::Item(long position) const {
  if (position < 1 || position > Count()) throw platform::Failure(9, L"Subscript out of range");
  return items_[static_cast<std::size_t>(position - 1)];
}

}  // namespace repair
