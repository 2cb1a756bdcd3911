#pragma once

#include <string_view>

// How the program says that it cannot go on: a line for a developer, and a message box for the
// user in the current language (in English when no language could be read).
namespace FailureReport {

// "Vantix: " and the line, to the debugger's output and to standard error.
void Trace(std::wstring_view line);
// A message box with the text of `messageKey` (`englishText` when no language knows it) and
// `detail` under it; it returns when the user closed it.
void Tell(std::wstring_view messageKey, std::wstring_view englishText, std::wstring_view detail);

}  // namespace FailureReport
