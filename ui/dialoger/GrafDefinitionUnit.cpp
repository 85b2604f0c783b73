// The graph definition dialog.
#include "ui/dialoger/GrafDefinitionUnit.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/Brugerflade.h"
#include "graphs/ModelFit.h"
#include "graphs/ModelUdtryk.h"
#include "ui/flade/Tegnsaet.h"

using plotvik::FraQString;
using plotvik::TilQString;

TGraferDialog::TGraferDialog(QWidget* parent)
    : TPlotvikDialog(parent, "TGraferDialog", "Graf definition til Tabel ") {
    Felter->addRow(NyLabel("Beregningsudtryk til akserne. (Kan \xE6ndres under k\xF8rslen)"));
    xgrafEdit = NyEdit("xgrafEdit", "x-graf");
    ygrafEdit = NyEdit("ygrafEdit", "y-graf");
    ygrafEdit->installEventFilter(this);
    connect(ygrafEdit, &QLineEdit::returnPressed, this, &TGraferDialog::ygrafEditExit);

    Felter->addRow(NyLabel("Koordinatsystemets begr\xE6nsninger. (Kan \xE6ndres under k\xF8rslen)"));
    xminEdit = NyEdit("xminEdit", "x-min");
    xmaxEdit = NyEdit("xmaxEdit", "x-max");
    yminEdit = NyEdit("yminEdit", "y-min");
    ymaxEdit = NyEdit("ymaxEdit", "y-max");
    TabelNoSpinEdit = NySpinEdit("TabelNoSpinEdit", "Tabel No", 1, 4, 1);
    GrafOverskriftEdit = NyEdit("GrafOverskriftEdit", "Graf Overskrift");
    GrafArkNoSpinEdit = NySpinEdit("GrafArkNoSpinEdit", "GrafArkNo", 1, 3, 1);

    auto* fit = new QGroupBox(TilQString("V\xE6lg fit til punkterne p\xE5 grafen"), this);
    fit->setObjectName("FitGroupBox");
    auto* fitLayout = new QVBoxLayout(fit);
    auto radio = [&](const char* navn, const char* tekst) {
        auto* r = new QRadioButton(TilQString(tekst), fit);
        r->setObjectName(navn);
        fitLayout->addWidget(r);
        return r;
    };
    KunPunkterRadioButton = radio("KunPunkterRadioButton", "Kun Punkter");
    RegressionslinieRadioButton = radio("RegressionslinieRadioButton", "Regressionslinie");
    PolynomiumsfitRadioButton = radio("PolynomiumsfitRadioButton", "Polynomiumsfit");
    SplinefitRadioButton = radio("SplinefitRadioButton", "Spline fit");
    BezierfitRadioButton = radio("BezierfitRadioButton", "Bezier fit");
    ModelfitRadioButton = radio("ModelfitRadioButton", "Modelfit");
    EksponentielRegressionRadioButton = radio("EksponentielRegressionRadioButton", "Eksponentiel regression");
    PotensRegressionRadioButton = radio("PotensRegressionRadioButton", "Potensregression");
    RegressionslinieRadioButton->setChecked(true);
    Felter->addRow(fit);
    PolynomiumsGradSpinEdit = NySpinEdit("PolynomiumsGradSpinEdit", "Polynomiums Grad", 1, 10, 1);
    connect(PolynomiumsfitRadioButton, &QRadioButton::toggled, this, [this](bool valgt) {
        if (valgt) PolynomiumsGradSpinEdit->setValue(2);
    });
    ModelEdit = NyEdit("ModelEdit", "Model (f.eks. A*exp(-k*t)+C)");
    StartVaerdierEdit = NyEdit("StartVaerdierEdit", "Startv\xE6rdier (f.eks. k=0,5 A=2)");
    const auto modelFelter = [this](bool valgt) {
        ModelEdit->setEnabled(valgt);
        StartVaerdierEdit->setEnabled(valgt);
    };
    connect(ModelfitRadioButton, &QRadioButton::toggled, this, modelFelter);
    modelFelter(false);
    auto* akser = new QGroupBox(TilQString("Akser"), this);
    akser->setObjectName("AkserGroupBox");
    auto* akseLayout = new QVBoxLayout(akser);
    LogXCheckBox = new QCheckBox(TilQString("Logaritmisk x-akse"), akser);
    LogXCheckBox->setObjectName("LogXCheckBox");
    LogYCheckBox = new QCheckBox(TilQString("Logaritmisk y-akse"), akser);
    LogYCheckBox->setObjectName("LogYCheckBox");
    akseLayout->addWidget(LogXCheckBox);
    akseLayout->addWidget(LogYCheckBox);
    Felter->addRow(akser);
    LavKnapper();
}

