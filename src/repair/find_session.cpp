#include "repair/find_session.h"

#include <cstdint>
#include <limits>

#include "platform/failure.h"
#include "repair/database_file_set.h"
#include "repair/fn1.h"
#include "repair/messages.h"

namespace repair {

namespace {

constexpr wchar_t kSessionPrefix[] = L"DATASESI";
constexpr std::size_t kSessionPrefixLength = 8;
// The session code stands at positions 9 to 12 of the folder's name.
constexpr std::size_t kSessionCodeLength = 4;

bool IsSessionFolder(const std::wstring& name, platform::TextCase& text_case) {
  return text_case.UpperCase(name).substr(0, kSessionPrefixLength) == kSessionPrefix;
}

std::wstring SessionCodeOf(const std::wstring& name) {
  if (name.size() <= kSessionPrefixLength) return {};
  return name.substr(kSessionPrefixLength, kSessionCodeLength);
}

}  // namespace

SessionSearch FindSession(RunState& state, const Services& services) {
  const platform::Folder data_root = services.fso.GetFolder(kDataRoot);
  std::int16_t match_count = 0;
  for (const std::wstring& name : services.fso.SubFolders(data_root)) {
    if (!IsSessionFolder(name, services.text_case)) continue;
    if (match_count == std::numeric_limits<std::int16_t>::max()) {
      throw platform::Failure(platform::failure_number::kOverflow, L"Overflow");
    }
    ++match_count;
    const std::wstring code = SessionCodeOf(name);
    if (!state.colSesi) state.colSesi.emplace(services.text_case);
    if (KeyExists(*state.colSesi, code)) {
      Show(services.messages, DuplicateSessionMessage(name));
      return SessionSearch::kRunEnded;
    }
    state.colSesi->Add(code, code);
    const std::wstring& added = state.colSesi->Item(static_cast<long>(match_count));
    if (state.Sesi < added) state.Sesi = added;
  }
  if (!state.colSesi) state.colSesi.emplace(services.text_case);
  if (state.colSesi->Count() == 0) {
    Show(services.messages, NoSessionFolderMessage());
    return SessionSearch::kRunEnded;
  }
  return SessionSearch::kFound;
}

}  // namespace repair
