// The text sheet's files: a text file is loaded as lines and saved as lines.
// Reading accepts Windows-1252 and UTF-8 (from a modern editor); saving always
// writes Windows-1252 with CRLF line ends, and never harms the old file when
// the save fails.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plotvik {

// Splits a text into lines at CRLF, LF or a lone CR. A final line end does
// not start another line; a text without a final line end keeps its last line.
std::vector<std::string> DelILinier(std::string_view tekst);

// The file's lines in Windows-1252. When the file cannot be read, shows
// "Fejl ved indlæsning fra filen " + name in an error box and gives nothing.
std::optional<std::vector<std::string>> LaesTekstLinier(const std::string& navn);

// Writes the lines, each ended by CRLF. On failure shows
// "Fejl ved skrivning af filen " + name + a line break + "Den tidligere fil er uændret."
// in an error box and returns false.
bool SkrivTekstLinier(const std::string& navn, const std::vector<std::string>& linier);

}  // namespace plotvik
