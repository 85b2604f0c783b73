// The definition dialogs, the option dialogs and printing.
#include "ui/PlotvikUnit.h"

void TPlotvikForm::OpretDefinitionsDialoger() {}
void TPlotvikForm::OverskriftMenuItemClick() {}
void TPlotvikForm::InddataKonstantMenuItemClick() {}
void TPlotvikForm::UddataKonstantMenuItemClick() {}
void TPlotvikForm::TabelMenuItemClick() {}
void TPlotvikForm::InddataVariabelMenuItemClick() {}
void TPlotvikForm::UddataVariabelMenuItemClick() {}
void TPlotvikForm::GrafMenuItemClick() {}
void TPlotvikForm::AktiveTabelNoOgGrafNoMenuItemClick() {}
void TPlotvikForm::ProgramstyringMenuItemClick() {}
void TPlotvikForm::UdskrivTabelMenuItemClick() {}
void TPlotvikForm::UdskrivArkMenuItemClick() {}
void TPlotvikForm::UdskrivGrafresultaterMenuItemClick() {}
void TPlotvikForm::UdskrivTekstMenuItemClick() {}
