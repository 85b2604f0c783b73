// A graph sheet: its controls with the captions and object names the program
// is known by, the copying between fields and struct, "Tegn graf", the
// "Statistik" box and "Tegn Funktion".
#include "ui/ark/GrafArkSide.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "graphs/GraenseTilpasning.h"
#include "graphs/Fourier.h"
#include "graphs/GrafVaerktoej.h"
#include "ui/graf/GrafBillede.h"
#include "ui/graf/GrafVisning.h"
#include "ui/ark/GrafZoom.h"
#include "ui/flade/Tegnsaet.h"
#include "ui/ark/ArkKontroller.h"

using namespace plotvik;
using namespace plotvik::ark;

namespace {

// Tab enters the marker group at the chosen marker; the arrows move on from there.
void TabTilValgt(std::initializer_list<QRadioButton*> knapper) {
    for (QRadioButton* r : knapper) r->setFocusPolicy(r->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

TGrafArkSide::TGrafArkSide(int ark, TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tegning, const QFont& skrift,
                           QWidget* parent)
    : QWidget(parent), ark_(ark), p_(p), arkene_(arkene), tegning_(tegning) {
    setObjectName(N("GrafArk%1", ark));
    setFont(skrift);  // the window's; the sheet is made before it is placed in the window
    Visning = std::make_unique<TGrafVisning>(tegning_.Grafik, ark, QSize(550, 490));
    Data().Billede = &Visning->Tegneflade();
    Opbyg();

    connect(TegnGrafButton, &QPushButton::clicked, this, [this] { TegnGrafButtonClick(); });
    connect(TegnFunktionButton, &QPushButton::clicked, this, [this] { TegnFunktionButtonClick(); });
    connect(StatistikCheckBox, &QCheckBox::clicked, this, [this] { StatistikCheckBoxClick(); });
    connect(TilpasGraenserButton, &QPushButton::clicked, this, [this] { TilpasGraenserButtonClick(); });
    for (QCheckBox* c : {LogXCheckBox, LogYCheckBox, ResidualerCheckBox, FejlstaengerXCheckBox, FejlstaengerYCheckBox})
        connect(c, &QCheckBox::clicked, this, [this] { VisningsBoksKlik(); });
    zoom_ = new TGrafZoom(GrafBilledeWidget, this);
    connect(GrafBilledeWidget, &TGrafBillede::MusNed, this, &TGrafArkSide::MusNed);
    // Return in a limit box draws at once, with the limits just typed.
    for (QLineEdit* graense : {xminEdit, xmaxEdit, yminEdit, ymaxEdit})
        connect(graense, &QLineEdit::returnPressed, this, [this] {
            if (TegnGrafButton->isEnabled()) TegnGrafButton->click();
        });
    if (ark <= 2) {
        // Enter, or leaving the box with Tab, goes on to "Tegn graf".
        connect(AntalGrafPunkterEdit, &QLineEdit::returnPressed, this, [this] { TegnGrafButton->setFocus(); });
        QWidget::setTabOrder(AntalGrafPunkterEdit, TegnGrafButton);
    }
}

TGrafArkSide::~TGrafArkSide() {
    // The controls go after this sheet's own part; their last signals must not reach it.
    for (QObject* barn : findChildren<QObject*>()) QObject::disconnect(barn, nullptr, this, nullptr);
    if (zoom_) GrafBilledeWidget->removeEventFilter(zoom_);
    // The engine's struct outlives the sheet; it must not keep the canvas.
    if (Data().Billede == &Visning->Tegneflade()) Data().Billede = nullptr;
}

TGrafArk& TGrafArkSide::Data() { return arkene_.Ark[ark_]; }

void TGrafArkSide::SaetPopupMenu(QMenu* menu) { GrafBilledeWidget->SaetPopupMenu(menu); }

void TGrafArkSide::Opbyg() {
    static const char* Overskrifter[4] = {"", "1. Graf Overskrift", "2. Graf Overskrift", " 3. Graf Overskrift"};
    const int s = ark_;
    auto& felter = felter_;
    auto* overskrift = new QLabel(QString::fromLatin1(Overskrifter[s]), this);
    overskrift->setObjectName(N("Graf%1OverskriftLabel", s));
    QFont fed = overskrift->font();
    fed.setBold(true);
    overskrift->setFont(fed);
    GrafOverskriftLabel = overskrift;
    felter.push_back(overskrift);

    GrafBilledeWidget = new TGrafBillede(s, Visning.get(), this);
    GrafBilledeWidget->setObjectName(N("Graf%1Image", s));
    GrafBilledeWidget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    // The fields beside the image, placed within their panel; the results
    // list at the bottom grows with the sheet.
    auto* panel = new QWidget(this);
    panel->setObjectName(N("GrafFelter%1Panel", s));
    panel->setFixedWidth(230);
    const int x = 0;
    felter.push_back(Etiket(panel, QStringLiteral("x-akse"), N("Xakse%1Label", s), x, 3, 40));
    XakseEdit = Felt(panel, N("Xakse%1Edit", s), x + 42, 1, 188);
    felter.push_back(XakseEdit);
    felter.push_back(Etiket(panel, QStringLiteral("y-akse"), N("Yakse%1Label", s), x, 25, 40));
    YakseEdit = Felt(panel, N("Yakse%1Edit", s), x + 42, 23, 188);
    felter.push_back(YakseEdit);
    const bool bindestreg = s == 1;
    auto graense = [&](const char* navn, const char* tekst, int gx, int gy, QLineEdit*& edit) {
        QString t = QString::fromLatin1(tekst);
        if (!bindestreg) t.remove('-');
        felter.push_back(Etiket(panel, t, N(navn, s).replace("Edit", "Label"), gx, gy + 2, 36));
        edit = Felt(panel, N(navn, s), gx + 38, gy, 76);
        felter.push_back(edit);
    };
    graense("xmin%1Edit", "x-min", x, 47, xminEdit);
    graense("xmax%1Edit", "x-max", x + 116, 47, xmaxEdit);
    graense("ymin%1Edit", "y-min", x, 69, yminEdit);
    graense("ymax%1Edit", "y-max", x + 116, 69, ymaxEdit);

    GrafTypeLabel = Etiket(panel, QStringLiteral("Graftype: "), N("GrafType%1Label", s), x, 93, 230);
    felter.push_back(GrafTypeLabel);
    PolGradLabel = Etiket(panel, QString::fromLatin1(s == 1 ? "Polynomiumgrad: " : "Polynomiumsgrad: "),
                          N("PolGrad%1Label", s), x, 110, 230);
    PolGradLabel->hide();

    auto boks = [&](const char* tekst, const char* navn, int bx, int by, QWidget* i = nullptr) {
        auto* c = new QCheckBox(QString::fromLatin1(tekst), i ? i : panel);
        c->setObjectName(N(navn, s));
        c->setGeometry(bx, by, 110, 18);
        return c;
    };
    Etiket(panel, QString::fromUtf8("Graf Opløsning"), N("AntalGrafPunkter%1Label", s), x, 133, 90);
    AntalGrafPunkterEdit = Felt(panel, N("AntalGrafPunkter%1Edit", s), x + 94, 131, 50);
    AntalGrafPunkterEdit->setText(QStringLiteral("50"));
    ResidualerCheckBox = boks("Residualer", "Residualer%1CheckBox", x + 150, 133);
    ResidualerCheckBox->setFixedWidth(80);

    auto* gruppe = new QGroupBox(QStringLiteral("Graf punkter udseende"), panel);
    gruppe->setObjectName(N("GrafPunkter%1GroupBox", s));
    gruppe->setGeometry(x, 155, 230, 56);
    GrafPunkterGroupBox = gruppe;
    auto radio = [&](const char* tekst, const char* navn, int rx, int ry) {
        auto* r = new QRadioButton(QString::fromLatin1(tekst), gruppe);
        r->setObjectName(N(navn, s));
        r->setGeometry(rx, ry, 100, 18);
        return r;
    };
    RuderRadioButton = radio("Ruder", "Ruder%1RadioButton", 10, 16);
    KrydsRadioButton = radio("Kryds", "Kryds%1RadioButton", 120, 16);
    CirkelRadioButton = radio("Cirkel", "Cirkel%1RadioButton", 10, 34);
    PunktRadioButton = radio("Punkt", "Punkt%1RadioButton", 120, 34);
    KrydsRadioButton->setChecked(true);
    TabTilValgt({RuderRadioButton, KrydsRadioButton, CirkelRadioButton, PunktRadioButton});

    StatistikCheckBox = boks("Statistik", "Statistik%1CheckBox", x, 215);
    TegnKunPunkterCheckBox = boks("Tegn kun punkter", "TegnKunPunkter%1CheckBox", x + 112, 215);
    BeholdGrafCheckBox = boks("Behold graf", "BeholdGraf%1CheckBox", x, 235);
    BeholdGrafCheckBox->setEnabled(false);
    // Limits that hold the data, in one click; beside "Behold graf", above "Tegn Funktion".
    TilpasGraenserButton = Knap(panel, QString::fromUtf8("Ti&lpas grænser"), N("TilpasGraenser%1Button", s),
                                x + 120, 232, 110, 24);
    felter.push_back(TilpasGraenserButton);

    TegnGrafButton = Knap(panel, QString::fromLatin1(s == 2 ? "Tegn Graf" : "Tegn graf"), N("TegnGraf%1Button", s), x,
                          259, 110, 25);
    TegnFunktionButton = Knap(panel, QStringLiteral("Tegn Funktion"), N("TegnFunktion%1Button", s), x + 120, 259, 110, 25);
    Etiket(panel, QStringLiteral("Graf Resultater"), N("GrafResultater%1Label", s), x, 291, 120);
    GrafResultaterListBox = new QListWidget(panel);
    GrafResultaterListBox->setObjectName(N("GrafResultater%1ListBox", s));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 1);
    panelLayout->setSpacing(0);
    panelLayout->addSpacing(308);  // the fields above
    panelLayout->addWidget(GrafResultaterListBox, 1);
    // Under the results: the axes, and the error bars of the uncertainties.
    auto* visning = new QWidget(panel);
    visning->setObjectName(N("GrafAkser%1Panel", s));
    visning->setFixedHeight(44);
    LogXCheckBox = boks("Log. x-akse", "LogX%1CheckBox", x, 4, visning);
    LogYCheckBox = boks("Log. y-akse", "LogY%1CheckBox", x + 112, 4, visning);
    FejlstaengerXCheckBox = boks("Fejlst\xE6nger x", "FejlstaengerX%1CheckBox", x, 24, visning);
    FejlstaengerYCheckBox = boks("Fejlst\xE6nger y", "FejlstaengerY%1CheckBox", x + 112, 24, visning);
    panelLayout->addWidget(visning);

    // The heading over the image, the image taking the room the sheet gives
    // it, the fields beside it; at the default window size the image is
    // exactly its 550 x 490 pixels.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 1, 4, 16);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(2);
    overskrift->setFixedHeight(17);
    // The heading is hidden until a table is computed; its row stays.
    QSizePolicy plads = overskrift->sizePolicy();
    plads.setRetainSizeWhenHidden(true);
    overskrift->setSizePolicy(plads);
    layout->addWidget(overskrift, 0, 0);
    layout->addWidget(GrafBilledeWidget, 1, 0);
    layout->addWidget(panel, 0, 1, 2, 1);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 1);
}

const QImage& TGrafArkSide::GrafImage() const { return Visning->Pixelbillede(); }

// ---------------------------------------------------------------- fields and struct

void TGrafArkSide::TagTilbage() {
    TGrafArk& a = Data();
    a.XAkse = Lang(FraQString(XakseEdit->text()));
    a.YAkse = Lang(FraQString(YakseEdit->text()));
    a.XMinTekst = Kort(FraQString(xminEdit->text()));
    a.XMaxTekst = Kort(FraQString(xmaxEdit->text()));
    a.YMinTekst = Kort(FraQString(yminEdit->text()));
    a.YMaxTekst = Kort(FraQString(ymaxEdit->text()));
    a.AntalGrafPunkter = Kort(FraQString(AntalGrafPunkterEdit->text()));
    a.PunktType = PunktRadioButton->isChecked()    ? TPunktType::Punkt
                  : CirkelRadioButton->isChecked() ? TPunktType::Cirkel
                  : RuderRadioButton->isChecked()  ? TPunktType::Ruder
                                                   : TPunktType::Kryds;
    a.Statistik = StatistikCheckBox->isChecked();
    a.TegnKunPunkter = TegnKunPunkterCheckBox->isChecked();
    a.BeholdGraf = BeholdGrafCheckBox->isChecked();
    a.LogX = LogXCheckBox->isChecked();
    a.LogY = LogYCheckBox->isChecked();
    a.Residualer = ResidualerCheckBox->isChecked();
    a.FejlstaengerX = FejlstaengerXCheckBox->isChecked();
    a.FejlstaengerY = FejlstaengerYCheckBox->isChecked();
}

void TGrafArkSide::Vis() {
    const TGrafArk& a = Data();
    GrafOverskriftLabel->setText(TilQString(a.Overskrift));
    XakseEdit->setText(TilQString(a.XAkse));
    YakseEdit->setText(TilQString(a.YAkse));
    xminEdit->setText(TilQString(a.XMinTekst));
    xmaxEdit->setText(TilQString(a.XMaxTekst));
    yminEdit->setText(TilQString(a.YMinTekst));
    ymaxEdit->setText(TilQString(a.YMaxTekst));
    AntalGrafPunkterEdit->setText(TilQString(a.AntalGrafPunkter));
    switch (a.PunktType) {
        case TPunktType::Punkt: PunktRadioButton->setChecked(true); break;
        case TPunktType::Cirkel: CirkelRadioButton->setChecked(true); break;
        case TPunktType::Ruder: RuderRadioButton->setChecked(true); break;
        default: KrydsRadioButton->setChecked(true); break;
    }
    TabTilValgt({RuderRadioButton, KrydsRadioButton, CirkelRadioButton, PunktRadioButton});
    StatistikCheckBox->setChecked(a.Statistik);
    TegnKunPunkterCheckBox->setChecked(a.TegnKunPunkter);
    BeholdGrafCheckBox->setChecked(a.BeholdGraf);
    BeholdGrafCheckBox->setEnabled(a.BeholdGrafAktiv);
    LogXCheckBox->setChecked(a.LogX);
    LogYCheckBox->setChecked(a.LogY);
    ResidualerCheckBox->setChecked(a.Residualer);
    FejlstaengerXCheckBox->setChecked(a.FejlstaengerX);
    FejlstaengerYCheckBox->setChecked(a.FejlstaengerY);
    TegnFunktionButton->setEnabled(a.TegnFunktionAktiv);
    GrafTypeLabel->setText(TilQString(a.GrafTypeTekst));
    PolGradLabel->setText(TilQString(a.PolGradTekst));
    for (QWidget* w : felter_) w->setVisible(a.FelterSynlige);
    PolGradLabel->setVisible(a.FelterSynlige && a.PolGradSynlig);
    GrafResultaterListBox->clear();
    for (const std::string& linie : a.Resultater) GrafResultaterListBox->addItem(TilQString(linie));
    GrafBilledeWidget->update();
}

void TGrafArkSide::Nulstil() {
    TGrafArk& a = Data();
    Laerred* billede = a.Billede;
    const TPunktType punkt = a.PunktType;
    const std::string oploesning = a.AntalGrafPunkter;
    a = TGrafArk{};
    a.Billede = billede;
    a.PunktType = punkt;
    a.AntalGrafPunkter = oploesning.empty() ? "50" : oploesning;
    a.PolGradTekst = ark_ == 1 ? "Polynomiumgrad: " : "Polynomiumsgrad: ";
    Visning->Ryd();
    Vis();
}

void TGrafArkSide::VisTabelGraf(const TGrafDef& graf) {
    TagTilbage();
    TGrafArk& a = Data();
    a.Overskrift = graf.GrafNavn;
    a.XAkse = graf.XGraf;
    a.YAkse = graf.YGraf;
    a.XMinTekst = FormaterTal(8, 0, graf.XMin);
    a.XMaxTekst = FormaterTal(8, 0, graf.XMax);
    a.YMinTekst = FormaterTal(8, 0, graf.YMin);
    a.YMaxTekst = FormaterTal(8, 0, graf.YMax);
    std::string type;
    switch (graf.GrafType) {
        case 'B': type = "Bezierfit"; break;
        case 'M': type = "Modelfit"; break;
        case 'P': type = "Polynomiumsfit"; break;
        case 'R': type = "Regressionslinie"; break;
        case 'S': type = "Splinefit"; break;
        case 'E': type = "Eksponentiel regression"; break;
        case 'X': type = "Potensregression"; break;
        default: break;
    }
    // "Tegn graf" takes the sheet's axes back into the graph: a graph read
    // with logarithmic axes must bring them to the sheet first.
    a.LogX = graf.LogX;
    a.LogY = graf.LogY;
    a.GrafTypeTekst = "Graftype: " + type;
    a.PolGradSynlig = graf.GrafType == 'P';
    a.PolGradTekst = std::string(ark_ == 1 ? "Polynomiumgrad: " : "Polynomiumsgrad: ") +
                     (a.PolGradSynlig ? std::to_string(graf.PolGrad) : std::string());
    a.FelterSynlige = true;
    Vis();
}

// ---------------------------------------------------------------- the sheet's buttons

void TGrafArkSide::TegnGrafButtonClick() {
    // The Fourier spectrum is drawn through hooks of the pass; connect them once.
    if (!tegning_.TegnFourierGraf) TilslutFourier(tegning_);
    TagTilbage();
    TegnGrafKnap(p_, arkene_, tegning_, ark_);
    Vis();
}

void TGrafArkSide::StatistikCheckBoxClick() {
    TagTilbage();
    StatistikKlik(p_, arkene_, ark_);
    Vis();
}

void TGrafArkSide::TegnFunktionButtonClick() {
    TagTilbage();
    TegnFunktionKnap(p_, arkene_, tegning_, ark_);
    Vis();
}

void TGrafArkSide::VisningsBoksKlik() {
    // Before the first graph the state waits for "Tegn graf"; afterwards the
    // graph is drawn again at once, and an axis it cannot make logarithmic
    // goes back unchecked with the message.
    if (Data().BeholdGrafAktiv && TegnGrafButton->isEnabled()) {
        TegnGrafButtonClick();
        return;
    }
    TagTilbage();
}

// ---------------------------------------------------------------- limits fitted to the data, and zoom

void TGrafArkSide::TilpasGraenserButtonClick() {
    if (!tegning_.TegnFourierGraf) TilslutFourier(tegning_);
    TagTilbage();
    TilpasGraenserKnap(p_, arkene_, tegning_, ark_);
    Vis();
}

void TGrafArkSide::SaetGraenserOgTegn(double xmin, double xmax, double ymin, double ymax) {
    xminEdit->setText(TilQString(GraenseTekst(xmin)));
    xmaxEdit->setText(TilQString(GraenseTekst(xmax)));
    yminEdit->setText(TilQString(GraenseTekst(ymin)));
    ymaxEdit->setText(TilQString(GraenseTekst(ymax)));
    // "Tegn graf", without its word about points outside: a zoom leaves them out on purpose.
    if (!tegning_.TegnFourierGraf) TilslutFourier(tegning_);
    TagTilbage();
    TegnGrafKnap(p_, arkene_, tegning_, ark_);
    FjernPunkterUdenfor(Data());
    Vis();
}

void TGrafArkSide::ZoomOmPixel(int px, int py, double faktor) {
    TArkAfbildning af(tegning_.Grafik, Visning->Tegneflade(), ark_);
    const auto g = VisteGraenser(tegning_.Grafik, ark_);
    if (!af.Gyldig() || !g) return;  // nothing drawn yet: nothing to zoom
    const TGraenser ny = ZoomOmPunkt(*g, af.VerdenX(px), af.VerdenY(py), faktor);
    SaetGraenserOgTegn(ny.XMin, ny.XMax, ny.YMin, ny.YMax);
}

void TGrafArkSide::ZoomTilPixelRektangel(int x1, int y1, int x2, int y2) {
    TArkAfbildning af(tegning_.Grafik, Visning->Tegneflade(), ark_);
    if (!af.Gyldig()) return;
    const auto ny = ZoomTilRektangel(af.VerdenX(x1), af.VerdenY(y1), af.VerdenX(x2), af.VerdenY(y2));
    if (ny) SaetGraenserOgTegn(ny->XMin, ny->XMax, ny->YMin, ny->YMax);
}
