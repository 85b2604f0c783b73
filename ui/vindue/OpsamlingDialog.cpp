// The capture dialog: port, speed, table, where each field of a line goes,
// Start, Stop and what has arrived. While it runs a timer, never each line (a
// sensor may send a thousand a second), refreshes the grid and the table's
// graph sheets with points only; Stop draws the graphs once more with the fit.
#include "ui/vindue/OpsamlingDialog.h"

#include <QAction>
#include <QMainWindow>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Brugerflade.h"
#include "core/PlotvikTyper.h"
#include "tabeller/TabelBeregning.h"
#include "ui/ark/CelleModel.h"
#include "ui/flade/StilleFlade.h"
#include "ui/flade/Indstillinger.h"
#include "ui/flade/Tegnsaet.h"
#include "ui/vindue/VinduesKerne.h"

using namespace plotvik;

namespace {

const int Hastigheder[] = {9600, 19200, 38400, 57600, 115200, 230400, 250000, 500000, 1000000, 2000000};
constexpr int Automatisk = -1;    // a field's variable left to the capture: by header, labels or order
constexpr int GrafensPunkter = 1023;  // as many measurements as "Tegn graf" draws
constexpr int OpfriskMs = 50;     // the grid and the graph at most 20 times a second

QString VariabelTekst(const TVariabelDef& v) {
    QString navn = TilQString(v.Navn);
    if (!v.Enhed.empty()) navn += ' ' + (v.Enhed.front() == '[' ? TilQString(v.Enhed) : '[' + TilQString(v.Enhed) + ']');
    return navn;
}

QString KommaTal(double x) { return QString::number(x, 'f', 1).replace('.', ','); }

}  // namespace

TOpsamlingDialog::TOpsamlingDialog(TVinduesKerne& f, QWidget* parent) : QDialog(parent), f_(f) {
    setObjectName(QStringLiteral("OpsamlingDialog"));
    setWindowTitle(QStringLiteral("Opsamling fra en måler"));
    setModal(false);

    PortComboBox = new QComboBox(this);
    PortComboBox->setObjectName(QStringLiteral("PortComboBox"));
    // A port the list does not show (a path of its own) can be typed.
    PortComboBox->setEditable(true);
    PortComboBox->setInsertPolicy(QComboBox::NoInsert);
    PortComboBox->setMinimumWidth(220);
    BaudComboBox = new QComboBox(this);
    BaudComboBox->setObjectName(QStringLiteral("BaudComboBox"));
    for (int h : Hastigheder) BaudComboBox->addItem(QString::number(h), h);
    TabelNoSpinEdit = new QSpinBox(this);
    TabelNoSpinEdit->setObjectName(QStringLiteral("TabelNoSpinEdit"));
    TabelNoSpinEdit->setRange(1, MaksTabeller);
    TidCheckBox = new QCheckBox(QStringLiteral("Tid fra Plotvik"), this);
    TidCheckBox->setObjectName(QStringLiteral("TidCheckBox"));
    TidCheckBox->setToolTip(QString::fromUtf8("Sekunderne fra Start, når hver linie kom, for en måler der ikke selv sender tiden"));
    TidComboBox = new QComboBox(this);
    TidComboBox->setObjectName(QStringLiteral("TidComboBox"));
    TidComboBox->setEnabled(false);
    connect(TidCheckBox, &QCheckBox::toggled, TidComboBox, &QWidget::setEnabled);

    felter_ = new QFormLayout;
    felter_->addRow(QStringLiteral("Port:"), PortComboBox);
    felter_->addRow(QStringLiteral("Hastighed (baud):"), BaudComboBox);
    felter_->addRow(QStringLiteral("Tabel:"), TabelNoSpinEdit);
    auto* tid = new QHBoxLayout;
    tid->addWidget(TidCheckBox);
    tid->addWidget(TidComboBox, 1);
    felter_->addRow(QString(), tid);

    StartButton = new QPushButton(QStringLiteral("&Start"), this);
    StartButton->setObjectName(QStringLiteral("StartButton"));
    StopButton = new QPushButton(QStringLiteral("S&top"), this);
    StopButton->setObjectName(QStringLiteral("StopButton"));
    StopButton->setEnabled(false);
    auto* knapper = new QHBoxLayout;
    knapper->addWidget(StartButton);
    knapper->addWidget(StopButton);
    knapper->addStretch(1);

    auto etiket = [this](const char* navn) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(navn));
        return l;
    };
    AntalMaalingerLabel = etiket("AntalMaalingerLabel");
    RateLabel = etiket("RateLabel");
    SprungetOverLabel = etiket("SprungetOverLabel");
    StatusLabel = etiket("StatusLabel");
    StatusLabel->setWordWrap(true);

    auto* l = new QVBoxLayout(this);
    l->addLayout(felter_);
    l->addLayout(knapper);
    for (QLabel* e : {AntalMaalingerLabel, RateLabel, SprungetOverLabel, StatusLabel}) l->addWidget(e);
    l->addStretch(1);

    port_ = new QSerialPort(this);
    connect(port_, &QSerialPort::readyRead, this, &TOpsamlingDialog::Modtag);
    connect(port_, &QSerialPort::errorOccurred, this, &TOpsamlingDialog::PortFejl);
    opfrisk_.setInterval(OpfriskMs);
    connect(&opfrisk_, &QTimer::timeout, this, &TOpsamlingDialog::Opfrisk);
    connect(StartButton, &QPushButton::clicked, this, &TOpsamlingDialog::StartButtonClick);
    connect(StopButton, &QPushButton::clicked, this, &TOpsamlingDialog::StopButtonClick);
    f_.Hovedvindue.installEventFilter(this);
    connect(TabelNoSpinEdit, &QSpinBox::valueChanged, this, [this] {
        if (!Koerer()) OpbygFelter();
    });

    const QSettings s = Indstillinger();
    const int baud = BaudComboBox->findData(s.value(QStringLiteral("Opsamling/Baud"), 9600).toInt());
    BaudComboBox->setCurrentIndex(std::max(0, baud));
    Opdater();
    const QString port = s.value(QStringLiteral("Opsamling/Port")).toString();
    if (!port.isEmpty()) PortComboBox->setCurrentText(port);
    VisTal();
}

