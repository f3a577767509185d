#include "standin_compaction.h"

#include "unique_handle.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

namespace engine_standin {

SCODE EngineError::Scode() const noexcept {
  if (number >= 0 && number <= 0xFFFF) return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
  return static_cast<SCODE>(number);
}

namespace {

constexpr std::string_view kCompactedHeader = "COMPACTED BY STAND-IN ENGINE\r\n";
constexpr std::string_view kFail = "FAIL ";
constexpr std::string_view kFailPartial = "FAIL-PARTIAL ";
// Large enough that a database of hundreds of megabytes streams quickly.
constexpr DWORD kBlockSize = 4 * 1024 * 1024;

struct PlannedFailure {
  bool partial;  // write half a copy before failing, as an engine stopped midway would
  EngineError error;
};

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

// Reads "FAIL <number> <description>" or "FAIL-PARTIAL <number> <description>"
// from the first line of the source, if it has one.
std::optional<PlannedFailure> PlannedFailureIn(std::string_view first_block) {
  PlannedFailure planned{false, {}};
  std::string_view line;
  if (first_block.starts_with(kFail)) {
    line = first_block.substr(kFail.size());
  } else if (first_block.starts_with(kFailPartial)) {
    planned.partial = true;
    line = first_block.substr(kFailPartial.size());
  } else {
    return std::nullopt;
  }
  line = line.substr(0, line.find_first_of("\r\n"));

  const auto [number_end, parsed] = std::from_chars(line.data(), line.data() + line.size(), planned.error.number);
  const std::string_view after_number = line.substr(static_cast<std::size_t>(number_end - line.data()));
  if (parsed != std::errc() || (!after_number.empty() && after_number.front() != ' ')) {
    throw EngineError{kBadArgument, L"Stand-in engine: the FAIL line of the source has no valid number."};
  }
  planned.error.description = WideFromUtf8(after_number.empty() ? after_number : after_number.substr(1));
  return planned;
}

EngineError DiskError() { return EngineError{kDiskError, L"Disk or network error."}; }

DWORD ReadBlock(const UniqueHandle& file, std::vector<char>& block) {
  DWORD read = 0;
  if (!ReadFile(file.Get(), block.data(), static_cast<DWORD>(block.size()), &read, nullptr)) throw DiskError();
  return read;
}

void WriteAll(const UniqueHandle& file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0) {
      throw DiskError();
    }
    bytes.remove_prefix(written);
  }
}

}  // namespace

void CompactFile(const std::wstring& source, const std::wstring& destination) {
  UniqueHandle input(CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!input.Valid()) throw EngineError{kSourceNotFound, L"Could not find file '" + source + L"'."};
  if (GetFileAttributesW(destination.c_str()) != INVALID_FILE_ATTRIBUTES) {
    throw EngineError{kDestinationExists, L"Database already exists."};
  }

  std::vector<char> block(kBlockSize);
  DWORD length = ReadBlock(input, block);
  const std::optional<PlannedFailure> planned = PlannedFailureIn(std::string_view(block.data(), length));
  if (planned && !planned->partial) throw planned->error;

  UniqueHandle output(CreateFileW(destination.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!output.Valid()) {
    if (GetLastError() == ERROR_FILE_EXISTS) throw EngineError{kDestinationExists, L"Database already exists."};
    throw DiskError();
  }
  WriteAll(output, kCompactedHeader);
  if (planned) {
    WriteAll(output, std::string_view(block.data(), length / 2));
    throw planned->error;
  }
  while (length > 0) {
    WriteAll(output, std::string_view(block.data(), length));
    length = ReadBlock(input, block);
  }
}

}  // namespace engine_standin
