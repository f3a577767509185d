#pragma once

#include "platform/win32/win32_headers.h"

#include <wtypes.h>

#include <cstdint>
#include <string>

namespace engine_standin {

// A failure the stand-in reports the way the engine does: an error number and
// its description, handed to the caller through EXCEPINFO.
struct EngineError {
  std::int32_t number;
  std::wstring description;

  // Numbers 0..65535 travel as FACILITY_CONTROL HRESULTs (3031 is 0x800A0BD7),
  // any other number is the HRESULT itself.
  SCODE Scode() const noexcept;
};

// Engine-like numbers of the stand-in's own failures.
inline constexpr std::int32_t kBadArgument = 3000;
inline constexpr std::int32_t kSourceNotFound = 3024;
inline constexpr std::int32_t kDiskError = 3043;
inline constexpr std::int32_t kDestinationExists = 3204;

// Writes the "compacted" copy of source at destination, or throws EngineError.
void CompactFile(const std::wstring& source, const std::wstring& destination);

}  // namespace engine_standin
