// Domains of function expressions ("Definitionsintervaller"): conditions
// such as 0<x<10 and x<>5 read into (relation, number) pairs, and the
// intervals of x they leave.
#pragma once

#include <string>
#include <vector>

namespace plotvik {

constexpr int MaksBetingelser = 10;
constexpr int MaksIntervaller = 5;

struct TBetingelse {
    std::string Relation;  // "<", "<=", ">" or ">="
    double Tal = 0;
};

// Prepares dm in place (blanks outside quotes removed, lower case, at most
// 128 characters, "r" when empty) and reads its conditions, sorted by
// number. For "r" there are no conditions and Fejl is left as it was;
// otherwise Fejl is cleared first and set on a fault, with its messages shown.
std::vector<TBetingelse> LaesDefinitionsmaengde(std::string& dm);

}  // namespace plotvik
