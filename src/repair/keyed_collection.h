#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text_case.h"

namespace repair {

// A collection of texts kept in the order they were added, readable by 1-based
// position or by a key that ignores letter case.
class KeyedCollection {
 public:
  explicit KeyedCollection(platform::TextCase& text_case) : text_case_(&text_case) {}

  // Fails (457) when the key is already taken.
  void Add(const std::wstring& item, const std::wstring& key);
  // Fails (5) when no item is stored under the key.
  const std::wstring& Item(const std::wstring& key) const;
  // Fails (9) outside 1..Count().
  const std::wstring& Item(long position) const;
  long Count() const { return static_cast<long>(items_.size()); }

 private:
  std::wstring FoldKey(const std::wstring& key) const { return text_case_->UpperCase(key); }

  platform::TextCase* text_case_;
  std::vector<std::wstring> items_;
  std::unordered_map<std::wstring, std::size_t> positions_by_key_;
};

}  // namespace repair
