// Texts are Windows-1252 bytes. Files are written in that code page; a file
// that is valid UTF-8 with non-ASCII bytes (from a modern editor) is
// recognised on reading and converted, so Danish letters survive.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plotvik {

bool ErUtf8MedIkkeAscii(std::string_view bytes);  // valid UTF-8 holding at least one non-ASCII character
std::string Utf8TilCp1252(std::string_view utf8); // characters without a code point in 1252 become '?'
std::string Cp1252TilUtf8(std::string_view tekst);
void SkrivUtf8(std::string& ud, std::uint32_t u);  // appends code point u as UTF-8
// Reads the whole file; converts it from UTF-8 when it is UTF-8 (a leading BOM is dropped).
// Empty optional when the file cannot be opened or read.
std::optional<std::string> LaesTekstFil(const std::string& navn);

}  // namespace plotvik
