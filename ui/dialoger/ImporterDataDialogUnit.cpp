// The import dialog: choices above, the preview below, one choice box per
// file column in the preview's first row, so that what lands where is seen
// at a glance.
#include "ui/dialoger/ImporterDataDialogUnit.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/PlotvikTyper.h"
#include "ui/flade/Tegnsaet.h"

using namespace plotvik;

namespace {

const char Separatorer[] = {'\t', ';', ','};
const char DecimalTegn[] = {',', '.'};

int Indeks(const char* liste, int n, char c) {
    for (int i = 0; i < n; ++i)
        if (liste[i] == c) return i;
    return 0;
}

std::string SmaaUdenMellemrum(const std::string& s) { return SmaaBogstaver(FjernMellemrum(s)); }

}  // namespace

TImporterDataDialog::TImporterDataDialog(const TProjekt& p, int tabel, std::string bytes, const QString& filnavn,
                                         QWidget* parent)
    : QDialog(parent), p_(p), tabel_(tabel), bytes_(std::move(bytes)) {
    setObjectName(QStringLiteral("ImporterDataDialog"));
    setWindowTitle(QStringLiteral("Importer data til tabel %1").arg(tabel));
    setModal(true);
    resize(760, 560);

    auto* fil = new QLabel(QStringLiteral("Fil: ") + filnavn, this);
    fil->setObjectName(QStringLiteral("FilLabel"));
    SeparatorComboBox = new QComboBox(this);
    SeparatorComboBox->setObjectName(QStringLiteral("SeparatorComboBox"));
    SeparatorComboBox->addItems({QStringLiteral("Tabulator"), QStringLiteral("Semikolon ( ; )"),
                                 QStringLiteral("Komma ( , )")});
    DecimalTegnComboBox = new QComboBox(this);
    DecimalTegnComboBox->setObjectName(QStringLiteral("DecimalTegnComboBox"));
    DecimalTegnComboBox->addItems({QStringLiteral("Komma ( 1,5 )"), QStringLiteral("Punktum ( 1.5 )")});
    TegnsaetComboBox = new QComboBox(this);
    TegnsaetComboBox->setObjectName(QStringLiteral("TegnsaetComboBox"));
    TegnsaetComboBox->addItems({QStringLiteral("UTF-8"), QStringLiteral("Windows-1252")});
    OverskriftCheckBox = new QCheckBox(QString::fromUtf8("Første linie er overskrift (læses ikke som tal)"), this);
    OverskriftCheckBox->setObjectName(QStringLiteral("OverskriftCheckBox"));

    auto* valg = new QFormLayout;
    valg->addRow(QStringLiteral("Skilletegn:"), SeparatorComboBox);
    valg->addRow(QStringLiteral("Decimaltegn:"), DecimalTegnComboBox);
    valg->addRow(QStringLiteral("Tegnkodning:"), TegnsaetComboBox);
    valg->addRow(QString(), OverskriftCheckBox);

    auto* hjaelp = new QLabel(QString::fromUtf8(
        "Vælg i den øverste række, hvilken inddatavariabel hver søjle i filen skal til. "
        "Grå linier er overskrift og bliver ikke læst som tal."), this);
    hjaelp->setObjectName(QStringLiteral("HjaelpLabel"));
    hjaelp->setWordWrap(true);

    ForhaandsvisningTable = new QTableWidget(this);
    ForhaandsvisningTable->setObjectName(QStringLiteral("ForhaandsvisningTable"));
    ForhaandsvisningTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ForhaandsvisningTable->setSelectionMode(QAbstractItemView::NoSelection);
    ForhaandsvisningTable->verticalHeader()->setDefaultSectionSize(22);

    OversigtLabel = new QLabel(this);
    OversigtLabel->setObjectName(QStringLiteral("OversigtLabel"));

    auto* knapper = new QDialogButtonBox(this);
    QPushButton* ok = knapper->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    QPushButton* annuller = knapper->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole);
    annuller->setObjectName(QStringLiteral("AnnullerButton"));
    connect(knapper, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knapper, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* l = new QVBoxLayout(this);
    l->addWidget(fil);
    l->addLayout(valg);
    l->addWidget(hjaelp);
    l->addWidget(ForhaandsvisningTable, 1);
    l->addWidget(OversigtLabel);
    l->addWidget(knapper);

    Laes(true);
    auto igen = [this] {
        if (!opdaterer_) Laes(false);
    };
    connect(SeparatorComboBox, &QComboBox::currentIndexChanged, this, igen);
    connect(DecimalTegnComboBox, &QComboBox::currentIndexChanged, this, igen);
    connect(TegnsaetComboBox, &QComboBox::currentIndexChanged, this, igen);
    connect(OverskriftCheckBox, &QCheckBox::toggled, this, igen);
}

TImportValg TImporterDataDialog::Valg() const {
    TImportValg v;
    v.Separator = Separatorer[SeparatorComboBox->currentIndex()];
    v.DecimalTegn = DecimalTegn[DecimalTegnComboBox->currentIndex()];
    v.Tegnsaet = TegnsaetComboBox->currentIndex() == 0 ? TTegnsaetValg::Utf8 : TTegnsaetValg::Windows1252;
    // Checked keeps the lines found above the numbers (names and a units row); at least one.
    v.Hoved = OverskriftCheckBox->isChecked() ? (resultat_.HovedLinier > 0 ? THovedValg::Auto : THovedValg::Ja)
                                              : THovedValg::Nej;
    return v;
}

