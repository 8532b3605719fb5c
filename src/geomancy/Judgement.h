#pragma once

#include "geomancy/GeomanticFigure.h"
#include "geomancy/HouseChart.h"

#include <array>
#include <vector>

namespace geomancy {

// What a house chart says of a question: house 1 is the querent, the
// quesited house H (2 to 12) the matter asked about; F(h) is the figure in
// house h.
enum class IndicationKind {
    Occupation,  // F(1) = F(H)
    Conjunction, // a significator stands again next to the other's house
    Mutation,    // the two significators stand again in two neighbouring houses
    Translation, // a third figure stands next to both houses
    Sextile,
    Square,
    Trine,
    Opposition,
    Impedition, // nothing perfects and no trine or sextile helps
};

enum class AspectDirection { None, Sinister, Dexter };

// "occupation", ..., "impedition"; "none", "sinister", "dexter".
const char* indicationKindName(IndicationKind kind);
const char* aspectDirectionName(AspectDirection direction);

// The weight of one indication of the kind.
int weightOf(IndicationKind kind);

// One indication with the houses and figures it is read from:
// - occupation: houses 1 and H, the figure;
// - conjunction: the significator's own house (1 or H) and the house next to
//   the other one where its figure stands again;
// - mutation: the houses a (holding F(1)) and b (holding F(H)), next to each
//   other; figures F(1) and F(H);
// - translation: the house next to 1 and the house next to H holding the
//   translating figure;
// - an aspect: the house h holding a significator's figure and the house it
//   aspects (H for F(1), 1 for F(H)), with the direction;
// - impedition: houses 1 and H, no figure.
// A mode of perfection weighs once however many times the chart shows it:
// its later instances are listed with weight 0. Aspects weigh one by one.
struct Indication {
    IndicationKind kind = IndicationKind::Occupation;
    std::vector<int> houses;
    std::vector<GeomanticFigure> figures;
    AspectDirection direction = AspectDirection::None;
    int weight = 0;
};

// The kinds of company of two figures in one pair of houses, in the order
// that names the company.
enum class CompanyKind {
    Simple,     // the same figure
    DemiSimple, // the same planet (the Dragon's Head with Jupiter and Venus, its Tail with
                // Saturn and Mars)
    Compound,   // one of the eight pairs: Puer/Puella, Amissio/Acquisitio, ...
    Capitular,  // the same head line
};

const char* companyKindName(CompanyKind kind); // "simple", "demi-simple", ...

struct Company {
    std::array<int, 2> houses{};    // (1, 2), (3, 4), ... (11, 12)
    std::vector<CompanyKind> kinds; // every kind that applies; empty for none
};

// The companies of two figures: every kind that applies, in naming order.
std::vector<CompanyKind> companyOf(const GeomanticFigure& first, const GeomanticFigure& second);

enum class Verdict { Favourable, Unfavourable, Undecided };
const char* verdictName(Verdict verdict); // "favourable", "unfavourable", "undecided"

struct Judgement {
    int quesited = 0;
    std::vector<Indication> indications;  // perfection, then aspects, then impedition
    std::vector<Company> companies;       // the pair of house 1, then the pair of H if another
    int total = 0;                        // the sum of the weights
    Verdict verdict = Verdict::Undecided; // by the sign of the total
};

constexpr int Querent = 1;

// Judges house `quesited` (2 to 12) against house 1; throws
// std::out_of_range for another house.
Judgement judgeQuestion(const HouseChart& chart, int quesited);

} // namespace geomancy
