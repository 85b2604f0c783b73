// A graph sheet's draw list (see Tegneliste.h).
#include "graphs/Tegneliste.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphs/PlotvikImageGraphics.h"

namespace plotvik {

namespace {

// A marker's pixels lie at most this far from its world point; a pixel
// further away was not placed from the anchor and is kept as a pixel.
constexpr int AnkerRaekkevidde = 16;

bool Omvendbar(TPenTilstand t) { return t != TPenTilstand::Kopier; }

}  // namespace

// ---- the list ----

void TTegneliste::Ryd() {
    Trin.clear();
    Afbildninger.clear();
    Tekster.clear();
    Skrifter.clear();
    Aendret();
}

int TTegneliste::TilfoejAfbildning(const TAfbildning& a) {
    if (!Afbildninger.empty() && Afbildninger.back() == a) return int(Afbildninger.size()) - 1;
    Afbildninger.push_back(a);
    return int(Afbildninger.size()) - 1;
}

int TTegneliste::TilfoejSkrift(const TSkrift& s) {
    for (std::size_t i = 0; i < Skrifter.size(); ++i)
        if (Skrifter[i] == s) return int(i);
    Skrifter.push_back(s);
    return int(Skrifter.size()) - 1;
}

int TTegneliste::TilfoejTekst(const std::string& t) {
    Tekster.push_back(t);
    return int(Tekster.size()) - 1;
}

bool TTegneliste::SammePunkt(const TTrinPunkt& a, const TTrinPunkt& b) const {
    return a.X == b.X && a.Y == b.Y && a.DX == b.DX && a.DY == b.DY && a.Verden == b.Verden &&
           Afbildninger[std::size_t(a.Afbildning)] == Afbildninger[std::size_t(b.Afbildning)];
}

bool TTegneliste::SammeTrin(const TTegneTrin& a, const TTegneTrin& b) const {
    return a.Art == b.Art && a.Tilstand == b.Tilstand && a.PenselStil == b.PenselStil && a.PenBredde == b.PenBredde &&
           a.Farve == b.Farve && a.PenselFarve == b.PenselFarve && a.Tekst < 0 && b.Tekst < 0 &&
           SammePunkt(a.A, b.A) && SammePunkt(a.B, b.B);
}

void TTegneliste::Tilfoej(const TTegneTrin& t) {
    Aendret();
    if (Omvendbar(t.Tilstand)) {
        // Xor and invert commute with each other, so the earlier twin may be
        // anywhere among the trailing run of such steps.
        for (std::size_t i = Trin.size(); i-- > 0 && Omvendbar(Trin[i].Tilstand);) {
            if (SammeTrin(Trin[i], t)) {
                Trin.erase(Trin.begin() + std::ptrdiff_t(i));
                return;
            }
        }
    }
    Trin.push_back(t);
}

// ---- the recording canvas ----

void TOptagendeLaerred::Anker(const TAfbildning& a, double x, double y) {
    HarAnker = true;
    AnkerAfb = a;
    AnkerX = x;
    AnkerY = y;
    AnkerPX = AfbildX(a, x);
    AnkerPY = AfbildY(a, y);
}

TTrinPunkt TOptagendeLaerred::Punkt(int px, int py) {
    TTrinPunkt p;
    const long dx = long(px) - AnkerPX, dy = long(py) - AnkerPY;
    p.Verden = HarAnker && std::labs(dx) <= AnkerRaekkevidde && std::labs(dy) <= AnkerRaekkevidde;
    // A plain pixel needs only the size of the image it was drawn on.
    TAfbildning a = p.Verden ? AnkerAfb : TAfbildning{};
    a.BilledBredde = Maal.Bredde();
    a.BilledHoejde = Maal.Hoejde();
    p.Afbildning = Liste.TilfoejAfbildning(a);
    if (p.Verden) {
        p.X = AnkerX;
        p.Y = AnkerY;
        p.DX = int(dx);
        p.DY = int(dy);
    } else {
        p.X = px;
        p.Y = py;
    }
    return p;
}

TTegneTrin TOptagendeLaerred::NytTrin(TTrinArt art) const {
    TTegneTrin t;
    t.Art = art;
    t.Tilstand = Maal.PenTilstand();
    t.PenselStil = Maal.PenselStil();
    t.PenBredde = Maal.PenBredde();
    t.Farve = Maal.PenFarve();
    t.PenselFarve = Maal.PenselFarve();
    return t;
}

void TOptagendeLaerred::SaetSkrift(const std::string& navn, int stoerrelse, int stil) {
    Maal.SaetSkrift(navn, stoerrelse, stil);
    Skrift = TSkrift{navn, stoerrelse, stil};
}

void TOptagendeLaerred::FlytTil(int x, int y) {
    Maal.FlytTil(x, y);
    PenX = x;
    PenY = y;
    PenPunkt = Punkt(x, y);
}

void TOptagendeLaerred::LinjeTil(int x, int y) {
    Maal.LinjeTil(x, y);
    TTegneTrin t = NytTrin(TTrinArt::Linje);
    t.A = PenPunkt;
    t.B = Punkt(x, y);
    Liste.Tilfoej(t);
    PenX = x;
    PenY = y;
    PenPunkt = t.B;
}

void TOptagendeLaerred::Ellipse(int x1, int y1, int x2, int y2) {
    Maal.Ellipse(x1, y1, x2, y2);
    TTegneTrin t = NytTrin(TTrinArt::Ellipse);
    t.A = Punkt(x1, y1);
    t.B = Punkt(x2, y2);
    Liste.Tilfoej(t);
}

void TOptagendeLaerred::FyldRektangel(int x1, int y1, int x2, int y2, TFarve f) {
    Maal.FyldRektangel(x1, y1, x2, y2, f);
    if (x1 <= 0 && y1 <= 0 && x2 >= Maal.Bredde() && y2 >= Maal.Hoejde()) Liste.Ryd();
    // A fill is a piece of the image, never of the world: its corners stay pixels.
    const bool anker = HarAnker;
    HarAnker = false;
    TTegneTrin t = NytTrin(TTrinArt::Rektangel);
    t.Tilstand = TPenTilstand::Kopier;
    t.Farve = f & 0xFFFFFF;
    t.A = Punkt(x1, y1);
    t.B = Punkt(x2, y2);
    HarAnker = anker;
    Liste.Tilfoej(t);
}

void TOptagendeLaerred::SaetPixel(int x, int y, TFarve f) {
    Maal.SaetPixel(x, y, f);
    TTegneTrin t = NytTrin(TTrinArt::Pixel);
    t.Tilstand = TPenTilstand::Kopier;
    t.Farve = f & 0xFFFFFF;
    t.A = Punkt(x, y);
    Liste.Tilfoej(t);
}

void TOptagendeLaerred::SkrivTekst(int x, int y, const std::string& tekst) {
    Maal.SkrivTekst(x, y, tekst);
    if (tekst.empty()) return;
    TTegneTrin t = NytTrin(TTrinArt::Tekst);
    t.Tilstand = TPenTilstand::Kopier;
    t.A = Punkt(x, y);
    t.Tekst = Liste.TilfoejTekst(tekst);
    t.Skrift = Liste.TilfoejSkrift(Skrift);
    Liste.Tilfoej(t);
}

// ---- replay ----

namespace {

// One of the list's mappings on the target image.
struct TMaalAfbildning {
    TAfbildning A;
    double FX = 1, FY = 1;  // target pixels per recorded pixel, for plain pixels
    bool Samme = true;      // the image has the size the steps were drawn at
};

TMaalAfbildning Maalafbildning(const TAfbildning& a, int bredde, int hoejde) {
    TMaalAfbildning m;
    m.A = a;
    m.Samme = a.BilledBredde == bredde && a.BilledHoejde == hoejde;
    if (m.Samme || a.BilledBredde <= 0 || a.BilledHoejde <= 0) return m;
    m.FX = double(bredde) / a.BilledBredde;
    m.FY = double(hoejde) / a.BilledHoejde;
    StraekInterval(m.A.Venstre, m.A.Bredde, a.BilledBredde, bredde);
    StraekInterval(m.A.Top, m.A.Hoejde, a.BilledHoejde, hoejde);
    if (a.Bredde > 0) m.A.Sx = a.Sx * m.A.Bredde / a.Bredde;
    if (a.Hoejde > 0) m.A.Sy = a.Sy * m.A.Hoejde / a.Hoejde;
    return m;
}

struct TAfspiller {
    const TTegneliste& Liste;
    Laerred& L;
    bool Glat;
    std::vector<TMaalAfbildning> Maal;
    int Skrift = -1;
    const TTegneTrin* Forrige = nullptr;