TOpsamlingDialog::~TOpsamlingDialog() {
    // Goes with the window, after the project: only the port is closed here.
    opfrisk_.stop();
    if (port_) {
        port_->disconnect(this);
        port_->close();
    }
}

void TOpsamlingDialog::Opdater() {
    if (Koerer()) return;
    const QString port = PortComboBox->currentText();
    PortComboBox->clear();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortComboBox->addItem(info.portName());
        QString om = info.description();
        if (!info.manufacturer().isEmpty()) om += (om.isEmpty() ? "" : ", ") + info.manufacturer();
        PortComboBox->setItemData(PortComboBox->count() - 1, om.isEmpty() ? info.systemLocation() : om, Qt::ToolTipRole);
    }
    if (!port.isEmpty()) PortComboBox->setCurrentText(port);
    const TProjekt& p = f_.Projekt;
    const int tabeller = std::clamp(p.AntalTabeller, 1, MaksTabeller);
    {
        const QSignalBlocker stille(TabelNoSpinEdit);
        TabelNoSpinEdit->setMaximum(tabeller);
        const int aktiv = p.AktivTabel >= 1 && p.AktivTabel <= tabeller ? p.AktivTabel : 1;
        if (tabel_ < 1 || tabel_ > tabeller) TabelNoSpinEdit->setValue(aktiv);
    }
    OpbygFelter();
}

