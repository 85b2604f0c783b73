// Feedback where the user acts: the building dialogs stop at a table's
// limits and say so, the constant dialogs refuse a missing name or a value
// that is not a number and stay open on the field, and loading stops at a
// constant that fails instead of asking for the constants afterwards.
#include <algorithm>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"

namespace plotvik::test {
namespace {

const char* const TreGrafer = "En tabel kan h\xF8jst have 3 grafer";
const char* const ToOgTyveVariable = "En tabel kan h\xF8jst have 22 variable";
const char* const IntetNavn = "Konstanten skal have et navn";

class Tilbagemelding : public FormTest {
protected:
    ModalSvar svar;

    std::vector<std::string> MemoLinier() {
        std::vector<std::string> l;
        for (const QString& s : form->RedigerMemo->toPlainText().split('\n'))
            if (!s.isEmpty()) l.push_back(FraQString(s));
        return l;
    }
    void Opbyg() {
        Menu("OpbygProjektFilMenuItem");
        flade.Vist.clear();
    }
};

TEST_F(Tilbagemelding, TheTableDialogStopsAt22VariablesAndSaysSo) {
    Opbyg();
    svar([this](QWidget* d) {
        auto* s = Kontrol<QSpinBox>(d, "AntalVariableSpinEdit");
        EXPECT_EQ(s->maximum(), 22);
        s->setValue(21);
        QTest::keyClick(s, Qt::Key_Up);  // 22: still within the limit, nothing said
        EXPECT_TRUE(flade.Vist.empty());
        QTest::keyClick(s, Qt::Key_Up);  // one more
        EXPECT_EQ(s->value(), 22);
        EXPECT_EQ(flade.Tekster(), std::vector<std::string>{ToOgTyveVariable});
        EXPECT_EQ(flade.Vist.back().Art, Boks::Information);
        TrykOK(d);
    });
    Menu("TabelMenuItem");
    EXPECT_EQ(MemoLinier(), std::vector<std::string>{
                                "Tabel(1): tabel_type=S; antal_variable=22; antal_indgange= 5; tabel_bredde= 10;"});
}

TEST_F(Tilbagemelding, AFourthGraphOfATableIsRefusedWithTheLimit) {
    Opbyg();
    svar([](QWidget* d) { TrykOK(d); });
    Menu("TabelMenuItem");
    for (int i = 1; i <= 3; ++i) svar([](QWidget* d) { TrykOK(d); }), Menu("GrafMenuItem");
    EXPECT_TRUE(flade.Vist.empty());
    Menu("GrafMenuItem");  // one more for the same table
    EXPECT_EQ(svar.Uventede, 0) << "no dialog for a graph the table cannot hold";
    ASSERT_EQ(flade.Vist.size(), 1u);
    EXPECT_EQ(flade.Vist[0].Art, Boks::Information);
    EXPECT_EQ(flade.Vist[0].Tekst, TreGrafer);
    EXPECT_EQ(MemoLinier().size(), 7u);
    // A new table has room for three graphs again.
    for (const char* m : {"TabelMenuItem", "GrafMenuItem"}) svar([](QWidget* d) { TrykOK(d); }), Menu(m);
    EXPECT_EQ(MemoLinier().back().rfind("Grafakse(2,1):", 0), 0u);
    EXPECT_EQ(flade.Vist.size(), 1u);
}

TEST_F(Tilbagemelding, TheInputConstantDialogNeedsAName) {
    Opbyg();
    svar([this](QWidget* d) {
        SkrivIFelt(d, "KonstantNavnEdit", "   ");
        SkrivIFelt(d, "KonstantEnhedEdit", "kg");
        TrykOK(d);
        EXPECT_TRUE(d->isVisible()) << "the dialog stays open";
        EXPECT_EQ(flade.Tekster(), std::vector<std::string>{IntetNavn});
        EXPECT_EQ(flade.Vist.back().Art, Boks::Fejl);
        EXPECT_EQ(d->focusWidget(), Kontrol<QLineEdit>(d, "KonstantNavnEdit"));
        SkrivIFelt(d, "KonstantNavnEdit", "m");
        TrykOK(d);
        EXPECT_FALSE(d->isVisible());
    });
    Menu("InddataKonstantMenuItem");
    EXPECT_EQ(MemoLinier(), std::vector<std::string>{"Konstant(1): m = ? [kg];"});
}

TEST_F(Tilbagemelding, TheOutputConstantDialogNeedsANameAndANumber) {
    Opbyg();
    struct Raekke { const char *navn, *vaerdi; std::string besked; const char* felt; };
    const std::vector<Raekke> raekker = {
        {"", "5", IntetNavn, "KonstantNavnEdit"},
        {"g", "fem", "Fejl i Tallet: fem\n\rNumerisk V\xE6rdi skal v\xE6re et tal, f.eks. 9,82", "KonstantVaerdiEdit"},
        // The name is asked for first when both are missing.
        {"", "", IntetNavn, "KonstantNavnEdit"},
    };
    svar([&](QWidget* d) {
        for (const auto& r : raekker) {
            SCOPED_TRACE(std::string(r.navn) + "|" + r.vaerdi);
            flade.Vist.clear();
            SkrivIFelt(d, "KonstantNavnEdit", r.navn);
            SkrivIFelt(d, "KonstantVaerdiEdit", r.vaerdi);
            TrykOK(d);
            EXPECT_TRUE(d->isVisible()) << "the dialog stays open";
            ASSERT_EQ(flade.Vist.size(), 1u);
            EXPECT_EQ(flade.Vist[0].Art, Boks::Fejl);
            EXPECT_EQ(flade.Vist[0].Tekst, r.besked);
            auto* felt = Kontrol<QLineEdit>(d, r.felt);
            EXPECT_EQ(d->focusWidget(), felt);
            EXPECT_EQ(felt->selectedText(), felt->text()) << "the whole field is selected";
        }
        SkrivIFelt(d, "KonstantNavnEdit", "g");
        SkrivIFelt(d, "KonstantVaerdiEdit", "9,82");
        SkrivIFelt(d, "KonstantEnhedEdit", "m/s^2");
        TrykOK(d);
        EXPECT_FALSE(d->isVisible());
    });
    Menu("UddataKonstantMenuItem");
    EXPECT_EQ(MemoLinier(), std::vector<std::string>{"Konstant(1): g = 9,82 [m/s^2];"});
    EXPECT_EQ(form->Projekt.OpbygTaellere[0], '1');
}

// Pendul with a constant whose value is no number.
std::string PendulMedFejlIKonstant(const std::string& mappe) {
    const std::string navn = mappe + "/PendulFejl.prj";
    std::ofstream f(navn, std::ios::binary);
    f << "Pendul\r\n1\r\ng=fem[m/s^2]\r\n1\r\nS 3 5 10\r\nL:=?[m]\r\nT:=?[s]\r\na:=L/T^2:8:3[m/s^2]\r\n";
    return navn;
}

TEST_F(Tilbagemelding, AConstantThatFailsStopsTheLoading) {
    // The definition reader stops at "m", the fifth character of the definition.
    const std::string fejl = "Syntaksfejl i pos: 5 i variabeludtryk: \n\rg=fem[m/s^2]";
    const std::string spoerg = "Indl\xE6s eller Rediger f\xF8rst tabellen med konstanter";
    HentProjekt(PendulMedFejlIKonstant(mappe));
    const auto tekster = flade.Tekster();
    EXPECT_EQ(std::count(tekster.begin(), tekster.end(), fejl), 1);
    EXPECT_EQ(std::count(tekster.begin(), tekster.end(), spoerg), 0) << "no request after the failure";
    EXPECT_EQ(flade.Vist.back().Tekst, fejl);
    EXPECT_FALSE(form->TabelFeltEdit[0]->isVisible()) << "no input of constants started";
    EXPECT_FALSE(Fejl);
    // Nothing half-loaded is left to compute with: the window is as before a project.
    EXPECT_FALSE(form->TabelGrid[1]->isVisible());
    EXPECT_EQ(form->Projekt.AntalTabeller, 0);
    EXPECT_EQ(form->Projekt.Tilstand, 0);

    // Ignore (here to the syntax and then to the number) goes on as the user
    // chose: the constants are asked for.
    flade.Vist.clear();
    flade.Svar = {true, true};
    HentProjekt(PendulMedFejlIKonstant(mappe));
    EXPECT_EQ(flade.Sidste(), spoerg);
    EXPECT_TRUE(form->TabelFeltEdit[0]->isVisible());
    QTest::keyClick(form->TabelFeltEdit[0], Qt::Key_Escape);
}

}  // namespace
}  // namespace plotvik::test
