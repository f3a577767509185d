#pragma once

#include <initializer_list>
#include <string>

#include "platform/failure.h"
#include "platform/message_box.h"

namespace repair {

// Every text the run shows the user, with its icon and title.
struct Message {
  std::wstring text;
  platform::MessageIcon icon;
  platform::MessageTitle title;
};

// Lines joined by CR LF; an empty line separates paragraphs.
std::wstring JoinLines(std::initializer_list<std::wstring> lines);

void Show(platform::MessageBoxService& messages, const Message& message);

Message KodSekMissingMessage();
Message DuplicateSessionMessage(const std::wstring& folder_name);
Message NoSessionFolderMessage();
Message DatabaseMissingMessage(const std::wstring& sesi);
Message SuccessMessage();
Message EngineMissingMessage();
Message GeneralFailureMessage(const platform::Failure& failure);
// Recovery itself failed: both failures, and where the files were left.
Message RecoveryFailedMessage(const platform::Failure& failure,
                              const platform::Failure& recovery_failure,
                              const std::wstring& folder_data);

}  // namespace repair
