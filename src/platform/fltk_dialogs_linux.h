// The message boxes, drawn by FLTK in the controls' Chinese face (its own boxes use a face of
// their own, and are all application-modal).
#pragma once

#include <string>

namespace platform {

// The error icon, the message and OK; modal: the other windows take no input until it is
// dismissed. Returns then, or when `stillOpen` says the program's window has gone.
void ShowErrorBox(const std::string& utf8Message, const std::string& utf8Title,
                  bool (*stillOpen)());

// From any thread but FLTK's: the error icon with Yes and No, shown by FLTK's thread in a
// window of its own that leaves every other window usable; blocks the caller until answered.
bool AskYesNoFromAnotherThread(const std::string& utf8Question, const std::string& utf8Title);

}  // namespace platform
