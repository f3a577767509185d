#include "driver/wine_path.h"

namespace e2e {

std::wstring WindowsPathOf(const std::string& build_path) {
  std::wstring path;
  if (!build_path.empty() && build_path.front() == '/') path = L"Z:";
  for (const char c : build_path) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return path;
}

}  // namespace e2e
