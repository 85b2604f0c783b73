// Fourier coefficients of a tabulated periodic function: the coefficient
// column of a "fourier(t,y)" variable, its spectrum on a graph sheet, and the
// reading of the two names of such an expression.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include <vector>

#include "core/Projekt.h"
#include "graphs/GrafArk.h"

namespace plotvik {

constexpr int MaksFourierKoefficienter = 1024;  // a[0..1023], b[0..1023]
// With n samples K = (n - 1) div 2 coefficients are used; K is kept below the
// size of the arrays, so at most 2047 samples can be transformed.
constexpr int MaksFourierSampler = 2 * (MaksFourierKoefficienter - 1) + 1;

// The coefficients of the last transformation, kept until the next one (the
// graph pass reads them after it has recomputed them).
struct TFourierKoefficienter {
    std::array<double, MaksFourierKoefficienter> a{}, b{};
    int K = 0;
    int Tabel = 0;     // the table they belong to; 0 = none computed
    bool Gyldig = false;
};
TFourierKoefficienter& FourierKoefficienter();

// Reads the names of "fourier(U,A)"; false (Fejl set, message shown) when
// there is no "(" after the word.
bool HentFourierVariable(std::string_view udtryk, std::string& uafhaengig, std::string& afhaengig);

// Computes the coefficients of output variable `variabel` of table `tabel` and
// writes a0 .. aK, b1 .. bK into its column; the arrays of
// FourierKoefficienter() are filled, with the small coefficients cut.
// Ends with Fejl clear; on failure the column is left as it was.
void BeregnFourier(TProjekt& p, int tabel, int variabel);
// The same into the caller's arrays; true when the coefficients were computed.
bool BeregnFourier(TProjekt& p, int tabel, int variabel, TFourierKoefficienter& k);

struct TTegneTilstand;

// The spectrum of graph k of table t on its sheet (already prepared by the
// drawing pass): amplitude bars, the cosine coefficients as crosses, the sine
// coefficients as circles, and the coefficient lines in "Graf Resultater".
// The sheet's marker choice ends as "Cirkel" with "Tegn kun punkter" checked.
void TegnFourierGraf(TProjekt& p, TGrafArkene& arkene, TTegneTilstand& tt, int t, int k);

// Hands BeregnFourier and TegnFourierGraf to the drawing pass.
void TilslutFourier(TTegneTilstand& tt);

// What the "&Fourier Transformation" dialog hands over after OK.
struct TFourierValg {
    std::string Uafhaengig, EnhedUafhaengig, Afhaengig, EnhedAfhaengig, Koefficienter,
        EnhedKoefficienter;
    std::string Positioner = "8", Decimaler = "3", TabelNo = "1";
    bool VisGrafisk = true;
};
// The project lines of a Fourier transformation, numbered with the running
// variable and graph counters (which are moved on).
std::vector<std::string> OpbygFourier(TProjekt& p, const TFourierValg& v);

}  // namespace plotvik
