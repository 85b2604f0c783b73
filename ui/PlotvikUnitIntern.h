// What the main window's own files share and nobody else needs: building
// the menus and the handling of file names.
#pragma once

#include <string>

class TPlotvikForm;

namespace plotvik {

void OpbygMenuer(TPlotvikForm& f);

// The file name part after the folder.
std::string FilnavnDel(const std::string& sti);
// name up to and including the first "." of its file name part + ext; without
// a "." the name + "." + ext.
std::string SkiftEndelse(const std::string& navn, const std::string& endelse);

}  // namespace plotvik
