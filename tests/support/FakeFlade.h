// A scripted user for tests: records every text the engine shows and answers
// from queues (an empty queue answers with the first button).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/Brugerflade.h"

namespace plotvik::test {

enum class Boks { FejlMedIgnorer, Fejl, Information, OkAnnuller, JaNej, AabnFil, GemFil };

struct Visning {
    Boks Art;
    std::string Tekst;  // for the file dialogs: filter, '|', initial name
};

class FakeFlade : public Brugerflade {
public:
    std::vector<Visning> Vist;
    std::deque<bool> Svar;  // answers to FejlMedIgnorer (true = Ignore), OkEllerAnnuller, JaEllerNej
    std::deque<std::optional<std::string>> FilSvar;  // answers to the file dialogs
    int Bip_ = 0;
    int Haendelser = 0;
    int TimeglasTil = 0;
    bool TimeglasVist = false;

    FakeFlade() { SaetFlade(this); }
    ~FakeFlade() override { SaetFlade(nullptr); }

    bool FejlMedIgnorer(const std::string& t) override { return svar(Boks::FejlMedIgnorer, t, false); }
    void Fejlboks(const std::string& t) override { Vist.push_back({Boks::Fejl, t}); }
    void Informationsboks(const std::string& t) override { Vist.push_back({Boks::Information, t}); }
    bool OkEllerAnnuller(const std::string& t) override { return svar(Boks::OkAnnuller, t, true); }
    bool JaEllerNej(const std::string& t) override { return svar(Boks::JaNej, t, true); }
    void Bip() override { ++Bip_; }
    std::optional<std::string> AabnFilDialog(const std::string& f, const std::string& n) override {
        return fil(Boks::AabnFil, f, n);
    }
    std::optional<std::string> GemFilDialog(const std::string& f, const std::string& n) override {
        return fil(Boks::GemFil, f, n);
    }
    void LadHaendelserKoere() override { ++Haendelser; }
    void Timeglas(bool til) override {
        TimeglasVist = TimeglasVist || til;
        TimeglasTil += til ? 1 : -1;
    }

    // The texts shown, in order.
    std::vector<std::string> Tekster() const {
        std::vector<std::string> t;
        for (const auto& v : Vist) t.push_back(v.Tekst);
        return t;
    }
    std::string Sidste() const { return Vist.empty() ? std::string() : Vist.back().Tekst; }

private:
    bool svar(Boks art, const std::string& t, bool standard) {
        Vist.push_back({art, t});
        if (Svar.empty()) return standard;
        bool s = Svar.front();
        Svar.pop_front();
        return s;
    }
    std::optional<std::string> fil(Boks art, const std::string& f, const std::string& n) {
        Vist.push_back({art, f + "|" + n});
        if (FilSvar.empty()) return n;
        auto s = FilSvar.front();
        FilSvar.pop_front();
        return s;
    }
};

}  // namespace plotvik::test
