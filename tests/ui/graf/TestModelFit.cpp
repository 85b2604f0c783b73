// A model fit in the real window, offscreen by object names: defined in the
// graph dialog on a damped oscillation, drawn, read back from the results
// list; the same after saving and loading the project; and a model that does
// not converge gives its message and draws no curve.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include <cmath>
#include <cstdio>
#include <map>

#include "ui/FormTestHjaelp.h"
#include "ui/TestDialogHjaelp.h"
#include "ui/dialoger/GrafDefinitionUnit.h"

namespace plotvik::test {
namespace {

constexpr int AntalMaalinger = 40;

// y = 2 exp(-0.3 t) cos(3 t + 0.4) at t = 0.1 .. 4.0 with a wobble of +-0.002.
std::string DaempetSvingning() {
    std::string s;
    for (int i = 1; i <= AntalMaalinger; ++i) {
        const double t = 0.1 * i;
        const double y = 2 * std::exp(-0.3 * t) * std::cos(3 * t + 0.4) + ((i % 2) ? 0.002 : -0.002);
        char linje[64];
        std::snprintf(linje, sizeof linje, "%.1f %.6f\r\n", t, y);
        s += linje;
    }
    return s;
}

struct TLinjeVaerdi { double Vaerdi = 0, Usikkerhed = 0; };

// "name = value \xB1 uncertainty" lines of the list, by name.
std::map<std::string, TLinjeVaerdi> Parametre(QListWidget* l) {
    std::map<std::string, TLinjeVaerdi> r;
    for (int i = 0; i < l->count(); ++i) {
        const std::string t = FraQString(l->item(i)->text());
        const auto lig = t.find(" = "), pm = t.find(" \xB1 ");
        if (lig != std::string::npos && pm != std::string::npos)
            r[t.substr(0, lig)] = {std::stod(t.substr(lig + 3, pm - lig - 3)), std::stod(t.substr(pm + 3))};
    }
    return r;
}

std::vector<std::string> Liste(QListWidget* l) {
    std::vector<std::string> r;
    for (int i = 0; i < l->count(); ++i) r.push_back(FraQString(l->item(i)->text()));
    return r;
}

class ModelFitUI : public FormTest {
protected:
    ModalSvar svar;

    QListWidget* Resultater() { return Find<QListWidget>("GrafResultater1ListBox"); }

    // Reads the data file into table 1, computes it and draws sheet 1.
    void IndlaesOgTegn(const std::string& data) {
        Maalinger(1, AntalMaalinger);
        form->DiskfilRadioButton[1]->setChecked(true);
        flade.FilSvar.push_back(data);
        Klik(form->IndLaesTabelButton[1]);
        Klik(form->BeregnTabelButton[1]);
        flade.Vist.clear();
        Klik(Find<QPushButton>("TegnGraf1Button"));
    }

