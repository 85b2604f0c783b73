// What the main window's own files share and nobody else needs: building
// the menus and the handling of file names.
#pragma once

#include <QStringList>
#include <string>

class QMenu;
class TPlotvikForm;

namespace plotvik {

void OpbygMenuer(TPlotvikForm& f);
// The "&Rediger" menu between "&Fil" and "&Matematik", made by whoever needs
// it first; "&Kopier" and "&Sæt ind" added to it (RedigerMenu.cpp).
QMenu* RedigerMenu(TPlotvikForm& f);
void OpbygKopierOgIndsaet(TPlotvikForm& f);
// "&Importer data...", "Eksporter &tabel..." and "Seneste projekter" in "&Fil" (DataKommandoer.cpp).
void OpbygDataPunkter(TPlotvikForm& f, QMenu* fil);
void OpbygSenesteProjekter(TPlotvikForm& f, QMenu* fil);
// The recent projects, newest first (QSettings), and adding one.
QStringList SenesteProjekter();
void HuskSenesteProjekt(const std::string& navn);
// The welcome on the first table sheet (Velkomst.cpp).
void OpretVelkomst(TPlotvikForm& f);

// The file name part after the folder.
std::string FilnavnDel(const std::string& sti);
// name up to and including the first "." of its file name part + ext; without
// a "." the name + "." + ext.
std::string SkiftEndelse(const std::string& navn, const std::string& endelse);

}  // namespace plotvik
