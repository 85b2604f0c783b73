// The welcome panel and its place on the first table sheet.
#include "ui/vindue/Velkomst.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>
#include <string>
#include <utility>

#include "core/Brugerflade.h"
#include "files/DataFil.h"
#include "ui/vindue/PlotvikUnit.h"
#include "ui/vindue/PlotvikUnitIntern.h"
#include "ui/flade/Tegnsaet.h"

namespace {

QPushButton* Knap(QWidget* ejer, const QString& tekst, const QString& navn) {
    auto* k = new QPushButton(tekst, ejer);
    k->setObjectName(navn);
    k->setMinimumWidth(260);
    return k;
}

// Keeps the panel over the whole sheet.
class TFyldUd : public QObject {
public:
    TFyldUd(QWidget* panel) : QObject(panel), panel_(panel) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) panel_->setGeometry(panel_->parentWidget()->rect());
        return false;
    }

private:
    QWidget* panel_;
};

}  // namespace

TVelkomst::TVelkomst(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("VelkomstPanel"));
    setAutoFillBackground(true);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(40, 30, 40, 30);
    auto* titel = new QLabel(QString::fromUtf8("<h2>Velkommen til Plotvik</h2>"), this);
    titel->setObjectName(QStringLiteral("VelkomstTitelLabel"));
    auto* tekst = new QLabel(QString::fromUtf8(
        "Plotvik regner tabeller ud fra dine målinger og tegner grafer af dem.<br>"
        "Hent et projekt, opbyg et nyt, eller prøv et af eksemplerne. "
        "Målinger fra et regneark sættes ind med Ctrl+V, og en datafil kan trækkes ind på et tabelark."), this);
    tekst->setObjectName(QStringLiteral("VelkomstTekstLabel"));
    tekst->setWordWrap(true);
    l->addWidget(titel);
    l->addWidget(tekst);
    l->addSpacing(10);
    auto* hent = Knap(this, QStringLiteral("Hent projekt..."), QStringLiteral("HentProjektVelkomstButton"));
    auto* opbyg = Knap(this, QStringLiteral("Opbyg nyt projekt"), QStringLiteral("OpbygProjektVelkomstButton"));
    connect(hent, &QPushButton::clicked, this, &TVelkomst::HentProjekt);
    connect(opbyg, &QPushButton::clicked, this, &TVelkomst::OpbygProjekt);
    l->addWidget(hent, 0, Qt::AlignLeft);
    l->addWidget(opbyg, 0, Qt::AlignLeft);
    knapper_ = new QVBoxLayout;
    l->addLayout(knapper_);
    l->addStretch(1);
    if (parent) parent->installEventFilter(new TFyldUd(this));
}

