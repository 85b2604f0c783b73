// "&Definer" (each item appends its keyword line to the text sheet while a
// project is built), the uncertainties, "Valgmuligheder", printing and help.
#pragma once

#include <string>

#include "core/Projekt.h"
#include "ui/vindue/VinduesKerne.h"

class TInddataKonstantDialog;
class TUddataKonstantDialog;
class TTabelDialog;
class TIndDataVariabelDialog;
class TUddataVariabelDialog;
class TGraferDialog;
class TOverskriftDialog;
class TUdskrivTabelDialog;
class TProgramstyringDialog;
class TAktivTabelNoOgGrafNoDialog;
class TUsikkerhedDialog;

class TDefinerKommandoer {
public:
    explicit TDefinerKommandoer(TVinduesKerne& kerne) : k(kerne) {}

    // The definition and option dialogs, made once each, in the start-up order.
    void OpretDialoger();

    void OverskriftMenuItemClick();
    void InddataKonstantMenuItemClick();
    void UddataKonstantMenuItemClick();
    void TabelMenuItemClick();
    void InddataVariabelMenuItemClick();
    void UddataVariabelMenuItemClick();
    void GrafMenuItemClick();
    // "Definer > &Usikkerhed..." gives an input variable or a constant its
    // uncertainty; "Vis &usikkerheder" shows the "\xB1" column beside each
    // variable that has them.
    void UsikkerhedMenuItemClick();
    void VisUsikkerhederMenuItemClick();
    // Sets an uncertainty from a dialog (SaetUsikkerhed); the message of a fault, or empty.
    std::string SaetUsikkerhedFraDialog(int tabel, int variabel, plotvik::TUsikkerhedsArt art,
                                        const std::string& tekst);

    void AktiveTabelNoOgGrafNoMenuItemClick();
    void ProgramstyringMenuItemClick();
    void KontrolafInddataMenuItemClick();
    void StatistikPaamaalingerMenuItemClick();

    void UdskrivTabelMenuItemClick();
    void UdskrivArkMenuItemClick();
    void UdskrivGrafresultaterMenuItemClick();
    void UdskrivTekstMenuItemClick();

    void HjaelpMenuItemClick();

private:
    TVinduesKerne& k;
    TInddataKonstantDialog* InddataKonstantDialog = nullptr;
    TUddataKonstantDialog* UddataKonstantDialog = nullptr;
    TTabelDialog* TabelDialog = nullptr;
    TIndDataVariabelDialog* IndDataVariabelDialog = nullptr;
    TUddataVariabelDialog* UddataVariabelDialog = nullptr;
    TGraferDialog* GraferDialog = nullptr;
    TOverskriftDialog* OverskriftDialog = nullptr;
    TUdskrivTabelDialog* UdskrivTabelDialog = nullptr;
    TProgramstyringDialog* ProgramstyringDialog = nullptr;
    TAktivTabelNoOgGrafNoDialog* AktivTabelNoOgGrafNoDialog = nullptr;
    TUsikkerhedDialog* UsikkerhedDialog = nullptr;
};
