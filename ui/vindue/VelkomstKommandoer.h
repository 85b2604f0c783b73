// The welcome on the window: the panel (Velkomst.h) shown while no project is
// loaded or being built, and the examples it opens.
#pragma once

#include <string>

#include "ui/vindue/VinduesKerne.h"

class QLabel;
class TVelkomst;

class TVelkomstKommandoer {
public:
    explicit TVelkomstKommandoer(TVinduesKerne& kerne) : k(kerne) {}

    // The panel on the first table sheet and the tip beside the tabs; the sheets exist already.
    void Opret();
    // Shows the panel while no project is loaded or being built.
    void OpdaterVelkomst();
    // An example opened, then read, computed and drawn.
    void AabnEksempel(const std::string& navn);
    // The line beside the tabs about the example just opened (hidden by another project).
    QLabel* EksempelTipLabel = nullptr;

private:
    TVinduesKerne& k;
    TVelkomst* panel_ = nullptr;
    std::string eksempel_;  // the example the tip beside the tabs belongs to
};
