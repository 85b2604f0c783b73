// "&Importer data...": the first 20 lines of a data file as they will be
// read, the separator, decimal sign, header row and encoding found (and
// changeable), and for each column of the file the input variable it goes to.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/Projekt.h"
#include "files/DataImport.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

class TImporterDataDialog : public QDialog {
    Q_OBJECT
public:
    // bytes: the whole file; the dialog reads it again whenever a choice changes.
    TImporterDataDialog(const plotvik::TProjekt& p, int tabel, std::string bytes, const QString& filnavn,
                        QWidget* parent = nullptr);

    const plotvik::TImportResultat& Resultat() const { return resultat_; }
    // The input variable (1..) of each file column, 0 for a column left out.
    std::vector<int> Variabler() const;

    QComboBox* SeparatorComboBox = nullptr;
    QComboBox* DecimalTegnComboBox = nullptr;
    QComboBox* TegnsaetComboBox = nullptr;
    QCheckBox* OverskriftCheckBox = nullptr;
    QTableWidget* ForhaandsvisningTable = nullptr;
    QLabel* OversigtLabel = nullptr;

private:
    void Laes(bool foerste);
    void VisForhaandsvisning();
    plotvik::TImportValg Valg() const;

    const plotvik::TProjekt& p_;
    int tabel_;
    std::string bytes_;
    plotvik::TImportResultat resultat_;
    std::vector<QComboBox*> kolonneValg_;
    std::vector<int> variabler_;  // kept while the preview is rebuilt
    bool opdaterer_ = false;
    std::string note_;  // how the file was read where it could also be read otherwise
    char noteSeparator_ = 0;
};