void TOpsamlingDialog::OpbygFelter() {
    const TTabelDef& T = f_.Projekt.Tabeller[TabelNoSpinEdit->value()];
    const int inddata = T.Celler.Oprettet() ? std::clamp(T.AntalInddata, 0, MaksVariable) : 0;
    // One choice per field a line can bring into the table's input variables.
    for (QComboBox* k : FeltComboBox) {
        felter_->removeRow(k);
    }
    FeltComboBox.clear();
    for (int i = 1; i <= inddata; ++i) {
        auto* k = new QComboBox(this);
        k->setObjectName(QStringLiteral("Felt%1ComboBox").arg(i));
        k->addItem(QStringLiteral("automatisk"), Automatisk);
        k->addItem(QStringLiteral("(ikke med)"), 0);
        for (int v = 1; v <= inddata; ++v) k->addItem(QString::fromUtf8("→ ") + VariabelTekst(T.Variable[v]), v);
        felter_->insertRow(3 + i - 1, QStringLiteral("Felt %1:").arg(i), k);
        FeltComboBox.push_back(k);
    }
    // The time goes to a variable called t where the table has one.
    const int forrige = TidComboBox->currentData().toInt();
    TidComboBox->clear();
    int t = 0;
    for (int v = 1; v <= inddata; ++v) {
        TidComboBox->addItem(VariabelTekst(T.Variable[v]), v);
        if (SmaaBogstaver(T.Variable[v].Navn) == "t" && t == 0) t = TidComboBox->count() - 1;
    }
    const int igen = TidComboBox->findData(forrige);
    TidComboBox->setCurrentIndex(igen >= 0 ? igen : t);
    TidCheckBox->setEnabled(inddata > 0);
}

TOpsamlingsValg TOpsamlingDialog::Valg() const {
    TOpsamlingsValg v;
    v.Tabel = TabelNoSpinEdit->value();
    v.TidVariabel = TidCheckBox->isChecked() ? TidComboBox->currentData().toInt() : 0;
    std::vector<int> valgt;
    bool alleAutomatiske = true;
    for (QComboBox* k : FeltComboBox) {
        valgt.push_back(k->currentData().toInt());
        if (valgt.back() != Automatisk) alleAutomatiske = false;
    }
    if (alleAutomatiske) return v;  // the capture decides by the first lines
    // A field still on "automatisk" beside chosen ones takes the next input
    // variable that neither another field nor the time has.
    std::vector<bool> brugt(MaksVariable + 2, false);
    for (int x : valgt)
        if (x > 0 && x <= MaksVariable) brugt[size_t(x)] = true;
    if (v.TidVariabel > 0 && v.TidVariabel <= MaksVariable) brugt[size_t(v.TidVariabel)] = true;
    int naeste = 1;
    const int inddata = static_cast<int>(FeltComboBox.size());
    for (int& x : valgt) {
        if (x != Automatisk) continue;
        while (naeste <= inddata && brugt[size_t(naeste)]) ++naeste;
        x = naeste <= inddata ? naeste : 0;
        if (x) brugt[size_t(x)] = true;
    }
    v.Variabler = valgt;
    return v;
}

// ---------------------------------------------------------------- Start and Stop

