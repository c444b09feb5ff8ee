#pragma once

#include <string>
#include <string_view>

// The one place where the window's UTF-8 texts meet Windows' UTF-16. Never
// throws: a malformed sequence either way becomes U+FFFD, so that nothing a
// user pastes or types breaks the window or the compute command.
std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);