void TVelkomst::Opdater(const QStringList& seneste) {
    // Later, not now: the button clicked may be the one running this.
    while (QLayoutItem* i = knapper_->takeAt(0)) {
        if (QWidget* w = i->widget()) {
            w->hide();
            w->setObjectName(QString());
            w->deleteLater();
        }
        delete i;
    }
    auto overskrift = [this](const QString& tekst, const QString& navn) {
        auto* l = new QLabel(QStringLiteral("<b>") + tekst + QStringLiteral("</b>"), this);
        l->setObjectName(navn);
        knapper_->addSpacing(8);
        knapper_->addWidget(l);
    };
    const QString mappe = EksempelMappe();
    const QStringList eksempler = mappe.isEmpty() ? QStringList()
                                                  : QDir(mappe).entryList({QStringLiteral("*.prj")}, QDir::Files, QDir::Name);
    if (!eksempler.isEmpty()) overskrift(QStringLiteral("Eksempler"), QStringLiteral("EksemplerLabel"));
    for (const QString& e : eksempler) {
        const QString navn = QFileInfo(e).completeBaseName();
        auto* k = Knap(this, navn, QStringLiteral("Eksempel%1Button").arg(navn));
        const QString sti = QDir(mappe).filePath(e);
        connect(k, &QPushButton::clicked, this, [this, sti] {
            const QString kopi = KopierEksempel(sti);
            if (kopi.isEmpty()) {
                plotvik::Flade().Fejlboks("Eksemplet kan ikke kopieres til " +
                                          plotvik::FraQString(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
                return;
            }
            emit AabnEksempel(kopi);
        });
        knapper_->addWidget(k, 0, Qt::AlignLeft);
    }
    if (!seneste.isEmpty()) overskrift(QStringLiteral("Seneste projekter"), QStringLiteral("SenesteProjekterLabel"));
    for (int i = 0; i < seneste.size(); ++i) {
        auto* k = Knap(this, QFileInfo(seneste[i]).fileName(), QStringLiteral("SenesteProjekt%1VelkomstButton").arg(i + 1));
        k->setToolTip(seneste[i]);
        const QString sti = seneste[i];
        connect(k, &QPushButton::clicked, this, [this, sti] { emit AabnProjekt(sti); });
        knapper_->addWidget(k, 0, Qt::AlignLeft);
    }
}

QString TVelkomst::EksempelMappe() {
    const QString program = QCoreApplication::applicationDirPath();
    for (const char* del : {"/examples", "/../examples", "/../../examples", "/../share/plotvik/examples"}) {
        const QString m = QDir::cleanPath(program + QString::fromLatin1(del));
        if (!QDir(m).entryList({QStringLiteral("*.prj")}, QDir::Files).isEmpty()) return m;
    }
    return {};
}

QString TVelkomst::KopierEksempel(const QString& prj) {
    const QFileInfo kilde(prj);
    const QString maal = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Eksempler");
    if (!QDir().mkpath(maal)) return {};
    // The project and what belongs to it: its text and its data files (Pendul.txt, PendulTabel_1.dat).
    const QStringList filer = kilde.dir().entryList({kilde.completeBaseName() + QStringLiteral("*")}, QDir::Files);
    for (const QString& f : filer) {
        const QString ny = maal + '/' + f;
        if (!QFile::exists(ny) && !QFile::copy(kilde.dir().filePath(f), ny)) return {};
        // A copy of a read-only installed file must be writable for the student.
        QFile(ny).setPermissions(QFile(ny).permissions() | QFileDevice::WriteOwner);
    }
    return QFile::exists(maal + '/' + kilde.fileName()) ? maal + '/' + kilde.fileName() : QString();
}

// ---------------------------------------------------------------- on the window

namespace plotvik {

void OpretVelkomst(TPlotvikForm& f) {
    f.setAcceptDrops(true);
    f.Velkomst = new TVelkomst(f.TabelSide[1]);
    QObject::connect(f.Velkomst, &TVelkomst::HentProjekt, &f, [&f] {
        f.HentProjektFilMenuItemClick();
        f.OpdaterVelkomst();
    });
    QObject::connect(f.Velkomst, &TVelkomst::OpbygProjekt, &f, [&f] {
        f.OpbygProjektFilMenuItemClick();
        f.OpdaterVelkomst();
    });
    QObject::connect(f.Velkomst, &TVelkomst::AabnProjekt, &f,
                     [&f](const QString& sti) { f.HentProjekt(FraQString(sti)); });
    QObject::connect(f.Velkomst, &TVelkomst::AabnEksempel, &f,
                     [&f](const QString& sti) { f.AabnEksempel(FraQString(sti)); });
    // The line beside the sheets' tabs that tells what to try in an opened example.
    f.EksempelTipLabel = new QLabel(QString::fromUtf8("Prøv: ret en måling, tryk Beregn og Tegn graf igen"), f.SideKontrol);
    f.EksempelTipLabel->setObjectName(QStringLiteral("EksempelTipLabel"));
    f.EksempelTipLabel->setContentsMargins(0, 0, 6, 0);
    f.SideKontrol->setCornerWidget(f.EksempelTipLabel, Qt::TopRightCorner);
    f.EksempelTipLabel->hide();
    // After any menu command: a project may have been loaded or a text begun.
    QObject::connect(f.menuBar(), &QMenuBar::triggered, &f, [&f] { f.OpdaterVelkomst(); }, Qt::QueuedConnection);
    f.OpdaterVelkomst();
}

}  // namespace plotvik

void TPlotvikForm::OpdaterVelkomst() {
    if (!Velkomst) return;
    const plotvik::TProjekt& p = Projekt;
    // The example's line goes with the example: another project, a text, a new build.
    if (EksempelTipLabel && EksempelTipLabel->isVisible() &&
        (p.ProjektFilNavn != eksempel_ || (p.Tilstand != 4 && p.Tilstand != 5)))
        EksempelTipLabel->hide();
    const bool tekst = p.Tilstand == 1 || p.Tilstand == 2 || p.Tilstand == 3 || p.Tilstand == 6;
    const bool vis = p.AntalTabeller == 0 && p.AntalKonstanter == 0 && !tekst;
    if (vis) {
        Velkomst->Opdater(plotvik::SenesteProjekter());
        Velkomst->setGeometry(TabelSide[1]->rect());
        Velkomst->raise();
    }
    Velkomst->setVisible(vis);
}

// ---------------------------------------------------------------- an example that shows something at once

namespace {

// Answers the open dialog of "Indlæs" with the example's data file; every
// other question still goes to the user. Installed for its lifetime.
class TEksempelFlade : public plotvik::Brugerflade {
public:
    TEksempelFlade(plotvik::Brugerflade& bruger, std::string datafil) : bruger_(bruger), datafil_(std::move(datafil)) {
        plotvik::SaetFlade(this);
    }
    ~TEksempelFlade() override { plotvik::SaetFlade(&bruger_); }
    bool FejlMedIgnorer(const std::string& t) override { return bruger_.FejlMedIgnorer(t); }
    void Fejlboks(const std::string& t) override { bruger_.Fejlboks(t); }
    void Informationsboks(const std::string& t) override { bruger_.Informationsboks(t); }
    bool OkEllerAnnuller(const std::string& t) override { return bruger_.OkEllerAnnuller(t); }
    bool JaEllerNej(const std::string& t) override { return bruger_.JaEllerNej(t); }
    void Bip() override { bruger_.Bip(); }
    std::optional<std::string> AabnFilDialog(const std::string&, const std::string&) override { return datafil_; }
    std::optional<std::string> GemFilDialog(const std::string& f, const std::string& n) override {
        return bruger_.GemFilDialog(f, n);
    }
    void LadHaendelserKoere() override { bruger_.LadHaendelserKoere(); }
    void Timeglas(bool til) override { bruger_.Timeglas(til); }

private:
    plotvik::Brugerflade& bruger_;
    std::string datafil_;
};

}  // namespace

void TPlotvikForm::AabnEksempel(const std::string& navn) {
    using namespace plotvik;
    FoerProjektHentes();
    // The example's constants hold their values: no input of them first.
    LaesProjektInd(navn, false);
    if (Projekt.Tilstand != 5) return;  // the loading stopped at a message
    // What the student would do: "OK" beside "Målinger", "Diskfil", "Indlæs"
    // of the table's data file, "Beregn"; the first table last, so that
    // "Tegn graf" draws its graph.
    int foerste = 0;
    for (int t = MinHel(Projekt.AntalTabeller, MaksTabeller); t >= 1; --t) {
        const std::string data = StandardDataFilNavn(Projekt, t);
        if (!QFileInfo::exists(TilQString(data))) continue;
        AntalMaalingerButtonClick(t);
        DiskfilRadioButton[t]->setChecked(true);
        {
            TEksempelFlade svar(Flade(), data);
            IndLaesTabelButtonClick(t);
        }
        UdregnTabelButtonClick(t);
        foerste = t;
    }
    // Opened, not changed: nothing of it is to be undone.
    NytFortrydForloeb();
    if (foerste == 0) return;
    const TTabelDef& T = Projekt.Tabeller[foerste];
    const int ark = T.AntalGrafer >= 1 ? T.Grafer[1].GrafArkNo : 0;
    if (GrafSideNo(ark)) {
        VisArk(ark + 2);
        TegnGrafButtonClick(ark);
    }
    eksempel_ = Projekt.ProjektFilNavn;
    if (EksempelTipLabel) EksempelTipLabel->show();
}
