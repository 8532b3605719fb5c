#include "geomancy/Judgement.h"

#include "geomancy/FigureCatalogue.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace geomancy {

namespace {

struct KindRow {
    const char* name;
    int weight;
};

// In the order of IndicationKind.
const std::array<KindRow, 9> Kinds{{
    {"occupation", 5},
    {"conjunction", 4},
    {"mutation", 4},
    {"translation", 4},
    {"sextile", 3},
    {"square", -3},
    {"trine", 3},
    {"opposition", -4},
    {"impedition", -5},
}};

const std::array<const char*, 3> DirectionNames{"none", "sinister", "dexter"};
const std::array<const char*, 4> CompanyNames{"simple", "demi-simple", "compound", "capitular"};
const std::array<const char*, 3> VerdictNames{"favourable", "unfavourable", "undecided"};

// The figures of compound company, by their catalogue names.
const std::array<std::array<const char*, 2>, 8> CompoundPairs{{
    {"PUER", "PUELLA"},
    {"AMISSIO", "ACQUISITIO"},
    {"ALBUS", "RUBEUS"},
    {"POPULUS", "VIA"},
    {"FORTUNA MAJOR", "FORTUNA MINOR"},
    {"CONJUNCTIO", "CARCER"},
    {"TRISTITIA", "LAETITIA"},
    {"CAPUT DRACONIS", "CAUDA DRACONIS"},
}};

const CatalogueRow& rowOf(const GeomanticFigure& figure) {
    return figureCatalogue()[static_cast<std::size_t>(identifyFigure(figure).value())];
}

// The planets a figure counts with in demi-simple company: its own, or for
// the Dragon's Head and Tail those of the benefics and of the malefics.
std::vector<std::string> planetsOf(const GeomanticFigure& figure) {
    const std::string planet = rowOf(figure).planet;
    if (planet == "North Node of Moon")
        return {"Jupiter", "Venus"};
    if (planet == "South Node of Moon")
        return {"Saturn", "Mars"};
    return {planet};
}

bool samePlanet(const GeomanticFigure& first, const GeomanticFigure& second) {
    for (const std::string& planet : planetsOf(first)) {
        for (const std::string& other : planetsOf(second)) {
            if (planet == other)
                return true;
        }
    }
    return false;
}

bool compound(const GeomanticFigure& first, const GeomanticFigure& second) {
    const char* a = rowOf(first).name;
    const char* b = rowOf(second).name;
    for (const auto& pair : CompoundPairs) {
        if ((std::strcmp(a, pair[0]) == 0 && std::strcmp(b, pair[1]) == 0) ||
            (std::strcmp(a, pair[1]) == 0 && std::strcmp(b, pair[0]) == 0))
            return true;
    }
    return false;
}

// (to - from) mod 12, 0 to 11: how many houses on `to` lies from `from`.
int distance(int from, int to) {
    return ((to - from) % HouseCount + HouseCount) % HouseCount;
}

// The aspect that house `from` casts on house `to`, if any.
bool aspectOf(int from, int to, IndicationKind& kind, AspectDirection& direction) {
    const int d = distance(from, to);
    switch (d) {
    case 2:
    case 10:
        kind = IndicationKind::Sextile;
        break;
    case 3:
    case 9:
        kind = IndicationKind::Square;
        break;
    case 4:
    case 8:
        kind = IndicationKind::Trine;
        break;
    case 6:
        kind = IndicationKind::Opposition;
        break;
    default:
        return false;
    }
    direction = d < 6 ? AspectDirection::Sinister
                      : (d > 6 ? AspectDirection::Dexter : AspectDirection::None);
    return true;
}

class Judge {
public:
    Judge(const HouseChart& chart, int quesited) : chart_(chart), h_(quesited) {}