    // The fitted parameters lie within four uncertainties of those the data
    // come from; the uncertainties are those of a wobble of 0.002 on 40
    // points (s = 0.002), far below a hundredth.
    void TjekParametre() {
        const auto par = Parametre(Resultater());
        const std::map<std::string, double> sand = {{"A", 2}, {"b", 0.3}, {"w", 3}, {"f", 0.4}};
        ASSERT_EQ(par.size(), 4u);
        for (const auto& [navn, v] : sand) {
            ASSERT_TRUE(par.count(navn)) << navn;
            const auto& p = par.at(navn);
            EXPECT_GT(p.Usikkerhed, 0) << navn;
            EXPECT_LT(p.Usikkerhed, 0.01) << navn;
            EXPECT_LE(std::fabs(p.Vaerdi - v), 4 * p.Usikkerhed + 0.002) << navn << " = " << p.Vaerdi;
        }
        const auto linjer = Liste(Resultater());
        ASSERT_GE(linjer.size(), 9u);
        EXPECT_EQ(linjer[0], "Modelfit:");
        EXPECT_EQ(linjer[1], "y = A*exp(-b*t)*cos(w*t+f)");
        EXPECT_EQ(linjer[6].substr(0, 4), "s = ");
        EXPECT_NEAR(std::stod(linjer[6].substr(4)), 0.002, 0.0003);
        EXPECT_EQ(linjer[7].substr(0, 5), "R\xB2 = ");
        EXPECT_EQ(linjer[8].substr(0, 13), "Iterationer: ");
    }
};

TEST_F(ModelFitUI, DefinedInTheGraphDialogDrawnAndKeptThroughSaveAndLoad) {
    const std::string data = mappe + "/Svingning_1.dat";
    Skriv(data, DaempetSvingning());

    Menu("OpbygProjektFilMenuItem");
    svar([](QWidget* d) {
        SaetSpin(d, "AntalVariableSpinEdit", 2);
        TrykOK(d);
    });
    Menu("TabelMenuItem");
    for (const char* navn : {"t", "y"}) {
        svar([navn](QWidget* d) {
            SkrivIFelt(d, "VariabelNavnEdit", navn);
            TrykOK(d);
        });
        Menu("InddataVariabelMenuItem");
    }
    svar([](QWidget* d) {
        SkrivIFelt(d, "xgrafEdit", "t");
        SkrivIFelt(d, "ygrafEdit", "y");
        static_cast<TGraferDialog*>(d)->ygrafEditExit();
        auto* model = Kontrol<QLineEdit>(d, "ModelEdit");
        EXPECT_FALSE(model->isEnabled());
        Kontrol<QRadioButton>(d, "ModelfitRadioButton")->click();
        EXPECT_TRUE(model->isEnabled());
        SkrivIFelt(d, "ModelEdit", "A*exp(-b*t)*cos(w*t + f)");
        SkrivIFelt(d, "StartVaerdierEdit", "A=1,5 b=0,2 w=2,8 f=0");
        for (auto [felt, v] : {std::pair{"xminEdit", "0"}, {"xmaxEdit", "4"}, {"yminEdit", "-2"}, {"ymaxEdit", "2"}})
            SkrivIFelt(d, felt, v);
        TrykOK(d);
    });
    Menu("GrafMenuItem");
    ASSERT_EQ(svar.Besvarede, 4);
    const std::string tekst = FraQString(form->RedigerMemo->toPlainText());
    EXPECT_NE(tekst.find("graf_type=M; model=A*exp(-b*t)*cos(w*t + f); startvaerdier=\"A=1,5 b=0,2 w=2,8 f=0\";"),
              std::string::npos)
        << tekst;

    const std::string prj = mappe + "/Svingning.prj";
    flade.Vist.clear();
    flade.Svar.push_back(false);
    flade.FilSvar.push_back(prj);
    Menu("OmdanTilProjektFilMenuItem");
    ASSERT_FALSE(Fejl);
    form->Projekt.TekstGemt = true;
    HentProjekt(prj);
    IndlaesOgTegn(data);
    EXPECT_EQ(FraQString(Find<QLabel>("GrafType1Label")->text()), "Graftype: Modelfit");
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    TjekParametre();
    const auto foer = Liste(Resultater());

    // The project file keeps the model and its start values; a new window
    // that loads it draws the same fit with the same lines.
    EXPECT_NE(Laes(prj).find("\r\nM\r\nA*exp(-b*t)*cos(w*t+f)\r\nA=1,5 b=0,2 w=2,8 f=0\r\n"), std::string::npos);
    NytVindue();
    HentProjekt(prj);
    ASSERT_EQ(form->Projekt.Tabeller[1].Grafer[1].GrafType, 'M');
    EXPECT_EQ(form->Projekt.Tabeller[1].Grafer[1].StartVaerdier, "A=1,5 b=0,2 w=2,8 f=0");
    IndlaesOgTegn(data);
    EXPECT_TRUE(flade.Vist.empty()) << flade.Sidste();
    TjekParametre();
    EXPECT_EQ(Liste(Resultater()), foer);
}

TEST_F(ModelFitUI, ANonConvergingModelGivesItsMessageAndDrawsNoCurve) {
    // A step no logistic curve reaches: its steepness grows without end.
    std::string data;
    for (int i = 0; i < AntalMaalinger; ++i) data += std::to_string(i) + (i < 20 ? " 0\r\n" : " 1\r\n");
    Skriv(mappe + "/Trin_1.dat", data);
    const std::string prj = mappe + "/Trin.prj";
    Skriv(prj, "Trin\r\n0\r\n1\r\nS 2 40 10\r\nt:=?\r\ny:=?\r\n1\r\nTrin\r\n1\r\nt\r\ny\r\n"
               " 0.0E+0000  4.0E+0001\r\n-1.0E+0000  2.0E+0000\r\nM\r\n1/(1+exp(-k*(t-m)))\r\nk=1 m=3\r\n");
    HentProjekt(prj);
    flade.Vist.clear();

    // First the points alone, for the picture without a curve.
    Find<QCheckBox>("TegnKunPunkter1CheckBox")->setChecked(true);
    IndlaesOgTegn(mappe + "/Trin_1.dat");
    const QImage kunPunkter = Find<QWidget>("Graf1Image")->grab().toImage();
    Find<QCheckBox>("TegnKunPunkter1CheckBox")->setChecked(false);
    flade.Vist.clear();
    Klik(Find<QPushButton>("TegnGraf1Button"));

    ASSERT_EQ(flade.Vist.size(), 1u);
    const std::string besked = "Modelfittet konvergerede ikke: pr\xF8v andre startv\xE6rdier eller en anden model";
    EXPECT_EQ(flade.Vist[0].Tekst, besked);
    EXPECT_EQ(Liste(Resultater()), (std::vector<std::string>{"Modelfit:", "y = 1/(1+exp(-k*(t-m)))", besked}));
    EXPECT_TRUE(Parametre(Resultater()).empty());
    EXPECT_TRUE(Find<QWidget>("Graf1Image")->grab().toImage() == kunPunkter);
}

}  // namespace
}  // namespace plotvik::test
