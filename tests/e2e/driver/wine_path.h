#pragma once

#include <string>

namespace e2e {

// Turns a path as the build system wrote it into a Windows path: a Unix path
// becomes the same path on Wine's drive Z:, separators become backslashes.
std::wstring WindowsPathOf(const std::string& build_path);

}  // namespace e2e
