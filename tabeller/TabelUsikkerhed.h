// The uncertainties of a table's values, computed with the table: the
// constants' and the input variables' from what the user gave (a value, a
// percentage or a column of their own), the output variables' by first-order
// propagation through their formulas. A project that gives none computes
// nothing here.
#pragma once

#include <string>

#include "core/Projekt.h"

namespace plotvik {

// The uncertainty text of a quantity as the definition dialog takes it:
// a number >= 0 with a decimal comma or point ("0,01"); for a percentage the
// number before an optional "%". False with the Danish message naming the quantity.
bool LaesUsikkerhedsTekst(const std::string& tekst, const std::string& navn, double& u, std::string& besked);

// Sets the uncertainty of variable v of table t (0: constant v) after
// checking it: a number for Absolut and Relativ, an input variable of the
// same table (not v itself) for Soejle. Nothing changes on a fault; the
// message is returned (empty when set).
std::string SaetUsikkerhed(TProjekt& p, int t, int v, TUsikkerhedsArt art, const std::string& tekst);

// The constants' and table t's input uncertainties into Usikkerheder; the
// output variables' are cleared (the computation fills them). False after
// a message naming the cell when one is negative or no number: then the
// table holds no uncertainties at all.
bool BeregnIndUsikkerheder(TProjekt& p, int t);

// "Usikkerheden i tabel <t>, variabel <navn>, m\xE5ling <m> er negativ: <tekst>" and the like.
std::string UsikkerhedsCelleBesked(int t, const std::string& navn, int m, const std::string& tekst,
                                   bool negativ);

}  // namespace plotvik
