// A table sheet: its controls with the captions, access keys, defaults and
// object names the program is known by, the grid layout and the mean/variance
// row. The keyboard input is TTabelIndtastning, "Målinger", "Indlæs" and
// "Beregn" TTabelKnapper, the controls' own events are in TabelFelter.cpp.
#include "ui/ark/TabelArk.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>

#include "core/Brugerflade.h"
#include "tabeller/TabelBeregning.h"
#include "files/PlotvikAnalyse.h"
#include "files/PlotvikFiler.h"
#include "ui/ark/CelleModel.h"
#include "ui/flade/Tegnsaet.h"
#include "ui/ark/ArkKontroller.h"

using namespace plotvik;
using namespace plotvik::ark;

namespace {

// The y of each table's controls row on its sheet; the grid lies below it.
constexpr int RaekkeY[5] = {0, 63, 316, 4, 262};
constexpr int KontrolRaekkeHoejde = 34;

// The captions that differ from table to table.
struct TTabelTekster {
    const char* GruppeTitel;
    const char* Tastatur;
    const char* Diskfil;
    const char* Indlaes;
    const char* Beregn;
    const char* Ok;
};
const TTabelTekster TabelTekster[5] = {
    {"", "", "", "", "", ""},
    {"Inddata fra:", "&Tastatur", "&Diskfil", "&Indl\u00e6s", "&Beregn", "&OK"},
    {"Indata fra:", "T&astatur", "D&iskFil", "I&ndl\u00e6s", "B&eregn", "O&K"},
    {"Inddata fra", "&Tastatur", "&Diskfil", "&Indl\u00e6s", "&Beregn", "&OK"},
    {"Inddata fra", "T&astatur", "D&iskfil", "I&ndl\u00e6s", "B&eregn", "O&K"},
};

int SoejleBredde(const TProjekt& p, int t) {
    const int b = p.Tabeller[t].TabelBredde * PixelPrTegn;
    return b > 0 ? b : StandardSoejleBredde;
}

// The largest height of each table's grid.
int MaksHoejde(const TProjekt& p, int t) {
    switch (t) {
        case 1: return p.AntalTabeller == 1 ? 385 : 195;
        case 2: return 150;
        case 3: return p.AntalTabeller == 3 ? 385 : 195;
        default: return 195;
    }
}

bool GyldigTabel(const TProjekt& p, int t) { return t >= 1 && t <= p.AntalTabeller && t <= MaksTabeller; }

char Type(const TProjekt& p, int t) { return t == 0 ? 'S' : (p.Tabeller[t].TabelType == 'R' ? 'R' : 'S'); }

std::vector<QWidget*> GnsRaekke(const TTabelKontroller& k) {
    return {k.VariabelLabel, k.VariabeludtrykEdit, k.GnsLabel, k.GennemsnitEdit, k.VariansLabel, k.VariansEdit};
}

}  // namespace

// ---------------------------------------------------------------- building

TTabelArk::TTabelArk(int arkNo, TProjekt& p, TIndtastningsTilstand& ind, const QFont& skrift, QWidget* parent)
    : QWidget(parent), arkNo_(arkNo), foerste_(arkNo == 1 ? 0 : 3), sidste_(arkNo == 1 ? 2 : 4), p_(p), ind_(ind) {
    setObjectName(QString::fromLatin1(arkNo == 1 ? "Tabelark1" : "TabelArk2"));
    setFont(skrift);  // the window's; the sheet is made before it is placed in the window
    if (arkNo == 1) OpbygKonstanter();
    for (int t = foerste_ < 1 ? 1 : foerste_; t <= sidste_; ++t) OpbygTabel(t);
    for (int t = foerste_; t <= sidste_; ++t) Forbind(t);
    auto* layout = new TPlacerLayout(this, QSize(ArkBredde, ArkHoejde), [this] { Placer(); });
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) layout->addWidget(w);
}