void TOpsamlingDialog::StartButtonClick() {
    if (Koerer()) return;
    TProjekt& p = f_.Projekt;
    if (p.AntalTabeller < 1) {
        Flade().Fejlboks("Der er ingen tabel at opsamle m\xE5linger i. Hent eller opbyg f\xF8rst et projekt.");
        return;
    }
    const QString portNavn = PortComboBox->currentText().trimmed();
    if (portNavn.isEmpty()) {
        Flade().Fejlboks("V\xE6lg den port, som m\xE5leren sidder i (f.eks. ttyACM0 eller ttyUSB0).");
        return;
    }
    const int t = TabelNoSpinEdit->value();
    // What is being typed in the table becomes a step of its own first.
    f_.StopIndtastning(t);
    auto o = std::make_unique<TOpsamling>(p, Valg());
    if (!o->Start(0)) {
        StatusLabel->setText(TilQString(o->Besked()));
        Flade().Fejlboks(o->Besked());
        return;
    }
    port_->setPortName(portNavn);
    port_->setBaudRate(BaudComboBox->currentData().toInt());
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadOnly)) {
        const std::string navn = FraQString(portNavn);
        std::string besked;
        switch (port_->error()) {
            case QSerialPort::DeviceNotFoundError:
                besked = "Porten " + navn + " findes ikke. Er m\xE5leren sat i? V\xE6lg en af de porte, listen viser.";
                break;
            case QSerialPort::PermissionError:
                besked = "Porten " + navn +
                         " kan ikke \xE5" "bnes: den bruges af et andet program, eller du har ikke adgang til den "
                         "(p\xE5 Linux: gruppen dialout).";
                break;
            default:
                besked = "Porten " + navn + " kan ikke \xE5" "bnes med " +
                         std::to_string(BaudComboBox->currentData().toInt()) + " baud.";
                break;
        }
        StatusLabel->setText(TilQString(besked));
        Flade().Fejlboks(besked);
        return;
    }
    QSettings s = Indstillinger();
    s.setValue(QStringLiteral("Opsamling/Port"), portNavn);
    s.setValue(QStringLiteral("Opsamling/Baud"), BaudComboBox->currentData().toInt());

    foer_ = TagTabelTilstand(f_.FortrydDele(), t);
    opsamling_ = std::move(o);
    tabel_ = t;
    vist_ = -1;
    liveGraf_ = true;
    // The graph buttons work on the table being filled, as after a paste.
    p.AktivTabel = t;
    ark_.clear();
    const TTabelDef& T = p.Tabeller[t];
    for (int g = 1; g <= std::min(T.AntalGrafer, MaksGrafer); ++g) {
        const int s = T.Grafer[g].GrafArkNo;
        if (s < 1 || s > 3 || std::find(ark_.begin(), ark_.end(), s) != ark_.end()) continue;
        ark_.push_back(s);
        kunPunkter_[size_t(s)] = f_.TegnKunPunkterCheckBox[s]->isChecked();
        // A sheet that shows nothing yet, or another graph, gets this one's axes and limits.
        const TGrafArk& a = f_.GrafArkene.Ark[s];
        if (!a.FelterSynlige || a.Overskrift != T.Grafer[g].GrafNavn) f_.GrafSide[s]->VisTabelGraf(T.Grafer[g]);
    }
    LaasTabel(true);
    for (QWidget* w : std::initializer_list<QWidget*>{PortComboBox, BaudComboBox, TabelNoSpinEdit, TidCheckBox, TidComboBox})
        w->setEnabled(false);
    for (QComboBox* k : FeltComboBox) k->setEnabled(false);
    StartButton->setEnabled(false);
    StopButton->setEnabled(true);
    StatusLabel->setText(QString::fromUtf8("Opsamler fra %1 i tabel %2 ...").arg(portNavn).arg(t));
    ur_.start();
    opfrisk_.start();
    VisTal();
}

void TOpsamlingDialog::StopButtonClick() {
    if (!Koerer()) return;
    Modtag();  // what has arrived is the student's too
    if (opsamling_->Koerer()) opsamling_->Stop();
    Afslut();
}

bool TOpsamlingDialog::eventFilter(QObject* o, QEvent* e) {
    // The window closing: the capture ends first, so that its values are in
    // the project (and its undo step) before the window asks about saving.
    if (o == &f_.Hovedvindue && e->type() == QEvent::Close) StopButtonClick();
    return QDialog::eventFilter(o, e);
}

void TOpsamlingDialog::closeEvent(QCloseEvent* e) {
    // Closing the dialog ends the capture; every value stays in the table.
    StopButtonClick();
    QDialog::closeEvent(e);
}

// ---------------------------------------------------------------- the port

void TOpsamlingDialog::Modtag() {
    if (!Koerer() || !port_->isOpen()) return;
    const QByteArray b = port_->readAll();
    if (!b.isEmpty()) opsamling_->Modtag(std::string_view(b.constData(), size_t(b.size())), Sekunder());
    // The table is full, or a value could not go in: the capture has stopped with its message.
    if (!opsamling_->Koerer()) Afslut();
}