    Judgement judge() {
        const GeomanticFigure& querent = chart_(Querent);
        const GeomanticFigure& quesited = chart_(h_);
        if (querent == quesited)
            add(IndicationKind::Occupation, {Querent, h_}, {querent});
        conjunctions(Querent, h_);
        conjunctions(h_, Querent);
        mutations();
        translations();
        aspects(Querent, h_);
        aspects(h_, Querent);

        bool perfects = false;
        bool helped = false;
        for (const Indication& indication : result_.indications) {
            perfects = perfects || indication.kind <= IndicationKind::Translation;
            helped = helped || indication.kind == IndicationKind::Trine ||
                     indication.kind == IndicationKind::Sextile;
        }
        if (!perfects && !helped)
            add(IndicationKind::Impedition, {Querent, h_}, {});

        result_.quesited = h_;
        for (const Indication& indication : result_.indications)
            result_.total += indication.weight;
        result_.verdict = result_.total > 0   ? Verdict::Favourable
                          : result_.total < 0 ? Verdict::Unfavourable
                                              : Verdict::Undecided;
        companies();
        return result_;
    }

private:
    void add(IndicationKind kind, std::vector<int> houses, std::vector<GeomanticFigure> figures,
             AspectDirection direction = AspectDirection::None) {
        Indication indication;
        indication.kind = kind;
        indication.houses = std::move(houses);
        indication.figures = std::move(figures);
        indication.direction = direction;
        bool seen = false;
        for (const Indication& earlier : result_.indications)
            seen = seen || earlier.kind == kind;
        const bool aspect = kind >= IndicationKind::Sextile && kind <= IndicationKind::Opposition;
        indication.weight = aspect || !seen ? weightOf(kind) : 0;
        result_.indications.push_back(std::move(indication));
    }

    // The figure of `own` standing again in a house next to `other`, other
    // than `own` itself.
    void conjunctions(int own, int other) {
        for (int house = 1; house <= HouseCount; ++house) {
            if (house != own && nextTo(house, other) && chart_(house) == chart_(own))
                add(IndicationKind::Conjunction, {own, house}, {chart_(own)});
        }
    }

    void mutations() {
        for (int a = 1; a <= HouseCount; ++a) {
            for (int b = 1; b <= HouseCount; ++b) {
                if (significator(a) || significator(b) || !nextTo(a, b))
                    continue;
                if (chart_(a) == chart_(Querent) && chart_(b) == chart_(h_))
                    add(IndicationKind::Mutation, {a, b}, {chart_(a), chart_(b)});
            }
        }
    }

    void translations() {
        for (int a = 1; a <= HouseCount; ++a) {
            for (int b = 1; b <= HouseCount; ++b) {
                if (a == b || a == h_ || b == Querent || !nextTo(a, Querent) || !nextTo(b, h_))
                    continue;
                const GeomanticFigure& figure = chart_(a);
                if (figure == chart_(b) && figure != chart_(Querent) && figure != chart_(h_))
                    add(IndicationKind::Translation, {a, b}, {figure});
            }
        }
    }

    // Every other house holding the figure of `own` that aspects `target`.
    void aspects(int own, int target) {
        for (int house = 1; house <= HouseCount; ++house) {
            IndicationKind kind{};
            AspectDirection direction{};
            if (!significator(house) && chart_(house) == chart_(own) &&
                aspectOf(house, target, kind, direction))
                add(kind, {house, target}, {chart_(house)}, direction);
        }
    }

    void companies() {
        const auto pairOf = [](int house) { return house % 2 == 1 ? house : house - 1; };
        for (int first : {pairOf(Querent), pairOf(h_)}) {
            if (!result_.companies.empty() && result_.companies.front().houses[0] == first)
                continue;
            Company company;
            company.houses = {first, first + 1};
            company.kinds = companyOf(chart_(first), chart_(first + 1));
            result_.companies.push_back(std::move(company));
        }
    }

    bool significator(int house) const { return house == Querent || house == h_; }

    const HouseChart& chart_;
    const int h_;
    Judgement result_;
};

} // namespace

const char* indicationKindName(IndicationKind kind) {
    return Kinds[static_cast<std::size_t>(kind)].name;
}

const char* aspectDirectionName(AspectDirection direction) {
    return DirectionNames[static_cast<std::size_t>(direction)];
}

int weightOf(IndicationKind kind) {
    return Kinds[static_cast<std::size_t>(kind)].weight;
}

const char* companyKindName(CompanyKind kind) {
    return CompanyNames[static_cast<std::size_t>(kind)];
}

const char* verdictName(Verdict verdict) {
    return VerdictNames[static_cast<std::size_t>(verdict)];
}

std::vector<CompanyKind> companyOf(const GeomanticFigure& first, const GeomanticFigure& second) {
    std::vector<CompanyKind> kinds;
    if (first == second)
        kinds.push_back(CompanyKind::Simple);
    if (samePlanet(first, second))
        kinds.push_back(CompanyKind::DemiSimple);
    if (compound(first, second))
        kinds.push_back(CompanyKind::Compound);
    if (first.lines[0] == second.lines[0])
        kinds.push_back(CompanyKind::Capitular);
    return kinds;
}

Judgement judgeQuestion(const HouseChart& chart, int quesited) {
    if (quesited < 2 || quesited > HouseCount)
        throw std::out_of_range("the quesited house is 2 to 12");
    return Judge(chart, quesited).judge();
}

} // namespace geomancy
