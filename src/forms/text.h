// UTF-8 helpers: a "character" of the program is a code point, not a byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forms {

// Decodes UTF-8; an invalid byte comes out as U+FFFD and decoding goes on.
std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);
std::string encodeUtf8(char32_t c);
std::size_t codePointCount(std::string_view text);

// The text a label shows for a caption with access-key markers: "&&" shows one "&", a lone "&"
// is dropped and underlines the character after it (underline is -1 when there is none).
struct AccessKeyText {
  std::u32string text;
  int underline = -1;
};
AccessKeyText parseAccessKeys(std::string_view caption);

// ASCII upper case, as used for the language name.
std::string upperAscii(std::string_view text);

}  // namespace forms
