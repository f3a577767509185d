#pragma once

#include <string>

namespace repair {

// What the window offers the repair run, and nothing more.
class RepairWindow {
 public:
  virtual ~RepairWindow() = default;
  // The current text of txtKodSek, read at the moment of the call.
  virtual std::wstring KodSekText() = 0;
  virtual void FocusKodSek() = 0;
  // Takes the window off the screen and destroys it; the program ends once the
  // running handler has returned.
  virtual void Close() = 0;
};

}  // namespace repair
