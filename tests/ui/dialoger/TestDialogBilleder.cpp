// Pictures of every dialog of this unit as the user first sees it, for a
// person to look at. Written only when PLOTVIK_BILLEDMAPPE names a folder;
// otherwise the test just checks that every dialog lays out and paints.
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

#include "ui/dialoger/AktivTabelNoOgGrafNoDialogUnit.h"
#include "ui/dialoger/GrafDefinitionUnit.h"
#include "ui/dialoger/InddataKonstantDefinitionUnit.h"
#include "ui/dialoger/InddataVariabelDefinitionUnit.h"
#include "ui/dialoger/OverskriftDefinitionUnit.h"
#include "ui/dialoger/ProgramStyringDialogUnit.h"
#include "ui/dialoger/TabelDefinitionUnit.h"
#include "ui/dialoger/UddataKonstantDefinitionUnit.h"
#include "ui/dialoger/UddataVariabelDefinitionUnit.h"
#include "ui/dialoger/UdskrivTabelUnit.h"

namespace plotvik::test {
namespace {

TEST(DialogBilleder, EveryDialogPaints) {
    std::vector<std::unique_ptr<TPlotvikDialog>> dialoger;
    auto* overskrift = new TOverskriftDialog;
    overskrift->Forbered();
    dialoger.emplace_back(overskrift);
    auto* ik = new TInddataKonstantDialog;
    ik->Forbered();
    dialoger.emplace_back(ik);
    auto* uk = new TUddataKonstantDialog;
    uk->Forbered();
    dialoger.emplace_back(uk);
    auto* tabel = new TTabelDialog;
    tabel->Forbered(1);
    dialoger.emplace_back(tabel);
    auto* iv = new TIndDataVariabelDialog;
    iv->Forbered(1);
    dialoger.emplace_back(iv);
    auto* uv = new TUddataVariabelDialog;
    uv->Forbered(1);
    dialoger.emplace_back(uv);
    auto* graf = new TGraferDialog;
    graf->Forbered(1, 1);
    graf->xgrafEdit->setText("t");
    graf->ygrafEdit->setText("v");
    graf->ygrafEditExit();
    dialoger.emplace_back(graf);
    auto* ps = new TProgramstyringDialog;
    ps->Forbered({true, true, true, true, true}, {false, true, true, true, true});
    dialoger.emplace_back(ps);
    auto* aktiv = new TAktivTabelNoOgGrafNoDialog;
    aktiv->Forbered(1, 1);
    dialoger.emplace_back(aktiv);
    auto* udskriv = new TUdskrivTabelDialog;
    udskriv->Forbered();
    dialoger.emplace_back(udskriv);

    const char* mappe = std::getenv("PLOTVIK_BILLEDMAPPE");
    for (auto& d : dialoger) {
        d->show();
        QApplication::processEvents();
        const QPixmap billede = d->grab();
        EXPECT_GT(billede.width(), 150) << d->objectName().toStdString();
        EXPECT_GT(billede.height(), 60) << d->objectName().toStdString();
        if (mappe) billede.save(QString::fromLocal8Bit(mappe) + "/" + d->objectName() + ".png");
        d->hide();
    }
}

}  // namespace
}  // namespace plotvik::test