void TImporterDataDialog::Laes(bool foerste) {
    if (!foerste) variabler_ = Variabler();
    TImportValg valg = Valg();
    if (foerste) {
        valg = TImportValg{};
        valg.Inddatavariabler = std::min(p_.Tabeller[tabel_].AntalInddata, MaksVariable);
    }
    resultat_ = LaesDataTekst(bytes_, valg);
    opdaterer_ = true;
    if (foerste) {
        // Said while the separator found is kept; a separator chosen by hand needs no note.
        note_ = resultat_.Note;
        noteSeparator_ = resultat_.Separator;
        SeparatorComboBox->setCurrentIndex(Indeks(Separatorer, 3, resultat_.Separator));
        DecimalTegnComboBox->setCurrentIndex(Indeks(DecimalTegn, 2, resultat_.DecimalTegn));
        // Plain ASCII reads the same either way: UTF-8, the usual today, is shown.
        const bool ascii = std::none_of(bytes_.begin(), bytes_.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        TegnsaetComboBox->setCurrentIndex(resultat_.Utf8 || ascii ? 0 : 1);
        OverskriftCheckBox->setChecked(resultat_.HovedLinier > 0);
    }
    opdaterer_ = false;
    VisForhaandsvisning();
}

std::vector<int> TImporterDataDialog::Variabler() const {
    std::vector<int> v;
    for (QComboBox* k : kolonneValg_) v.push_back(k->currentData().toInt());
    return v;
}

void TImporterDataDialog::VisForhaandsvisning() {
    const TTabelDef& T = p_.Tabeller[tabel_];
    const int inddata = std::min(T.AntalInddata, MaksVariable);
    const int soejler = resultat_.Data.Soejler;
    const auto& linier = resultat_.Forhaandsvisning;
    QTableWidget* tab = ForhaandsvisningTable;
    // The old choice boxes go later; their names go now, so a name finds only the new ones.
    for (QComboBox* k : kolonneValg_) k->setObjectName(QString());
    tab->clear();
    tab->setColumnCount(soejler);
    tab->setRowCount(static_cast<int>(linier.size()) + 1);
    QStringList overskrifter, raekker{QStringLiteral("Til")};
    for (int s = 0; s < soejler; ++s) overskrifter << QString::fromUtf8("Søjle %1").arg(s + 1);
    for (int i = 1; i <= static_cast<int>(linier.size()); ++i) raekker << QString::number(i);
    tab->setHorizontalHeaderLabels(overskrifter);
    tab->setVerticalHeaderLabels(raekker);

    // Which variable each column goes to: the variable of the same name, else the next free one in order.
    std::vector<int> valgt(static_cast<size_t>(soejler), 0);
    std::vector<bool> brugt(static_cast<size_t>(MaksVariable + 1), false);
    if (static_cast<int>(variabler_.size()) == soejler) {
        valgt = variabler_;
    } else {
        for (int s = 0; s < soejler && s < static_cast<int>(resultat_.Hoved.size()); ++s)
            for (int v = 1; v <= inddata; ++v)
                if (!brugt[v] && SmaaUdenMellemrum(resultat_.Hoved[s].Navn) == SmaaUdenMellemrum(T.Variable[v].Navn)) {
                    valgt[s] = v;
                    brugt[v] = true;
                    break;
                }
        int naeste = 1;
        for (int s = 0; s < soejler; ++s) {
            if (valgt[s]) continue;
            while (naeste <= inddata && brugt[naeste]) ++naeste;
            if (naeste > inddata) break;
            valgt[s] = naeste;
            brugt[naeste] = true;
        }
    }
    kolonneValg_.clear();
    for (int s = 0; s < soejler; ++s) {
        auto* k = new QComboBox(tab);
        k->setObjectName(QStringLiteral("Soejle%1ComboBox").arg(s + 1));
        k->addItem(QStringLiteral("(ikke med)"), 0);
        for (int v = 1; v <= inddata; ++v) {
            QString navn = TilQString(T.Variable[v].Navn);
            const std::string& enhed = T.Variable[v].Enhed;
            if (!enhed.empty()) navn += ' ' + (enhed.front() == '[' ? TilQString(enhed) : '[' + TilQString(enhed) + ']');
            k->addItem(QString::fromUtf8("→ ") + navn, v);
        }
        k->setCurrentIndex(std::max(0, k->findData(valgt[s])));
        tab->setCellWidget(0, s, k);
        kolonneValg_.push_back(k);
    }
    const QColor graa(0x80, 0x80, 0x80);
    for (int i = 0; i < static_cast<int>(linier.size()); ++i) {
        const bool hoved = i < resultat_.HovedLinier;
        for (int s = 0; s < static_cast<int>(linier[i].size()) && s < soejler; ++s) {
            auto* celle = new QTableWidgetItem(TilQString(linier[i][s]));
            if (hoved) {
                celle->setForeground(graa);
                QFont f = celle->font();
                f.setItalic(true);
                celle->setFont(f);
            }
            tab->setItem(i + 1, s, celle);
        }
    }
    tab->resizeColumnsToContents();
    for (int s = 0; s < soejler; ++s) tab->setColumnWidth(s, std::max(tab->columnWidth(s), 130));

    QString oversigt;
    if (!resultat_.Besked.empty()) {
        oversigt = TilQString(resultat_.Besked);
    } else {
        oversigt = QString::fromUtf8("%1 rækker med tal i %2 søjler; de første %3 linier vises. Tabel %4 har %5 inddatavariable.")
                       .arg(resultat_.Data.Raekker)
                       .arg(soejler)
                       .arg(linier.size())
                       .arg(tabel_)
                       .arg(inddata);
        if (!note_.empty() && resultat_.Separator == noteSeparator_) oversigt += '\n' + TilQString(note_);
    }
    OversigtLabel->setText(oversigt);
}
