// Drawing a typed function over the x range and over its domain, recorded
// as pen moves in world coordinates.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/FakeFlade.h"
#include "core/PlotvikTyper.h"
#include "graphs/FunktionsTegning.h"

namespace plotvik {
namespace {

using test::FakeFlade;

struct Skridt {
    char op;  // 'M' move, 'L' line
    double x, y;
};

struct PenLog : TVerdensPen {
    std::vector<Skridt> log;
    void FlytTilW(double x, double y) override { log.push_back({'M', x, y}); }
    void LinjeTilW(double x, double y) override { log.push_back({'L', x, y}); }
    int Antal(char op) const {
        int n = 0;
        for (auto& s : log) n += s.op == op;
        return n;
    }
};

void ForventSkridt(const std::vector<Skridt>& faktisk, const std::vector<Skridt>& forventet) {
    ASSERT_EQ(faktisk.size(), forventet.size());
    for (size_t i = 0; i < faktisk.size(); ++i) {
        EXPECT_EQ(faktisk[i].op, forventet[i].op) << i;
        EXPECT_NEAR(faktisk[i].x, forventet[i].x, 1e-12) << i;
        EXPECT_NEAR(faktisk[i].y, forventet[i].y, 1e-12) << i;
    }
}

TEST(TestFunktionsTegning, IntervalIsDrawnInEqualSteps) {
    struct Raekke {
        const char* navn;
        const char* f;
        int N;
        double a, b;
        std::vector<Skridt> forventet;
    };
    const std::vector<Raekke> raekker = {
        {"x^2 in four steps", "x^2", 4, 0, 2,
         {{'M', 0, 0}, {'L', 0.5, 0.25}, {'L', 1, 1}, {'L', 1.5, 2.25}, {'L', 2, 4}}},
        {"limits exchanged", "x", 2, 1, 0, {{'M', 0, 0}, {'L', 0.5, 0.5}, {'L', 1, 1}}},
        {"no steps: only the first point", "x+1", 0, 3, 5, {{'M', 3, 4}}},
        {"-x^2 is -(x^2)", "-x^2", 1, 1, 2, {{'M', 1, -1}, {'L', 2, -4}}},
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.navn);
        FakeFlade flade;
        PenLog pen;
        TegnFunktionInterval(pen, r.f, r.N, r.a, r.b);
        ForventSkridt(pen.log, r.forventet);
        EXPECT_FALSE(Fejl);
        EXPECT_TRUE(flade.Vist.empty());
    }
}

TEST(TestFunktionsTegning, AnEvaluationErrorEndsTheIntervalAndClearsTheFlag) {
    {
        // The first point fails: nothing is drawn.
        FakeFlade flade;
        PenLog pen;
        TegnFunktionInterval(pen, "1/x", 4, 0, 2);
        EXPECT_TRUE(pen.log.empty());
        EXPECT_FALSE(Fejl);
        EXPECT_EQ(flade.Vist.size(), 1u);
    }
    {
        // sqrt(1-x) fails at x = 1.5; the failing point is not joined.
        FakeFlade flade;
        PenLog pen;
        TegnFunktionInterval(pen, "sqrt(1-x)", 4, 0, 2);
        ForventSkridt(pen.log, {{'M', 0, 1}, {'L', 0.5, std::sqrt(0.5)}, {'L', 1, 0}});
        EXPECT_FALSE(Fejl);
        EXPECT_EQ(flade.Vist.size(), 1u);
    }
}

TEST(TestFunktionsTegning, WholeRangeDomainTexts) {
    struct Raekke { const char* dm; bool hele; };
    const Raekke raekker[] = {{"R", true}, {"r", true}, {"", true}, {" R ", true},
                              {"x>0", false}, {"RR", false}, {"0<x<10", false}};
    for (const auto& r : raekker) EXPECT_EQ(HeleXAksen(r.dm), r.hele) << r.dm;
}

TEST(TestFunktionsTegning, DomainIntervalsShareTheSteps) {
    // Range -10..10, eps = 2e-5, 200 steps.
    const double eps = 2e-5;
    struct Raekke {
        const char* dm;
        std::vector<int> skridt;           // lines per interval
        std::vector<double> start, slut;   // x of each interval's first and last point
    };
    const std::vector<Raekke> raekker = {
        {"0<x<5", {50}, {eps}, {5 - eps}},
        {"x<>5", {150, 50}, {-10}, {5 - eps}},
        {"x<-1 or x>1", {90, 90}, {-10}, {-1 - eps}},
        {"x>=2", {80}, {2}, {10}},
        {"0<x<0.01", {0}, {eps}, {eps}},  // rounds to no step: the pen only moves
    };
    for (const auto& r : raekker) {
        SCOPED_TRACE(r.dm);
        FakeFlade flade;
        PenLog pen;
        TegnFunktionDm(pen, "x", r.dm, 200, -10, 10);
        EXPECT_EQ(pen.Antal('M'), static_cast<int>(r.skridt.size()));
        int sum = 0;
        for (int s : r.skridt) sum += s;
        EXPECT_EQ(pen.Antal('L'), sum);
        ASSERT_FALSE(pen.log.empty());
        EXPECT_NEAR(pen.log.front().x, r.start[0], 1e-9);
        // the end of the first interval
        EXPECT_NEAR(pen.log[r.skridt[0]].x, r.slut[0], 1e-9);
        EXPECT_FALSE(Fejl);
        EXPECT_TRUE(flade.Vist.empty());
    }
}

TEST(TestFunktionsTegning, ErrorsInOneIntervalLeaveTheOthersDrawn) {
    // 1/x over x<0 or x>0: both halves are drawn although x = 0 is never sampled anyway;
    // sqrt(x) over x<-1 or x>1: the left interval fails at once, the right one is drawn.
    FakeFlade flade;
    PenLog pen;
    TegnFunktionDm(pen, "sqrt(x)", "x<-1 or x>1", 200, -10, 10);
    EXPECT_EQ(pen.Antal('M'), 1);
    EXPECT_EQ(pen.Antal('L'), 90);
    EXPECT_NEAR(pen.log.back().x, 10, 1e-12);
    EXPECT_NEAR(pen.log.back().y, std::sqrt(10.0), 1e-12);
    EXPECT_FALSE(Fejl);
}

}  // namespace
}  // namespace plotvik
