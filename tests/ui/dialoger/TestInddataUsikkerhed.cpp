// A new input variable given its uncertainty in "&Inddata Variabel" while a
// project is built: the line on the text sheet carries it, and a value the
// dialog cannot accept is said in Danish with the dialog left open.
#include <QPlainTextEdit>
#include <QRadioButton>

#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"

namespace plotvik::test {
namespace {

class InddataUsikkerhed : public FormTest {
protected:
    ModalSvar svar;
    // Builds table 1 and asks for its input variable t with an uncertainty.
    void NyVariabel(const char* radio, const std::string& tekst, bool forventLukket) {
        svar([](QWidget* d) { TrykOK(d); });
        Menu("TabelMenuItem");
        svar([=](QWidget* d) {
            SkrivIFelt(d, "VariabelNavnEdit", "t");
            SkrivIFelt(d, "EnhedEdit", "s");
            Kontrol<QRadioButton>(d, radio)->setChecked(true);
            SkrivIFelt(d, "UsikkerhedEdit", tekst);
            TrykOK(d);
            EXPECT_EQ(d->isVisible(), !forventLukket);
        });
        Menu("InddataVariabelMenuItem");
    }
    std::string SidsteLinie() {
        return FraQString(form->RedigerMemo->toPlainText().split('\n').last());
    }
};

// A case with a message leaves the dialog open and appends nothing after the table's line.
TEST_F(InddataUsikkerhed, LinienFaarUsikkerhedenMedEllerHoldesTilbage) {
    struct Tilfaelde { const char* radio; std::string tekst, linie, besked; };
    const std::string ikkeTal = "Usikkerheden p\xE5 t i tabel 1 skal v\xE6re et tal p\xE5 mindst 0: '";
    const Tilfaelde tilfaelde[] = {
        {"UsikkerhedArtIngenRadioButton", "", "Variabel(1,1): t:=?[s];", ""},
        {"UsikkerhedArtAbsolutRadioButton", "0,01", "Variabel(1,1): t:=?[s]; usikkerhed=0,01;", ""},
        {"UsikkerhedArtRelativRadioButton", "2 %", "Variabel(1,1): t:=?[s]; usikkerhed=2%;", ""},
        {"UsikkerhedArtSoejleRadioButton", "ut", "Variabel(1,1): t:=?[s]; usikkerhed=ut;", ""},
        {"UsikkerhedArtRelativRadioButton", "-1", "Tabel(1)", ikkeTal + "-1'"},
        {"UsikkerhedArtAbsolutRadioButton", "abc", "Tabel(1)", ikkeTal + "abc'"},
        {"UsikkerhedArtSoejleRadioButton", "t", "Tabel(1)",
         "Usikkerheden p\xE5 t i tabel 1 skal st\xE5 i en anden inddatavariabel i samme tabel: 't'"},
    };
    for (const auto& c : tilfaelde) {
        SCOPED_TRACE(c.tekst);
        form->Projekt.TekstGemt = true;  // the last case's text is not to be saved
        Menu("OpbygProjektFilMenuItem");
        flade.Vist.clear();
        NyVariabel(c.radio, c.tekst, c.besked.empty());
        EXPECT_EQ(flade.Tekster(), c.besked.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.besked});
        EXPECT_TRUE(SidsteLinie().starts_with(c.linie)) << SidsteLinie();
    }
}

}  // namespace
}  // namespace plotvik::test