void TOpsamlingDialog::PortFejl(QSerialPort::SerialPortError fejl) {
    if (!Koerer() || afslutter_) return;
    // A cable pulled out or a device switched off; anything else the port
    // reports while reading means it cannot go on either.
    if (fejl == QSerialPort::NoError || fejl == QSerialPort::TimeoutError) return;
    if (port_->isOpen() && port_->bytesAvailable() > 0) Modtag();
    if (!Koerer()) return;
    opsamling_->Afbryd();
    Afslut();
}

void TOpsamlingDialog::Afslut() {
    if (afslutter_ || !opsamling_) return;
    afslutter_ = true;
    opfrisk_.stop();
    if (opsamling_->Koerer()) opsamling_->Stop();
    port_->close();
    LaasTabel(false);
    TProjekt& p = f_.Projekt;
    const TTabelDef& T = p.Tabeller[tabel_];
    VisTabel();
    if (opsamling_->Maalinger() > 0) {
        // The captured values computed and drawn as "Beregn" and "Tegn graf" would, with the fit.
        if (T.AntalVariable > T.AntalInddata) {
            Fejl = false;
            BeregnTabel(p, tabel_);
            Fejl = false;
            if (TCelleModel* m = f_.CelleModel[tabel_]) m->VisAlt();
        }
        for (int s : ark_) {
            f_.TegnKunPunkterCheckBox[s]->setChecked(kunPunkter_[size_t(s)]);
            f_.TegnGrafButtonClick(s);
        }
    }
    // The whole capture is one step of "&Fortryd".
    TTabelTilstand efter = TagTabelTilstand(f_.FortrydDele(), tabel_);
    if (DataForskellige(foer_, efter))
        f_.Fortryd->push(new TTabelKommando(f_.FortrydDele(), QStringLiteral("opsamling"), std::move(foer_), std::move(efter)));
    foer_ = {};
    f_.FortrydMenuItem->setEnabled(f_.Fortryd->canUndo());
    f_.GentagMenuItem->setEnabled(f_.Fortryd->canRedo());
    f_.DataAendret();

    for (QWidget* w : std::initializer_list<QWidget*>{PortComboBox, BaudComboBox, TabelNoSpinEdit, TidCheckBox})
        w->setEnabled(true);
    TidComboBox->setEnabled(TidCheckBox->isChecked());
    for (QComboBox* k : FeltComboBox) k->setEnabled(true);
    StartButton->setEnabled(true);
    StopButton->setEnabled(false);
    VisTal();
    const std::string besked = opsamling_->Besked();
    StatusLabel->setText(TilQString(besked.empty() ? opsamling_->Status() : besked));
    afslutter_ = false;
    if (!besked.empty()) Flade().Fejlboks(besked);
}

// ---------------------------------------------------------------- while it runs

void TOpsamlingDialog::Opfrisk() {
    if (!Koerer()) return;
    VisTal();
    const int n = opsamling_->Maalinger();
    if (n == vist_) return;
    vist_ = n;
    VisTabel();
    TegnLive();
    // The recovery file follows within seconds: a crash keeps what has arrived.
    f_.DataAendret();
}

void TOpsamlingDialog::VisTabel() {
    const TTabelDef& T = f_.Projekt.Tabeller[tabel_];
    const TTabelKontroller& k = f_.TabelKontroller(tabel_);
    if (!k.AntalMaalingerSpinEdit || !k.Model) return;
    {
        const QSignalBlocker stille(k.AntalMaalingerSpinEdit);
        k.AntalMaalingerSpinEdit->setValue(T.AntalIndgange);
    }
    f_.OpsaetTabelGrid(tabel_);
    k.Model->VisAlt();
    // The values are there as after "OK": they can be computed at once.
    for (QPushButton* b : {k.IndLaesTabelButton, k.BeregnTabelButton}) b->show();
    // The newest measurement in view.
    const int sidste = opsamling_->FoersteMaaling() + opsamling_->Maalinger() - 1;
    if (sidste >= 1 && k.Grid)
        k.Grid->scrollTo(T.TabelType == 'R' ? k.Model->index(0, std::min(sidste, k.Model->columnCount() - 1))
                                            : k.Model->index(std::min(sidste, k.Model->rowCount() - 1), 0));
}

