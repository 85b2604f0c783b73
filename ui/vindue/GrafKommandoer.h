// The graph tools of "&Matematik" and of the graph images' pop-up menu,
// Fourier, and the commands that take a graph sheet into a report.
#pragma once

#include <Qt>

#include "ui/vindue/VinduesKerne.h"

class TFourierTransformationDialog;
class TFunktionDialogForm;
class TArealUnderGrafDialog;

class TGrafKommandoer {
public:
    explicit TGrafKommandoer(TVinduesKerne& kerne) : k(kerne) {}

    // The three dialogs of the tools, made once each, and Fourier's drawing hook.
    void OpretDialoger();

    void TegnMatematiskFunktionMenuItemClick();
    void DifferentialkvotientAfFunktionMenuItemClick();
    void TegnTangentTilFunktionMenuItemClick();
    void ArealUnderFunktionMenuItemClick();
    void AflaesFunktionsvaerdiMenuItemClick();
    void FindDifferentialKvotientMenuItemClick();
    void TegnTangentPaaGrafMenuItemClick();
    void ArealUnderGrafMenuItemClick();
    void FourierTransformationMenuItemClick();
    // A click on graph sheet s's image with a tool armed.
    void GrafImageMouseDown(int ark, Qt::MouseButton knap, int x, int y);

    void EksporterGrafMenuItemClick();
    void KopierGrafMenuItemClick();
    void GlatteLinjerMenuItemClick();

private:
    template <class Handling>
    void Areal(Handling handling);

    TVinduesKerne& k;
    TFourierTransformationDialog* fourier_ = nullptr;
    TFunktionDialogForm* funktion_ = nullptr;
    TArealUnderGrafDialog* areal_ = nullptr;
};