    // A step goes on with the figure before it when it starts where that one
    // ended (a curve) or at the same world point (the arms of a marker).
    void Figur(const TTegneTrin& t) {
        const bool fortsaetter = Forrige && Forrige->Art == TTrinArt::Linje && t.Art == TTrinArt::Linje &&
                                 (Forrige->B == t.A || (t.A.Verden && Forrige->B.Verden &&
                                                        Forrige->B.X == t.A.X && Forrige->B.Y == t.A.Y &&
                                                        Forrige->B.Afbildning == t.A.Afbildning));
        if (!fortsaetter) L.NyFigur();
        Forrige = &t;
    }

    // Whole pixels by the layer's rule, or the unrounded position.
    double X(const TTrinPunkt& p) const {
        const TMaalAfbildning& m = Maal[std::size_t(p.Afbildning)];
        if (!p.Verden) return m.Samme ? p.X : Glat ? p.X * m.FX : std::nearbyint(p.X * m.FX);
        if (!Glat) return double(AfbildX(m.A, p.X)) + p.DX;
        return std::clamp((AkseMaal(m.A.LogX, p.X) - m.A.XMin) * m.A.Sx + m.A.Venstre, -1e7, 1e7) + p.DX;
    }
    double Y(const TTrinPunkt& p) const {
        const TMaalAfbildning& m = Maal[std::size_t(p.Afbildning)];
        if (!p.Verden) return m.Samme ? p.Y : Glat ? p.Y * m.FY : std::nearbyint(p.Y * m.FY);
        if (!Glat) return double(AfbildY(m.A, p.Y)) + p.DY;
        return std::clamp(double(m.A.Top) + m.A.Hoejde - (AkseMaal(m.A.LogY, p.Y) - m.A.YMin) * m.A.Sy, -1e7,
                          1e7) +
               p.DY;
    }
    static int I(double v) { return KlemPixel(v); }