TTabelArk::~TTabelArk() {
    // The controls may still get events and send signals while they are
    // destroyed after this sheet's own part; they must not call back into it.
    for (QObject* barn : findChildren<QObject*>()) QObject::disconnect(barn, nullptr, this, nullptr);
    for (TTabelKontroller& k : k_) {
        if (k.Grid) k.Grid->KlikIGrid = nullptr, k.Grid->TastIGrid = nullptr, k.Grid->FokusMistet = nullptr;
        if (k.FeltEdit) k.FeltEdit->NavigationsTast = nullptr, k.FeltEdit->FokusMistet = nullptr;
        if (k.AntalMaalingerSpinEdit) k.AntalMaalingerSpinEdit->Enter = nullptr, k.AntalMaalingerSpinEdit->FokusMistet = nullptr;
        if (k.Model) k.Model->FriRedigering = nullptr, k.Model->Skriv = nullptr;
    }
}

const TTabelKontroller& TTabelArk::K(int t) const {
    static const TTabelKontroller ingen{};
    return Ejer(t) ? k_[t] : ingen;
}

TTabelGrid* TTabelArk::NytGrid(int t, const QString& navn) {
    auto* g = new TTabelGrid(this);
    g->setObjectName(navn);
    auto* model = new TCelleModel(p_, t, g);
    model->setObjectName(navn + "Model");
    model->FriRedigering = [this, t] { return FriRedigering(t); };
    model->Skriv = [this, t](int v, int k, const std::string& tekst) { indtastning_.SkrivCelle(t, v, k, tekst); };
    g->setModel(model);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->horizontalHeader()->setMinimumSectionSize(4);
    g->verticalHeader()->setMinimumSectionSize(4);
    g->horizontalHeader()->setDefaultSectionSize(StandardSoejleBredde + 1);
    g->verticalHeader()->setDefaultSectionSize(RaekkeHoejde + 1);
    g->setFrameShape(QFrame::Box);
    g->setLineWidth(1);
    g->setWordWrap(false);
    g->setSelectionMode(QAbstractItemView::NoSelection);  // program-controlled input at start
    g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setTabKeyNavigation(false);  // Tab goes on down the sheet; the arrows move in the grid
    g->setGeometry(4, 0, 5 * (StandardSoejleBredde + 1) + 3, 2 * (RaekkeHoejde + 1) + 3);
    k_[t].Grid = g;
    k_[t].Model = model;

    auto* edit = new TTabelFeltEdit(g->viewport());
    edit->setObjectName(t == 0 ? QStringLiteral("Tabelfelt0Edit") : N("TabelFelt%1Edit", t));
    edit->setFrame(false);
    edit->hide();
    k_[t].FeltEdit = edit;
    return g;
}

void TTabelArk::OpbygKonstanter() {
    KonstanterLabel = Etiket(this, QStringLiteral("Konstanter"), QStringLiteral("KonstanterLabel"), 4, 1, 120, 15);
    NytGrid(0, QStringLiteral("KonstanterStringGrid"))->move(4, 17);
    gridPlads_[0] = k_[0].Grid->pos();
}

