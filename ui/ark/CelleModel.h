// A table grid's view of its cell matrix. The grid never holds a copy of the
// cells: every paint reads the matrix, so a table of 32767 measurements opens
// at once and a computed column shows as soon as it is stored.
#pragma once

#include <QAbstractTableModel>
#include <functional>

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

signals:
    // A cell was edited in the grid (free editing): grid row and column, 0-based.
    void CelleRedigeret(int raekke, int soejle);

private:
    char Type() const;
    plotvik::TProjekt& p_;
    int tabel_;
    int raekker_ = 0, soejler_ = 0;
};
