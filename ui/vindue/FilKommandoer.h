// The project and file commands of "&Fil": open, edit, build, convert and
// save projects and texts, and set the window up after a project is read.
#pragma once

#include <string>

#include "ui/vindue/VinduesKerne.h"

namespace plotvik {

// The file name part after the folder.
std::string FilnavnDel(const std::string& sti);
// name up to and including the first "." of its file name part + ext; without
// a "." the name + "." + ext.
std::string SkiftEndelse(const std::string& navn, const std::string& endelse);

}  // namespace plotvik

class TFilKommandoer {
public:
    explicit TFilKommandoer(TVinduesKerne& kerne) : k(kerne) {}

    void HentProjektFilMenuItemClick();
    void RedigerProjektFilMenuItemClick();
    void OpbygProjektFilMenuItemClick();
    void OmdanTilProjektFilMenuItemClick();
    void HentFilMenuItemClick();
    void GemFilMenuItemClick();
    void GemFilSomMenuItemClick();
    void GemInddataMenuItemClick();
    void AfslutMenuItemClick();

    void SpoergOmGem(const std::string& navn);
    void GemFil(std::string navn, bool spoerg);
    // "&Hent Projekt Fil" with the name already chosen (command line, dropped file, recent list).
    void HentProjekt(const std::string& navn);
    void FoerProjektHentes();  // the save question and the fresh window
    // Reads the chosen file and sets up the window; with the constants' message and input unless told not to.
    void LaesProjektInd(const std::string& navn, bool spoergOmKonstanter = true);
    // The window set-up after LaesProjektFil; with the constants' message and input unless restoring.
    void OpsaetVindueEfterProjekt(bool spoergOmKonstanter = true);

private:
    TVinduesKerne& k;
};
