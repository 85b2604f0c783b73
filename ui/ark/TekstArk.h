// The text sheet ("TekstArk"): the editor RedigerMemo, where project files
// and texts are edited and a project is built line by line.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/Projekt.h"

class QPlainTextEdit;

class TTekstArk : public QWidget {
    Q_OBJECT
public:
    TTekstArk(plotvik::TProjekt& p, QWidget* parent = nullptr);

    QPlainTextEdit* RedigerMemo = nullptr;

    std::string Tekst() const;  // Windows-1252 lines joined by '\n'
    void SaetTekst(const std::string& tekst);
    // Appends a line; the text then has changes not saved.
    void TilfoejLinie(const std::string& linie);
    std::vector<std::string> Linier() const;
};
