#include "repair/kod_sek.h"

#include <cstdint>
#include <limits>

#include "platform/failure.h"

namespace repair {

std::wstring TrimSpaces(const std::wstring& text) {
  const auto first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return {};
  const auto last = text.find_last_not_of(L' ');
  return text.substr(first, last - first + 1);
}

std::wstring NormaliseKodSek(const std::wstring& trimmed, platform::TextCase& text_case) {
  // A 16-bit loop position cannot step past 32,767, so that length already overflows.
  if (trimmed.size() >= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
    throw platform::Failure(platform::failure_number::kOverflow, L"Overflow");
  }
  std::wstring kod_sek;
  kod_sek.reserve(trimmed.size());
  for (const wchar_t character : trimmed) {
    if (character != L' ') kod_sek += text_case.UpperCase(std::wstring(1, character));
  }
  return kod_sek;
}

}  // namespace repair