void TTabelArk::OpbygTabel(int t) {
    TTabelKontroller& k = k_[t];
    const int y = RaekkeY[t];
    const TTabelTekster& tx = TabelTekster[t];
    k.TabelNoLabel = Etiket(this, N("%1.", t), N("TabelNo%1Label", t), 4, y + 9, 16);
    k.MaalingerLabel = Etiket(this, QString::fromUtf8("Målinger"), N("Maalinger%1Label", t), 22, y + 9, 48);
    auto* spin = new TMaalingerSpinEdit(this);
    spin->setObjectName(N("AntalMaalinger%1SpinEdit", t));
    spin->setRange(1, MaksIndgange);
    spin->setValue(t == 1 ? 5 : 1);
    spin->setGeometry(72, y + 6, 70, 22);
    k.AntalMaalingerSpinEdit = spin;
    k.AntalMaalingerButton = Knap(this, QString::fromUtf8(tx.Ok), N("AntalMaalinger%1Button", t), 146, y + 5, 40);

    auto* gruppe = new QGroupBox(QString::fromUtf8(tx.GruppeTitel), this);
    gruppe->setObjectName(N("Inddata%1GroupBox", t));
    gruppe->setGeometry(196, y, 190, KontrolRaekkeHoejde);
    // A compact frame: the row has room for the title and one line of buttons.
    gruppe->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #b4b4b4; border-radius: 2px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
    k.InddataGroupBox = gruppe;
    auto* tastatur = new QRadioButton(QString::fromUtf8(tx.Tastatur), gruppe);
    tastatur->setObjectName(N("Tastatur%1RadioButton", t));
    tastatur->setGeometry(8, 13, 84, 17);
    tastatur->setChecked(true);
    auto* disk = new QRadioButton(QString::fromUtf8(tx.Diskfil), gruppe);
    disk->setObjectName(N("Diskfil%1RadioButton", t));
    disk->setGeometry(98, 13, 84, 17);
    k.TastaturRadioButton = tastatur;
    k.DiskfilRadioButton = disk;
    // A style sheet does not pass the window's font on by itself.
    for (QWidget* w : {static_cast<QWidget*>(gruppe), static_cast<QWidget*>(tastatur), static_cast<QWidget*>(disk)})
        w->setFont(font());

    k.IndLaesTabelButton = Knap(this, QString::fromUtf8(tx.Indlaes), N("IndLaesTabel%1Button", t), 396, y + 5, 75);
    k.BeregnTabelButton = Knap(this, QString::fromUtf8(tx.Beregn), N("BeregnTabel%1Button", t), 478, y + 5, 75);

    NytGrid(t, N("Tabel%1StringGrid", t))->move(4, y + KontrolRaekkeHoejde + 2);
    gridPlads_[t] = k.Grid->pos();
    for (QWidget* w : {static_cast<QWidget*>(k.TabelNoLabel), static_cast<QWidget*>(k.MaalingerLabel),
                       static_cast<QWidget*>(spin), static_cast<QWidget*>(k.AntalMaalingerButton),
                       static_cast<QWidget*>(gruppe), static_cast<QWidget*>(k.IndLaesTabelButton),
                       static_cast<QWidget*>(k.BeregnTabelButton)})
        raekkePlads_[t].emplace_back(w, w->pos());

    k.VariabelLabel = Etiket(this, QStringLiteral("Variabel"), N("Variabel%1Label", t), 4, 0, 48);
    k.VariabeludtrykEdit = Felt(this, N("Variabeludtryk%1Edit", t), 54, 0, 110, 20);
    k.GnsLabel = Etiket(this, QStringLiteral("Gns."), N("Gns%1Label", t), 174, 0, 30);
    k.GennemsnitEdit = Felt(this, N("Gennemsnit%1Edit", t), 206, 0, 150, 20);
    k.VariansLabel = Etiket(this, QStringLiteral("Varians"), N("Varians%1Label", t), 366, 0, 44);
    k.VariansEdit = Felt(this, N("Varians%1Edit", t), 412, 0, 150, 20);
    PlacerGnsRaekke(t);
}

void TTabelArk::Forbind(int t) {
    TTabelKontroller& k = k_[t];
    k.FeltEdit->NavigationsTast = [this, t](int tast) { indtastning_.TastIFelt(t, tast); };
    k.FeltEdit->FokusMistet = [this, t](QFocusEvent* e) { indtastning_.FeltFokusMistet(t, e); };
    k.Grid->KlikIGrid = [this, t](QMouseEvent* e) { return indtastning_.KlikIGrid(t, e); };
    k.Grid->TastIGrid = [this, t](QKeyEvent* e) { return indtastning_.TastIGrid(t, e); };
    k.Grid->FokusMistet = [this, t] {
        // A grid in free editing that loses the focus has no current cell any more.
        if (FriRedigering(t)) ind_.AktuelRaekke = ind_.AktuelSoejle = -1;
    };
    // A reset puts the header's sections back in model order.
    connect(k.Model, &QAbstractItemModel::modelReset, this, [this, t] { FlytUsikkerhedsSoejler(t); });
    connect(k.Model, &TCelleModel::CelleRedigeret, this, [this, t](int r, int c) { GemRedigeretCelle(t, r, c); },
            Qt::QueuedConnection);
    connect(k.Grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, t](const QModelIndex& ny, const QModelIndex&) {
                if (FriRedigering(t) && ny.isValid()) {
                    ind_.AktuelRaekke = ny.row();
                    ind_.AktuelSoejle = ny.column();
                    p_.AktivTabel = t;
                }
            });
    if (t == 0) return;
    k.AntalMaalingerSpinEdit->Enter = [this, t] { k_[t].AntalMaalingerButton->setFocus(); };
    k.AntalMaalingerSpinEdit->FokusMistet = [this, t](QFocusEvent* e) {
        p_.AktivTabel = t;
        if (e->reason() == Qt::TabFocusReason && GyldigTabel(p_, t)) k_[t].AntalMaalingerButton->setFocus();
    };
    connect(k.AntalMaalingerButton, &QPushButton::clicked, this, [this, t] { AntalMaalingerButtonClick(t); });
    connect(k.IndLaesTabelButton, &QPushButton::clicked, this, [this, t] { IndLaesTabelButtonClick(t); });
    connect(k.BeregnTabelButton, &QPushButton::clicked, this, [this, t] { UdregnTabelButtonClick(t); });
    connect(k.VariabeludtrykEdit, &QLineEdit::editingFinished, this, [this, t] { VariabeludtrykEditExit(t); });
}

