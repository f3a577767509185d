#pragma once

#include <optional>
#include <string>

#include "repair/keyed_collection.h"

namespace repair {

// Values that live as long as the window; a run only ever adds to them.
struct RunState {
  std::wstring Sesi;
  std::wstring FolderData;
  std::wstring KodSek;
  std::optional<KeyedCollection> colSesi;  // created on first use
};

}  // namespace repair
