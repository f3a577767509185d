#pragma once

#include <optional>
#include <string>

namespace platform {

// The values are the host's own style bits; the box never has any button but OK.
enum class MessageIcon : unsigned {
  kCritical = 16,
  kExclamation = 48,
  kInformation = 64,
};

// A message with no title shows the application's title; an empty title stays empty.
using MessageTitle = std::optional<std::wstring>;

inline constexpr wchar_t kApplicationTitle[] = L"CompactAndRepair_RekodarisSM20xxAccdb";

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Modal: returns when the user has pressed OK.
  virtual void Show(const std::wstring& text, MessageIcon icon, const MessageTitle& title) = 0;
};

}  // namespace platform
