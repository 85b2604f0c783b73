// The welcome panel: its lines and buttons, and where the examples are.
#include "ui/vindue/Velkomst.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <optional>
#include <string>
#include <utility>

#include "core/Brugerflade.h"
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