void TTabelArk::PlacerGnsRaekke(int t) {
    if (t < 1 || !Ejer(t) || !k_[t].Grid) return;
    const int y = k_[t].Grid->geometry().bottom() + 3;
    for (QWidget* w : GnsRaekke(k_[t])) {
        const bool etiket = qobject_cast<QLabel*>(w) != nullptr;
        w->move(w->x(), etiket ? y + 2 : y);
    }
}

int TTabelArk::EkstraBredde() const { return std::max(0, width() - ArkBredde); }

int TTabelArk::Vaekst(int t) const {
    const int ekstra = std::max(0, height() - ArkHoejde);
    // A sheet with one table gives it all; two share as their largest heights.
    const bool alene = (t == 1 && p_.AntalTabeller <= 1) || (t == 3 && p_.AntalTabeller == 3);
    switch (t) {
        case 1: return alene ? ekstra : ekstra * 195 / (195 + 150);
        case 2: return ekstra - ekstra * 195 / (195 + 150);
        case 3: return alene ? ekstra : ekstra / 2;
        case 4: return ekstra - ekstra / 2;
        default: return 0;
    }
}

int TTabelArk::Forskydning(int t) const {
    if (t == 2) return Vaekst(1);
    if (t == 4) return Vaekst(3);
    return 0;
}

TTabelArk::TGridMaal TTabelArk::GridMaal(int t) const {
    TGridMaal m;
    int bredde = indhold_[t].width(), hoejde = indhold_[t].height();
    const int maksBredde = 790 + EkstraBredde();
    if (t == 0) {
        m.ForBred = bredde >= maksBredde - 10;
        if (m.ForBred) {
            bredde = maksBredde;
            hoejde += 20;
        }
        m.Stoerrelse = {bredde, hoejde};
        return m;
    }
    m.ForBred = bredde > maksBredde;
    if (m.ForBred) bredde = maksBredde;
    const int maks = MaksHoejde(p_, t) + Vaekst(t);
    m.ForHoej = hoejde > maks;
    if (m.ForHoej) hoejde = maks;
    if (m.ForBred) hoejde += 20;
    if (m.ForHoej) bredde += 20;
    m.Stoerrelse = {bredde, hoejde};
    return m;
}

