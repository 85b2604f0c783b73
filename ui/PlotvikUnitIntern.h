// What the main window's own files share and nobody else needs: building
// the sheets and menus, and the event filter of the table grids and boxes.
#pragma once

#include <QObject>
#include <string>

class TPlotvikForm;
class QEvent;

namespace plotvik {

constexpr int StandardSoejleBredde = 84;  // grid column width in pixels
constexpr int RaekkeHoejde = 20;          // grid row height in pixels
constexpr int PixelPrTegn = 6;            // one character of TabelBredde

void OpbygMenuer(TPlotvikForm& f);
void OpbygTabelArk(TPlotvikForm& f);
void OpbygGrafArk(TPlotvikForm& f);
void OpbygTekstArk(TPlotvikForm& f);
void SkjulTabeller(TPlotvikForm& f);  // hides every table's grid and controls
void NulstilGrafArk(TPlotvikForm& f); // empties the graph sheets' fields and images
void PlacerGnsRaekke(TPlotvikForm& f, int tabel);  // the mean/variance row under the grid

// Keys, focus and clicks of the cell edit boxes, the grids and the
// "Målinger" spin edits.
class TTabelHaendelser : public QObject {
public:
    explicit TTabelHaendelser(TPlotvikForm& f);
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TPlotvikForm& f_;
};

// Virtual-key code of a Qt key, 0 for keys that are ordinary typing.
int VirtuelTast(int qtTast);

// The file name part after the folder.
std::string FilnavnDel(const std::string& sti);
// name up to and including the first "." of its file name part + ext; without
// a "." the name + "." + ext.
std::string SkiftEndelse(const std::string& navn, const std::string& endelse);

}  // namespace plotvik
