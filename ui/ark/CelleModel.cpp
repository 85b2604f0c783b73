// The grid view of a cell matrix.
#include "ui/ark/CelleModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "files/TabelEksport.h"
#include "tabeller/Indtastning.h"
#include "ui/flade/Tegnsaet.h"

TCelleModel::TCelleModel(plotvik::TProjekt& p, int tabel, QObject* parent)
    : QAbstractTableModel(parent), p_(p), tabel_(tabel) {}

char TCelleModel::Type() const { return tabel_ == 0 ? 'S' : p_.Tabeller[tabel_].TabelType; }

int TCelleModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return raekker_ + (Type() == 'R' ? static_cast<int>(usikkerhedsVariable_.size()) : 0);
}
int TCelleModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return soejler_ + (Type() == 'R' ? 0 : static_cast<int>(usikkerhedsVariable_.size()));
}

bool TCelleModel::ErUsikkerhedsCelle(const QModelIndex& index) const {
    return index.isValid() && (index.row() >= raekker_ || index.column() >= soejler_);
}

std::vector<int> TCelleModel::VariableMedUsikkerhed() const {
    std::vector<int> v;
    // The constants are shown with their values only.
    if (tabel_ == 0) return v;
    const plotvik::TTabelDef& t = p_.Tabeller[tabel_];
    const int n = std::min(t.AntalVariable, plotvik::MaksVariable);
    for (int i = 1; i <= n; ++i)
        if (!t.Usikkerheder[i].empty()) v.push_back(i);
    return v;
}

void TCelleModel::SaetVisUsikkerheder(bool vis) {
    visUsikkerheder_ = vis;
    Opdater();
}

bool TCelleModel::ErFastCelle(int raekke, int soejle) const {
    return Type() == 'R' ? soejle == 0 : raekke == 0;
}

QVariant TCelleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (ErUsikkerhedsCelle(index)) {
        const bool r = Type() == 'R';
        const int i = r ? index.row() - raekker_ : index.column() - soejler_;
        const int k = (r ? index.column() : index.row()) + 1;
        if (i < 0 || i >= static_cast<int>(usikkerhedsVariable_.size())) return {};
        const int v = usikkerhedsVariable_[static_cast<std::size_t>(i)];
        const plotvik::TTabelDef& t = p_.Tabeller[tabel_];
        switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole:
                return plotvik::TilQString(k == 1 ? plotvik::UsikkerhedsOverskrift(t.Celler.Celle(v, 1))
                                                  : plotvik::UsikkerhedsCelle(t, v, k - 1));
            // Never typed into: shown like the fixed cells, its text black.
            case Qt::BackgroundRole:
                return QBrush(ErFastCelle(index.row(), index.column()) ? QColor(0xF0, 0xF0, 0xF0)
                                                                       : QColor(0xF7, 0xF7, 0xF7));
            case Qt::ForegroundRole:
                return QBrush(Qt::black);
            case Qt::TextAlignmentRole:
                return int(Qt::AlignLeft | Qt::AlignVCenter);
            default:
                return {};
        }
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: {
            int v = 0, k = 0;
            plotvik::MatrixCelle(Type(), index.row() + 1, index.column() + 1, v, k);
            return plotvik::TilQString(p_.Tabeller[tabel_].Celler.Celle(v, k));
        }
        case Qt::BackgroundRole:
            if (ErFastCelle(index.row(), index.column())) return QBrush(QColor(0xF0, 0xF0, 0xF0));
            return {};
        case Qt::TextAlignmentRole:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

bool TCelleModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || ErFastCelle(index.row(), index.column()) ||
        ErUsikkerhedsCelle(index))
        return false;
    int v = 0, k = 0;
    plotvik::MatrixCelle(Type(), index.row() + 1, index.column() + 1, v, k);
    const std::string tekst = plotvik::Kort(plotvik::FraQString(value.toString()));
    if (Skriv) Skriv(v, k, tekst);
    else p_.Tabeller[tabel_].Celler.SaetCelle(tekst, v, k);
    emit dataChanged(index, index);
    emit CelleRedigeret(index.row(), index.column());
    return true;
}

Qt::ItemFlags TCelleModel::flags(const QModelIndex& index) const {
    // A "\xB1" cell can be neither typed into nor made current: the arrows pass over it.
    if (!index.isValid() || ErUsikkerhedsCelle(index)) return Qt::NoItemFlags;
    if (ErFastCelle(index.row(), index.column())) return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (FriRedigering && FriRedigering()) f |= Qt::ItemIsEditable;
    return f;
}

void TCelleModel::Opdater() {
    const plotvik::TTabelDef& t = p_.Tabeller[tabel_];
    if (tabel_ == 0) SaetStoerrelse(t.AntalVariable > 0 ? 2 : 0, t.AntalVariable);
    else SaetStoerrelse(t.AntalRaekker, t.AntalSoejler);
}

void TCelleModel::SaetStoerrelse(int raekker, int soejler) {
    beginResetModel();
    raekker_ = raekker < 0 ? 0 : raekker;
    soejler_ = soejler < 0 ? 0 : soejler;
    if (visUsikkerheder_ && raekker_ > 0 && soejler_ > 0) usikkerhedsVariable_ = VariableMedUsikkerhed();
    else usikkerhedsVariable_.clear();
    endResetModel();
}

void TCelleModel::VisBlok(int r1, int r2, int c1, int c2) {
    r1 = std::max(r1, 0);
    c1 = std::max(c1, 0);
    r2 = std::min(r2, raekker_ - 1);
    c2 = std::min(c2, soejler_ - 1);
    if (r1 > r2 || c1 > c2) return;
    emit dataChanged(index(r1, c1), index(r2, c2));
}

void TCelleModel::VisAlt() {
    VisBlok(0, raekker_ - 1, 0, soejler_ - 1);
    if (rowCount() > raekker_ || columnCount() > soejler_)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}
