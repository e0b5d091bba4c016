#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rollwell {

// Number of characters (code points) of a UTF-8 text.
size_t utf8Length(std::string_view text);

// Cuts a UTF-8 text to `width` characters or pads it with blanks to `width`.
std::string fitToWidth(std::string_view text, size_t width);

// The text without its trailing blanks.
std::string trimRight(std::string_view text);

} // namespace rollwell