void TOpsamlingDialog::TegnLive() {
    const TTabelDef& T = f_.Projekt.Tabeller[tabel_];
    // Beyond the graph's own limit the picture no longer changes.
    if (!liveGraf_ || ark_.empty() || T.AntalIndgange > GrafensPunkter) return;
    Brugerflade& flade = Flade();
    TStilleFlade stille;
    SaetFlade(&stille);
    if (T.AntalVariable > T.AntalInddata) {
        Fejl = false;
        BeregnTabel(f_.Projekt, tabel_);
        Fejl = false;
        if (TCelleModel* m = f_.CelleModel[tabel_]) m->VisAlt();
    }
    for (int s : ark_) {
        QCheckBox* kun = f_.TegnKunPunkterCheckBox[s];
        kun->setChecked(true);
        f_.TegnGrafButtonClick(s);
        kun->setChecked(kunPunkter_[size_t(s)]);
        f_.GrafArkene.Ark[s].TegnKunPunkter = kunPunkter_[size_t(s)];
    }
    SaetFlade(&flade);
    Fejl = false;
    if (stille.Sagt) liveGraf_ = false;
}

void TOpsamlingDialog::VisTal() {
    const int n = opsamling_ ? opsamling_->Maalinger() : 0;
    const int fejl = opsamling_ ? opsamling_->Fejllinier() : 0;
    AntalMaalingerLabel->setText(QString::fromUtf8("Målinger: %1").arg(n));
    const double rate = Koerer() ? opsamling_->Rate(Sekunder()) : 0;
    RateLabel->setText(QString::fromUtf8("Målinger pr. sekund: %1").arg(KommaTal(rate)));
    SprungetOverLabel->setText(fejl == 1 ? QString::fromUtf8("Sprunget over: 1 linie, der ikke kunne læses")
                                         : QString::fromUtf8("Sprunget over: %1 linier, der ikke kunne læses").arg(fejl));
}

void TOpsamlingDialog::LaasTabel(bool laast) {
    const TTabelKontroller& k = f_.TabelKontroller(tabel_);
    // The table's commands and a typed cell would rebuild or overwrite what
    // is being written; the grid can still be scrolled and read.
    for (QWidget* w : std::initializer_list<QWidget*>{k.AntalMaalingerSpinEdit, k.AntalMaalingerButton,
                                                      k.IndLaesTabelButton, k.BeregnTabelButton})
        if (w) w->setEnabled(!laast);
    if (k.Grid) {
        // Locked, the grid gets handlers that take nothing and its own wait here.
        if (laast) {
            udloesere_ = k.Grid->editTriggers();
            klik_ = [](QMouseEvent*) { return false; };
            tast_ = [](QKeyEvent*) { return false; };
        }
        std::swap(k.Grid->KlikIGrid, klik_);
        std::swap(k.Grid->TastIGrid, tast_);
        k.Grid->setEditTriggers(laast ? QAbstractItemView::NoEditTriggers : udloesere_);
    }
    // Another project, a new table definition or an undo in the middle would
    // take the table from under the capture: the menus wait, and so do the
    // keys of "&Fortryd" and "&Gentag", until it ends.
    f_.Hovedvindue.menuBar()->setEnabled(!laast);
    if (laast) {
        f_.FortrydMenuItem->setEnabled(false);
        f_.GentagMenuItem->setEnabled(false);
        // Kept off when a step of another table changes the stack (the window
        // may also be going, its menus first).
        QPointer<QAction> fortryd(f_.FortrydMenuItem), gentag(f_.GentagMenuItem);
        connect(f_.Fortryd, &QUndoStack::indexChanged, this, [fortryd, gentag] {
            for (QAction* a : {fortryd.data(), gentag.data()})
                if (a) a->setEnabled(false);
        });
    } else {
        disconnect(f_.Fortryd, &QUndoStack::indexChanged, this, nullptr);
    }
}
