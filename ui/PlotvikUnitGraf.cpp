// "Tegn graf" and the "Statistik" boxes of the graph sheets: the window takes
// the sheet's boxes back, the engine's pass does the work on the sheet struct
// and the image, and the window shows the result.
#include "graphs/Fourier.h"
#include "graphs/GrafTegning.h"
#include "ui/PlotvikUnit.h"

void TPlotvikForm::TegnGrafButtonClick(int ark) {
    if (ark < 1 || ark > 3) return;
    // The Fourier spectrum is drawn through hooks of the pass; connect them once.
    if (!TegneTilstand.TegnFourierGraf) plotvik::TilslutFourier(TegneTilstand);
    TagGrafArkTilbage(ark);
    plotvik::TegnGrafKnap(Projekt, GrafArkene, TegneTilstand, ark);
    VisGrafArk(ark);
}

void TPlotvikForm::StatistikCheckBoxClick(int ark) {
    if (ark < 1 || ark > 3) return;
    TagGrafArkTilbage(ark);
    plotvik::StatistikKlik(Projekt, GrafArkene, ark);
    VisGrafArk(ark);
}
