// Paths to the checked-in fixtures and examples, and a fresh temporary folder.
#pragma once

#include <string>

namespace plotvik::test {

std::string Kildesti(const std::string& relativ);  // path under the source tree
std::string NyTempMappe(const std::string& navn);  // an empty folder of its own under /tmp
std::string LaesBytes(const std::string& navn);    // the whole file, byte for byte ("" when missing)
void SkrivBytes(const std::string& navn, const std::string& indhold);

}  // namespace plotvik::test
