#include "driver/product_process.h"

#include <stdexcept>
#include <vector>

namespace e2e {

ProductProcess::ProductProcess(const std::wstring& path) {
  std::wstring quoted = L"\"" + path + L"\"";
  std::vector<wchar_t> command_line(quoted.begin(), quoted.end());
  command_line.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
    throw std::runtime_error("CreateProcessW failed with error " + std::to_string(::GetLastError()));
  }
  process_ = OwnedHandle(info.hProcess);
  thread_ = OwnedHandle(info.hThread);
  process_id_ = info.dwProcessId;
  thread_id_ = info.dwThreadId;
}

ProductProcess::~ProductProcess() {
  if (!EndsWithin(std::chrono::milliseconds(0))) {
    ::TerminateProcess(process_.get(), 1);
    ::WaitForSingleObject(process_.get(), 5000);
  }
}

bool ProductProcess::EndsWithin(std::chrono::milliseconds timeout) const {
  return ::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

}  // namespace e2e
