// The spin edit that says its limit, with the real message boxes: holding the
// mouse on the up arrow at the maximum shows the message once, and the spin
// edit does not go on asking after the box has been closed.
#include <QApplication>
#include <QElapsedTimer>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include "ui/TestDialogHjaelp.h"
#include "ui/flade/QtFlade.h"
#include "ui/dialoger/TabelDefinitionUnit.h"

namespace plotvik::test {
namespace {

TEST(GraenseSpinBox, HoldingTheUpArrowAtTheMaximumAsksOnce) {
    QtFlade qt;
    SaetFlade(&qt);
    TTabelDialog d;
    d.Forbered(1);
    d.show();
    QApplication::processEvents();
    QSpinBox* s = d.AntalVariableSpinEdit;
    s->setValue(22);
    ModalSvar svar;  // closes every message box with its default
    QStyleOptionSpinBox o;
    o.initFrom(s);
    o.subControls = QStyle::SC_SpinBoxUp;
    o.stepEnabled = QAbstractSpinBox::StepUpEnabled;
    const QRect op = s->style()->subControlRect(QStyle::CC_SpinBox, &o, QStyle::SC_SpinBoxUp, s);
    QTest::mousePress(s, Qt::LeftButton, Qt::NoModifier, op.center());
    QElapsedTimer ur;
    ur.start();
    while (ur.elapsed() < 1500) QTest::qWait(20);
    QTest::mouseRelease(s, Qt::LeftButton, Qt::NoModifier, op.center());
    QApplication::processEvents();
    SaetFlade(nullptr);
    EXPECT_EQ(s->value(), 22);
    EXPECT_EQ(svar.Uventede, 1) << "one box, however long the button is held";
}

}  // namespace
}  // namespace plotvik::test
