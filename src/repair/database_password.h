#pragma once

namespace repair {

// The product protects every school's database with this one fixed password.
inline constexpr wchar_t kDatabasePassword[] = L"Kd?Wy3*%[71e60935]~";

}  // namespace repair
