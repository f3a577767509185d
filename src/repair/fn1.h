#pragma once

#include <string>

#include "repair/keyed_collection.h"

namespace repair {

// True unless the collection answers that nothing is stored under the key; any
// other trouble with the lookup also counts as "present", so a doubtful key is
// never taken for a new one.
bool KeyExists(KeyedCollection& collection, const std::wstring& key);

}  // namespace repair
