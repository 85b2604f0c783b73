// "Tegn graf" and the "Statistik" boxes of the graph sheets.
#include "ui/PlotvikUnit.h"

void TPlotvikForm::TegnGrafButtonClick(int) {}
void TPlotvikForm::StatistikCheckBoxClick(int) {}
