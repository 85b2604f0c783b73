// A table grid's view of its cell matrix. The grid never holds a copy of the
// cells: every paint reads the matrix, so a table of 32767 measurements opens
// at once and a computed column shows as soon as it is stored.
#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "core/Projekt.h"

class TCelleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TCelleModel(plotvik::TProjekt& p, int tabel, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int Tabel() const { return tabel_; }
    // Takes the grid's size from the table (AntalRaekker, AntalSoejler).
    void Opdater();
    void SaetStoerrelse(int raekker, int soejler);
    // Repaints a block of grid cells (0-based, inclusive).
    void VisBlok(int foersteRaekke, int sidsteRaekke, int foersteSoejle, int sidsteSoejle);
    void VisAlt();
    // The fixed header row or column of the grid.
    bool ErFastCelle(int raekke, int soejle) const;
    // Whether the grid's own cell editing is on (free editing).
    std::function<bool()> FriRedigering;
    // Where an edited cell is written (matrix position); unset: straight into the matrix.
    std::function<void(int variabel, int kolonne, const std::string& tekst)> Skriv;

    // The read-only "\xB1" columns (rows in a table of type 'R'), one for each
    // variable whose values the last computation gave uncertainties. They come
    // after the table's own columns, so that every value cell keeps its grid
    // address; the sheet moves each one beside its variable on the screen.
    void SaetVisUsikkerheder(bool vis);
    bool VisUsikkerheder() const { return visUsikkerheder_; }
    // The variables with a "\xB1" column, in order; empty while they are not shown.
    const std::vector<int>& UsikkerhedsVariable() const { return usikkerhedsVariable_; }
    // The variables that would have one now (the table's uncertainties as computed).
    std::vector<int> VariableMedUsikkerhed() const;
    bool ErUsikkerhedsCelle(const QModelIndex& index) const;
    // The grid's own size, without the "\xB1" columns.
    int Raekker() const { return raekker_; }
    int Soejler() const { return soejler_; }

signals:
    // A cell was edited in the grid (free editing): grid row and column, 0-based.
    void CelleRedigeret(int raekke, int soejle);

private:
    char Type() const;
    plotvik::TProjekt& p_;
    int tabel_;
    int raekker_ = 0, soejler_ = 0;
    bool visUsikkerheder_ = false;
    std::vector<int> usikkerhedsVariable_;
};