    void Tilstand(const TTegneTrin& t) {
        if (L.PenFarve() != t.Farve) L.SaetPenFarve(t.Farve);
        if (L.PenBredde() != t.PenBredde) L.SaetPenBredde(t.PenBredde);
        if (L.PenTilstand() != t.Tilstand) L.SaetPenTilstand(t.Tilstand);
        if (L.PenselFarve() != t.PenselFarve) L.SaetPenselFarve(t.PenselFarve);
        if (L.PenselStil() != t.PenselStil) L.SaetPenselStil(t.PenselStil);
    }

    void Trin(const TTegneTrin& t) {
        Figur(t);
        switch (t.Art) {
            case TTrinArt::Linje:
                Tilstand(t);
                if (Glat) {
                    L.FlytTilF(X(t.A), Y(t.A));
                    L.LinjeTilF(X(t.B), Y(t.B));
                } else {
                    L.FlytTil(I(X(t.A)), I(Y(t.A)));
                    L.LinjeTil(I(X(t.B)), I(Y(t.B)));
                }
                break;
            case TTrinArt::Ellipse:
                Tilstand(t);
                if (Glat) L.EllipseF(X(t.A), Y(t.A), X(t.B), Y(t.B));
                else L.Ellipse(I(X(t.A)), I(Y(t.A)), I(X(t.B)), I(Y(t.B)));
                break;
            case TTrinArt::Pixel:
                if (Glat) L.SaetPixelF(X(t.A), Y(t.A), t.Farve);
                else L.SaetPixel(I(X(t.A)), I(Y(t.A)), t.Farve);
                break;
            case TTrinArt::Rektangel:
                L.FyldRektangel(I(std::nearbyint(X(t.A))), I(std::nearbyint(Y(t.A))), I(std::nearbyint(X(t.B))),
                                I(std::nearbyint(Y(t.B))), t.Farve);
                break;
            case TTrinArt::Tekst: {
                Tilstand(t);
                if (t.Skrift != Skrift && t.Skrift >= 0) {
                    const TSkrift& s = Liste.Skrifter[std::size_t(t.Skrift)];
                    L.SaetSkrift(s.Navn, s.Stoerrelse, s.Stil);
                    Skrift = t.Skrift;
                }
                const std::string& tekst = Liste.Tekster[std::size_t(t.Tekst)];
                if (Glat) L.SkrivTekstF(X(t.A), Y(t.A), tekst);
                else L.SkrivTekst(I(X(t.A)), I(Y(t.A)), tekst);
                break;
            }
        }
    }
};

}  // namespace

void Genafspil(const TTegneliste& liste, Laerred& laerred, int bredde, int hoejde, bool glat) {
    const TFarve pen = laerred.PenFarve(), pensel = laerred.PenselFarve();
    const int penBredde = laerred.PenBredde();
    const TPenTilstand tilstand = laerred.PenTilstand();
    const TPenselStil stil = laerred.PenselStil();

    TAfspiller a{liste, laerred, glat, {}, -1, nullptr};
    a.Maal.reserve(liste.Afbildninger.size());
    for (const TAfbildning& m : liste.Afbildninger) a.Maal.push_back(Maalafbildning(m, bredde, hoejde));
    for (const TTegneTrin& t : liste.Trin) a.Trin(t);
    laerred.NyFigur();

    laerred.SaetPenFarve(pen);
    laerred.SaetPenselFarve(pensel);
    laerred.SaetPenBredde(penBredde);
    laerred.SaetPenTilstand(tilstand);
    laerred.SaetPenselStil(stil);
}

}  // namespace plotvik
