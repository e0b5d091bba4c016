#include "game/text.h"

namespace rollwell {
namespace {
bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

size_t utf8Length(std::string_view text) {
    size_t n = 0;
    for (char c : text) {
        if (!isContinuation(c)) ++n;
    }
    return n;
}

std::string fitToWidth(std::string_view text, size_t width) {
    size_t chars = 0;
    size_t end = 0;
    while (end < text.size()) {
        if (!isContinuation(text[end])) {
            if (chars == width) break;
            ++chars;
        }
        ++end;
    }
    std::string out(text.substr(0, end));
    out.append(width - chars, ' ');
    return out;
}

std::string trimRight(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return std::string(text.substr(0, end));
}

} // namespace rollwell
