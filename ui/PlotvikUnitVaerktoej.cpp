// Functions on the graph sheets, the graph tools, areas and Fourier.
#include "ui/PlotvikUnit.h"

void TPlotvikForm::OpretVaerktoejsDialoger() {}
void TPlotvikForm::TegnMatematiskFunktionMenuItemClick() {}
void TPlotvikForm::DifferentialkvotientAfFunktionMenuItemClick() {}
void TPlotvikForm::TegnTangentTilFunktionMenuItemClick() {}
void TPlotvikForm::ArealUnderFunktionMenuItemClick() {}
void TPlotvikForm::AflaesFunktionsvaerdiMenuItemClick() {}
void TPlotvikForm::FindDifferentialKvotientMenuItemClick() {}
void TPlotvikForm::TegnTangentPaaGrafMenuItemClick() {}
void TPlotvikForm::ArealUnderGrafMenuItemClick() {}
void TPlotvikForm::FourierTransformationMenuItemClick() {}
void TPlotvikForm::TegnFunktionButtonClick(int) {}
void TPlotvikForm::GrafImageMouseDown(int, Qt::MouseButton, int, int) {}
