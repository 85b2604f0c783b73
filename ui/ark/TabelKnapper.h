// The commands of a table sheet on a whole table: "OK" beside "Målinger",
// "Indlæs", "Beregn", the mean and deviation of a named variable, and a
// checked block of cells written in one step. They work through the sheet's
// own controls and layout, each command that changes the table as one step
// of the sheet's SomTrin.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class TTabelArk;

namespace plotvik {
struct TProjekt;
struct TIndsaetning;
}  // namespace plotvik

class TTabelKnapper {
public:
    TTabelKnapper(TTabelArk& ark, plotvik::TProjekt& p);

    void AntalMaalingerButtonClick(int tabel);
    void IndLaesTabelButtonClick(int tabel);
    void UdregnTabelButtonClick(int tabel);
    void VariabeludtrykEditExit(int tabel);
    // The cells, "Målinger", the grid, its buttons and the mean/variance row.
    void SkrivCelleblok(int tabel, const plotvik::TIndsaetning& ind);
    // The table whose controls or grid lie at a point of the sheet; 0 for none.
    int TabelVed(QPoint punkt) const;

private:
    void Trin(int tabel, const QString& navn, const std::function<void()>& handling);
    void SaetAntalMaalinger(int tabel);
    void UdregnTabel(int tabel);

    TTabelArk& ark_;
    plotvik::TProjekt& p_;
};
