// The undo steps of the data. A typed or edited cell is one step of its own;
// a command that changes a table as a whole ("Målinger"/"OK", "Indlæs" from
// a data file, "Beregn", a pasted or imported block) is one step that keeps
// the table's state before and after: the cells, the number of measurements,
// the constants' values, the mean/variance row and the graph sheets' fields.
// The main window keeps one stack per project (TPlotvikForm::Fortryd).
#pragma once

#include <QString>
#include <QUndoCommand>
#include <array>
#include <string>

#include "core/Projekt.h"
#include "graphs/GrafArk.h"

class TPlotvikForm;

struct TTabelTilstand {
    int Tabel = 0;
    plotvik::TTekstMatrix Celler, Konstanter;  // table 0 too: a computation may set output constants
    int AntalIndgange = 0;
    std::array<double, 23> KonstantVaerdi{};
    QString Variabeludtryk, Gennemsnit, Varians;
    bool GnsVist = false, KnapperAktive = false;
    std::array<plotvik::TGrafArk, 4> GrafArk{};
};

TTabelTilstand TagTabelTilstand(TPlotvikForm& f, int tabel);
void SaetTabelTilstand(TPlotvikForm& f, const TTabelTilstand& s);
// Whether the data differ (cells, measurements, constants); the fields shown do not count.
bool DataForskellige(const TTabelTilstand& a, const TTabelTilstand& b);

// One cell (matrix position) of a table, typed or edited.
class TCelleKommando : public QUndoCommand {
public:
    TCelleKommando(TPlotvikForm& f, int tabel, int variabel, int kolonne, std::string ny);
    void undo() override;
    void redo() override;

private:
    void Skriv(const std::string& tekst, double konstant);
    TPlotvikForm& f_;
    int tabel_, variabel_, kolonne_;
    std::string gammel_, ny_;
    double gammelKonstant_ = 0, nyKonstant_ = 0;
    bool foerste_ = true;
};

// A whole-table command, already carried out when it is pushed.
class TTabelKommando : public QUndoCommand {
public:
    TTabelKommando(TPlotvikForm& f, const QString& tekst, TTabelTilstand foer, TTabelTilstand efter);
    void undo() override;
    void redo() override;

private:
    TPlotvikForm& f_;
    TTabelTilstand foer_, efter_;
    bool foerste_ = true;
};
