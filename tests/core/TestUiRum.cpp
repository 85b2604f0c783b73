// The rooms of the window's code: ui/ is split into folders by role, and the
// includes between its files run one way. No file of ui/ reaches itself
// through its includes, and a room includes only from itself and the rooms
// below it, so that a sheet or a dialog never knows the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/Testdata.h"

using namespace plotvik;

namespace {

// The rooms from the bottom up. A room may include from rooms further down
// the list, never from one further up; rooms on the same step do not know
// each other.
struct TRum {
    const char* Navn;
    int Trin;
};
const TRum Rummene[] = {
    {"flade", 0},    // the user seam's Qt adapters and text conversion
    {"graf", 1},     // the Qt canvas, the graph picture, export and printing
    {"dialoger", 2}, // every dialog
    {"ark", 2},      // table, graph and text sheets
    {"fortryd", 3},  // undo steps and autosave
    {"data", 4},     // file, clipboard, import and export commands
    {"vindue", 5},   // the main window: menus and dispatch between the sheets
};

std::optional<int> Trin(const std::string& rum) {
    for (const auto& r : Rummene)
        if (rum == r.Navn) return r.Trin;
    return std::nullopt;
}

// "ui/<room>/<file>" of a quoted include line, or none for any other line.
std::optional<std::string> UiInkludering(const std::string& linie) {
    static const std::regex inkl(R"(^\s*#\s*include\s*"(ui/[^"]+)\")");
    std::smatch m;
    if (!std::regex_search(linie, m, inkl)) return std::nullopt;
    return m[1].str();
}

// The room of a path "ui/<room>/<file>"; empty for a file directly in ui/.
std::string RumAf(const std::string& sti) {
    const auto a = sti.find('/');
    const auto b = sti.find('/', a + 1);
    return b == std::string::npos ? std::string() : sti.substr(a + 1, b - a - 1);
}

// Whether a file of room `fra` may include one of room `til`.
bool MaaInkludere(const std::string& fra, const std::string& til) {
    if (fra == til) return true;
    const auto a = Trin(fra), b = Trin(til);
    return a && b && *b < *a;
}

using TGraf = std::map<std::string, std::vector<std::string>>;

// A circle of includes as the files along it (the first repeated at the
// end), or empty when there is none.
std::vector<std::string> FindCirkel(const TGraf& graf) {
    enum TFarve { Hvid, Graa, Sort };
    std::map<std::string, TFarve> farve;
    std::vector<std::string> sti, cirkel;
    std::function<bool(const std::string&)> besoeg = [&](const std::string& fil) {
        farve[fil] = Graa;
        sti.push_back(fil);
        auto it = graf.find(fil);
        if (it != graf.end()) {
            for (const std::string& til : it->second) {
                if (farve[til] == Graa) {
                    auto start = std::find(sti.begin(), sti.end(), til);
                    cirkel.assign(start, sti.end());
                    cirkel.push_back(til);
                    return true;
                }
                if (farve[til] == Hvid && besoeg(til)) return true;
            }
        }
        sti.pop_back();
        farve[fil] = Sort;
        return false;
    };
    for (const auto& [fil, _] : graf)
        if (farve[fil] == Hvid && besoeg(fil)) return cirkel;
    return {};
}

TEST(UiRum, InkluderingerOgRumGenkendes) {
    struct { const char* linie; const char* sti; const char* rum; } tabel[] = {
        {"#include \"ui/ark/TabelArk.h\"", "ui/ark/TabelArk.h", "ark"},
        {"  #  include \"ui/vindue/PlotvikUnit.h\"", "ui/vindue/PlotvikUnit.h", "vindue"},
        {"#include \"ui/Gammel.h\"", "ui/Gammel.h", ""},
        {"#include <QWidget>", nullptr, nullptr},
        {"#include \"graphs/Fourier.h\"", nullptr, nullptr},
        {"// #include \"ui/ark/TabelArk.h\"", nullptr, nullptr},
    };
    for (const auto& r : tabel) {
        const auto sti = UiInkludering(r.linie);
        if (!r.sti) {
            EXPECT_FALSE(sti.has_value()) << r.linie;
            continue;
        }
        ASSERT_TRUE(sti.has_value()) << r.linie;
        EXPECT_EQ(*sti, r.sti);
        EXPECT_EQ(RumAf(*sti), r.rum);
    }
}

TEST(UiRum, RetningerneMellemRummene) {
    struct { const char* fra; const char* til; bool tilladt; } tabel[] = {
        {"vindue", "ark", true},      {"vindue", "dialoger", true}, {"ark", "graf", true},
        {"dialoger", "flade", true},  {"data", "fortryd", true},    {"ark", "ark", true},
        {"ark", "vindue", false},     {"dialoger", "vindue", false}, {"graf", "ark", false},
        {"flade", "graf", false},     {"ark", "dialoger", false},   {"dialoger", "ark", false},
        {"fortryd", "data", false},   {"ark", "", false},           {"", "ark", false},
    };
    for (const auto& r : tabel) EXPECT_EQ(MaaInkludere(r.fra, r.til), r.tilladt) << r.fra << " -> " << r.til;
}

TEST(UiRum, CirklerFindes) {
    struct { TGraf graf; std::vector<std::string> cirkel; } tabel[] = {
        {{{"a", {"b"}}, {"b", {"c"}}, {"c", {}}}, {}},
        {{{"a", {"b", "c"}}, {"b", {"c"}}, {"c", {}}}, {}},  // two ways to one file: no circle
        {{{"a", {"a"}}}, {"a", "a"}},
        {{{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}}, {"a", "b", "c", "a"}},
        {{{"a", {"b"}}, {"b", {}}, {"x", {"y"}}, {"y", {"x"}}}, {"x", "y", "x"}},
    };
    for (const auto& r : tabel) EXPECT_EQ(FindCirkel(r.graf), r.cirkel);
}

TEST(UiRum, IngenCirklerOgIngenInkluderingOpad) {
    namespace fs = std::filesystem;
    const fs::path rod = test::Kildesti("ui");
    TGraf graf;
    int filer = 0;
    for (const auto& f : fs::recursive_directory_iterator(rod)) {
        if (!f.is_regular_file()) continue;
        const auto ext = f.path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        ++filer;
        const std::string sti = "ui/" + fs::relative(f.path(), rod).generic_string();
        const std::string rum = RumAf(sti);
        EXPECT_TRUE(Trin(rum).has_value()) << sti << " lies in no room of ui/";
        auto& inkluderer = graf[sti];
        std::ifstream ind(f.path());
        std::string linie;
        int nr = 0;
        while (std::getline(ind, linie)) {
            ++nr;
            const auto til = UiInkludering(linie);
            if (!til) continue;
            EXPECT_TRUE(fs::exists(rod.parent_path() / *til)) << sti << ":" << nr << ": " << linie;
            EXPECT_TRUE(MaaInkludere(rum, RumAf(*til))) << sti << ":" << nr << ": " << linie;
            if (*til != sti) inkluderer.push_back(*til);
        }
    }
    EXPECT_GT(filer, 50);
    const std::vector<std::string> cirkel = FindCirkel(graf);
    std::string tekst;
    for (const auto& s : cirkel) tekst += (tekst.empty() ? "" : " -> ") + s;
    EXPECT_TRUE(cirkel.empty()) << tekst;
}

// The main window's header is known only to the window's own room, the
// program's start and the tests.
TEST(UiRum, HovedvinduetKendesKunAfSitRum) {
    namespace fs = std::filesystem;
    int filer = 0;
    for (const char* mappe : {"ui", "core", "interpreter", "files", "graphs", "tabeller"}) {
        for (const auto& f : fs::recursive_directory_iterator(test::Kildesti(mappe))) {
            if (!f.is_regular_file()) continue;
            const auto ext = f.path().extension();
            if (ext != ".h" && ext != ".cpp") continue;
            ++filer;
            const bool vindue = f.path().parent_path().filename() == "vindue";
            std::ifstream ind(f.path());
            std::string linie;
            while (std::getline(ind, linie)) {
                const auto til = UiInkludering(linie);
                if (til && *til == "ui/vindue/PlotvikUnit.h") EXPECT_TRUE(vindue) << f.path();
            }
        }
    }
    EXPECT_GT(filer, 50);
}

// The class whose member a line of a .cpp file defines ("void TTabelArk::Vis(" ->
// "TTabelArk"); empty for any other line.
std::string DefineretKlasse(const std::string& linie) {
    static const std::regex def(R"(^(?:[\w:<>,*&]+[ *&]+)*(T\w+)::~?[A-Za-z_]\w*\()");
    std::smatch m;
    return std::regex_search(linie, m, def) ? m[1].str() : std::string();
}

TEST(UiRum, KlassensDefinitionerGenkendes) {
    struct { const char* linie; const char* klasse; } tabel[] = {
        {"void TTabelArk::VisTabel(int t) {", "TTabelArk"},
        {"TPlotvikForm::~TPlotvikForm() {", "TPlotvikForm"},
        {"const TTabelKontroller& TVinduesKerne::TabelKontroller(int t) const {", "TVinduesKerne"},
        {"TTabelArk::TGridMaal TTabelArk::GridMaal(int t) const {", "TTabelArk"},
        {"    side->Vis();", ""},
        {"// TTabelArk::Vis( is described here", ""},
        {"int Heltal(const std::string& s) { return TekstTilHeltal(s); }", ""},
    };
    for (const auto& r : tabel) EXPECT_EQ(DefineretKlasse(r.linie), r.klasse) << r.linie;
}

// A newcomer finds a class in one .cpp file, and no file of ui/ is too long to read.
TEST(UiRum, HverKlasseIEnFilOgKorteFiler) {
    namespace fs = std::filesystem;
    std::map<std::string, std::set<std::string>> filer;
    for (const auto& f : fs::recursive_directory_iterator(test::Kildesti("ui"))) {
        if (!f.is_regular_file()) continue;
        const auto ext = f.path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        std::ifstream ind(f.path());
        std::string linie;
        int linier = 0;
        while (std::getline(ind, linie)) {
            ++linier;
            const std::string klasse = ext == ".cpp" ? DefineretKlasse(linie) : std::string();
            if (!klasse.empty()) filer[klasse].insert(f.path().filename().string());
        }
        EXPECT_LT(linier, 500) << f.path();
    }
    EXPECT_GT(filer.size(), 30u);
    for (const auto& [klasse, i] : filer) {
        std::string tekst;
        for (const auto& n : i) tekst += " " + n;
        EXPECT_EQ(i.size(), 1u) << klasse << " is defined in" << tekst;
    }
}

}  // namespace