void TGraferDialog::Forbered(int tabelNo, int grafArkNo) {
    TabelNoSpinEdit->setValue(tabelNo);
    GrafArkNoSpinEdit->setValue(grafArkNo);
    for (QLineEdit* e : {xgrafEdit, ygrafEdit, xminEdit, xmaxEdit, yminEdit, ymaxEdit, GrafOverskriftEdit, ModelEdit,
                         StartVaerdierEdit})
        e->clear();
    PolynomiumsGradSpinEdit->setValue(PolynomiumsGradSpinEdit->minimum());
    RegressionslinieRadioButton->setChecked(true);
    LogXCheckBox->setChecked(false);
    LogYCheckBox->setChecked(false);
    xgrafEdit->setFocus();
}

void TGraferDialog::ygrafEditExit() {
    GrafOverskriftEdit->setText(TilQString(
        plotvik::GrafOverskriftForslag(FraQString(xgrafEdit->text()), FraQString(ygrafEdit->text()))));
}

bool TGraferDialog::eventFilter(QObject* o, QEvent* e) {
    // Only a move to another control of the shown dialog counts as leaving
    // the box, not the dialog losing the focus to another window or closing.
    if (o == ygrafEdit && e->type() == QEvent::FocusOut) {
        auto grund = static_cast<QFocusEvent*>(e)->reason();
        if (isVisible() && grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
            ygrafEditExit();
    }
    return TPlotvikDialog::eventFilter(o, e);
}

void TGraferDialog::done(int r) {
    if (r == QDialog::Accepted && ModelfitRadioButton->isChecked()) {
        std::string besked;
        std::vector<plotvik::TParameter> start;
        const std::string model = EditTekst(ModelEdit);
        if (model.find_first_not_of(' ') == std::string::npos)
            besked = "Skriv modellen, f.eks. A*exp(-k*t)+C";
        else
            plotvik::ModelParametre(model, EditTekst(xgrafEdit), {}, besked);
        if (besked.empty()) plotvik::LaesStartVaerdier(EditTekst(StartVaerdierEdit), start, besked);
        if (!besked.empty()) {
            plotvik::Flade().Fejlboks(besked);
            ModelEdit->setFocus();
            return;
        }
    }
    TPlotvikDialog::done(r);
}

void TGraferDialog::HentFelter() {
    Valg.XGraf = EditTekst(xgrafEdit);
    Valg.YGraf = EditTekst(ygrafEdit);
    Valg.XMin = EditTekst(xminEdit);
    Valg.XMax = EditTekst(xmaxEdit);
    Valg.YMin = EditTekst(yminEdit);
    Valg.YMax = EditTekst(ymaxEdit);
    Valg.Overskrift = EditTekst(GrafOverskriftEdit);
    Valg.TabelNo = SpinTekst(TabelNoSpinEdit);
    Valg.GrafArkNo = SpinTekst(GrafArkNoSpinEdit);
    Valg.PolGrad = SpinTekst(PolynomiumsGradSpinEdit);
    int knap = -1;
    const QRadioButton* knapper[] = {KunPunkterRadioButton, RegressionslinieRadioButton, PolynomiumsfitRadioButton,
                                     SplinefitRadioButton, BezierfitRadioButton, ModelfitRadioButton,
                                     EksponentielRegressionRadioButton, PotensRegressionRadioButton};
    for (int i = 0; i < 8; ++i)
        if (knapper[i]->isChecked()) knap = i;
    Valg.GrafType = plotvik::FitBogstav(knap);
    Valg.LogX = LogXCheckBox->isChecked();
    Valg.LogY = LogYCheckBox->isChecked();
    Valg.Model = EditTekst(ModelEdit);
    // The start values travel between quotes on one line: ";" and '"' become blanks.
    std::string start = EditTekst(StartVaerdierEdit);
    for (char& c : start)
        if (c == ';' || c == '"') c = ' ';
    Valg.StartVaerdier = start;
}