void TTabelArk::PlacerTabel(int t) {
    if (!Ejer(t) || !k_[t].Grid) return;
    const int dy = Forskydning(t);
    for (const auto& [w, plads] : raekkePlads_[t]) w->move(plads.x(), plads.y() + dy);
    QTableView* g = k_[t].Grid;
    g->move(gridPlads_[t].x(), gridPlads_[t].y() + dy);
    if (!indhold_[t].isEmpty()) {
        const TGridMaal m = GridMaal(t);
        g->setHorizontalScrollBarPolicy(m.ForBred ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        g->setVerticalScrollBarPolicy(m.ForHoej ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        g->resize(m.Stoerrelse);
    }
    PlacerGnsRaekke(t);
}

void TTabelArk::Placer() {
    for (int t = foerste_; t <= sidste_; ++t) PlacerTabel(t);
}

// ---------------------------------------------------------------- showing and hiding

void TTabelArk::SkjulTabeller() {
    for (int t = foerste_; t <= sidste_; ++t) {
        TTabelKontroller& k = k_[t];
        ind_.IndtastningAktiv[t] = ind_.SpringTil[t] = ind_.TastAfsluttet[t] = false;
        indhold_[t] = QSize();
        k.Grid->hide();
        k.FeltEdit->hide();
        k.Model->SaetStoerrelse(0, 0);
        if (t == 0) {
            KonstanterLabel->hide();
            continue;
        }
        QWidget* skjul[] = {k.TabelNoLabel, k.MaalingerLabel, k.AntalMaalingerSpinEdit, k.AntalMaalingerButton,
                            k.InddataGroupBox, k.TastaturRadioButton, k.DiskfilRadioButton};
        for (QWidget* w : skjul) w->hide();
        std::vector<QWidget*> gnsRaekke = GnsRaekke(k);
        gnsRaekke.push_back(k.IndLaesTabelButton);
        gnsRaekke.push_back(k.BeregnTabelButton);
        for (QWidget* w : gnsRaekke) {
            w->hide();
            w->setEnabled(false);
        }
        // The radio buttons sit in the group box; both are shown with it.
        k.TastaturRadioButton->show();
        k.DiskfilRadioButton->show();
        k.TastaturRadioButton->setChecked(true);
        k.VariabeludtrykEdit->clear();
        k.GennemsnitEdit->clear();
        k.VariansEdit->clear();
    }
}

void TTabelArk::VisTabel(int t) {
    if (t < 1 || !Ejer(t)) return;
    TTabelKontroller& k = k_[t];
    for (QWidget* w : {static_cast<QWidget*>(k.TabelNoLabel), static_cast<QWidget*>(k.MaalingerLabel),
                       static_cast<QWidget*>(k.AntalMaalingerSpinEdit), static_cast<QWidget*>(k.AntalMaalingerButton),
                       static_cast<QWidget*>(k.InddataGroupBox), static_cast<QWidget*>(k.IndLaesTabelButton),
                       static_cast<QWidget*>(k.BeregnTabelButton)})
        w->show();
    k.IndLaesTabelButton->setEnabled(false);
    k.BeregnTabelButton->setEnabled(false);
    k.AntalMaalingerSpinEdit->setValue(p_.Tabeller[t].AntalIndgange);
    OpsaetTabelGrid(t);
}

void TTabelArk::OpsaetKonstantGrid() {
    if (!Ejer(0)) return;
    TTabelDef& K = p_.Tabeller[0];
    K.TabelType = 'S';
    K.AntalIndgange = 1;
    K.AntalRaekker = 2;
    K.AntalSoejler = K.AntalVariable;
    QTableView* g = k_[0].Grid;
    const int cw = K.TabelBredde * PixelPrTegn > 0 ? K.TabelBredde * PixelPrTegn : 72;
    g->horizontalHeader()->setDefaultSectionSize(cw + 1);
    g->verticalHeader()->setDefaultSectionSize(RaekkeHoejde + 1);
    k_[0].Model->Opdater();
    indhold_[0] = {K.AntalVariable * (cw + 1) + 3, 2 * (RaekkeHoejde + 1) + 3};
    if (GridMaal(0).ForBred) {
        SaetProgramstyring(0, false);
        ind_.ProgramstyringMulig[0] = false;
    }
    PlacerTabel(0);
    k_[0].FeltEdit->resize(cw, RaekkeHoejde);
    KonstanterLabel->show();
    g->show();
    VisOverskrifter(0);
}

// ---------------------------------------------------------------- layout

void TTabelArk::SaetProgramstyring(int t, bool programstyret) {
    if (!Ejer(t)) return;
    ind_.Programstyret[t] = programstyret;
    if (!programstyret && ind_.IndtastningAktiv[t]) StopIndtastning(t);
    // In free editing a block of cells can be selected, for "&Kopier".
    k_[t].Grid->setSelectionMode(programstyret ? QAbstractItemView::NoSelection
                                               : QAbstractItemView::ContiguousSelection);
}

void TTabelArk::OpsaetTabelGrid(int t) {
    if (t < 1 || !Ejer(t)) return;
    TTabelDef& T = p_.Tabeller[t];
    T.AntalIndgange = k_[t].AntalMaalingerSpinEdit->value();
    SaetTabelStoerrelse(T);
    QTableView* g = k_[t].Grid;
    const int cw = SoejleBredde(p_, t);
    g->horizontalHeader()->setDefaultSectionSize(cw + 1);
    g->verticalHeader()->setDefaultSectionSize(RaekkeHoejde + 1);
    k_[t].Model->Opdater();
    LaegGridUd(t);
}

void TTabelArk::LaegGridUd(int t) {
    const TTabelDef& T = p_.Tabeller[t];
    QTableView* g = k_[t].Grid;
    const int cw = SoejleBredde(p_, t);
    // The "\xB1" columns (rows) take their room beside the table's own.
    const int ekstra = static_cast<int>(k_[t].Model->UsikkerhedsVariable().size());
    const int soejler = T.AntalSoejler + (Type(p_, t) == 'R' ? 0 : ekstra);
    const int raekker = T.AntalRaekker + (Type(p_, t) == 'R' ? ekstra : 0);
    indhold_[t] = {soejler * (cw + 1) + 3, raekker * (RaekkeHoejde + 1) + 3};
    const TGridMaal m = GridMaal(t);
    if (m.ForBred || m.ForHoej) {
        // Program-controlled input needs the whole table in view.
        SaetProgramstyring(t, false);
        ind_.ProgramstyringMulig[t] = false;
    } else {
        ind_.ProgramstyringMulig[t] = true;
    }
    PlacerTabel(t);
    k_[t].FeltEdit->resize(cw, RaekkeHoejde);
    g->show();
    VisOverskrifter(t);
}

void TTabelArk::VisUsikkerheder(bool vis) {
    for (int t = foerste_; t <= sidste_; ++t) {
        TCelleModel* m = k_[t].Model;
        if (!m || m->VisUsikkerheder() == vis) continue;
        m->SaetVisUsikkerheder(vis);
        if (t >= 1 && !indhold_[t].isEmpty()) LaegGridUd(t);
    }
}

void TTabelArk::OpdaterUsikkerheder(int t) {
    if (t < 1 || !Ejer(t)) return;
    TCelleModel* m = k_[t].Model;
    if (!m->VisUsikkerheder() || indhold_[t].isEmpty() || m->UsikkerhedsVariable() == m->VariableMedUsikkerhed())
        return;
    m->Opdater();
    LaegGridUd(t);
}

void TTabelArk::FlytUsikkerhedsSoejler(int t) {
    TCelleModel* m = k_[t].Model;
    const bool r = Type(p_, t) == 'R';
    QHeaderView* h = r ? k_[t].Grid->verticalHeader() : k_[t].Grid->horizontalHeader();
    const int foerste = r ? m->Raekker() : m->Soejler();
    const auto& variable = m->UsikkerhedsVariable();
    for (std::size_t i = 0; i < variable.size(); ++i) {
        const int ved = h->visualIndex(variable[i] - 1);
        const int fra = h->visualIndex(foerste + static_cast<int>(i));
        if (ved >= 0 && fra >= 0 && fra != ved + 1) h->moveSection(fra, ved + 1);
    }
}

void TTabelArk::VisOverskrifter(int t) {
    if (!Ejer(t)) return;
    TCelleModel* m = k_[t].Model;
    if (Type(p_, t) == 'R') m->VisBlok(0, m->rowCount() - 1, 0, 0);
    else m->VisBlok(0, t == 0 ? 1 : 0, 0, m->columnCount() - 1);
}

void TTabelArk::VisCelleblok(int t, int r1, int r2, int c1, int c2) {
    if (!Ejer(t)) return;
    k_[t].Model->VisBlok(r1 - 1, r2 - 1, c1 - 1, c2 - 1);  // the blocks are 1-based
}
