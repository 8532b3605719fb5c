#include "geomancy/FigureCatalogue.h"

namespace geomancy {

namespace {

constexpr GeomanticFigure F(LineValue head, LineValue second, LineValue third, LineValue foot) {
    return GeomanticFigure{{head, second, third, foot}};
}

// clang-format off
const std::array<CatalogueRow, FigureCount> Catalogue{{
    {F(1, 1, 1, 1), "VIA", "Via - The Way", "Change", "Monday", "Water", "Mobile", "Moon", "Cancer",
     "Stomach", "South",
     "This figure signifies some kind of action and forward motion. You may also face loneliness. "
     "This is only favorable for travel."},
    {F(2, 2, 2, 2), "POPULUS", "Populus  The People", "Stability", "Monday", "Water", "Stable", "Moon",
     "Cancer", "Breasts and Midriffs", "South",
     "This figure stands for a lot of happiness, joy, meetings, gatherings, people, family and "
     "abundance."},
    {F(2, 1, 1, 2), "CONJUNCTIO", "Conjunctio - Union", "Interaction", "Wednesday", "Earth", "Mobile",
     "Mercury", "Virgo", "Intestines", "East",
     "There may be some heavy weight of problems on your head. You will be protected from enemies "
     "and thieves. You will be successful in relationships, partnerships or new ventures."},
    {F(1, 2, 2, 1), "CARCER", "Carcer - Prison", "Isolation", "Saturday", "Earth", "Stable", "Saturn",
     "Capricorn", "Lower Legs and Knees", "West",
     "This signifies a comfortable house and food to eat. You will be protected from vagabonds. It "
     "is only favorable for confinements. Some deals may revert back."},
    {F(2, 2, 1, 1), "FORTUNA MAJOR", "Fortuna Major - Greater Fortune", "Power", "Sunday", "Fire",
     "Stable", "Sun", "Leo", "Chest and Heart", "East",
     "This is a very sacred figure and symbolizes fire. This is a sign of happiness, prosperity, "
     "good luck, material wealth, love, honor and respect."},
    {F(1, 1, 2, 2), "FORTUNA MINOR", "Fortuna Minor - The Lesser Fortune", "Speed", "Sunday", "Air",
     "Mobile", "Sun", "Leo", "Spine", "South",
     "This stands for chiefs and elderly people of the clan. This also represents anger, pride, "
     "domination and food. You may have to put in a lot of work but you will have a fast outcome. "
     "There is some instability in your dealings."},
    {F(2, 1, 2, 1), "ACQUISITIO", "Acquisitio - Gain", "Prosperity", "Thursday", "Fire", "Stable",
     "Jupiter", "Sagittarius", "Thighs", "West",
     "You may receive money. But there may be some problems too. Legal issues will be solved. You "
     "will have a lot of material gains, power, promotions and benefits."},
    {F(1, 2, 1, 2), "AMISSIO", "Amissio - Loss", "Misfortune", "Wednesday", "Earth", "Mobile", "Venus",
     "Taurus", "Neck", "North",
     "There may be some conflicts for land and children. You will face losses in the form of love "
     "or money. Success will be elusive. You will be successful only if you wish to lose "
     "something."},
    {F(1, 2, 2, 2), "LAETITIA", "Laetitia - Joy", "Happiness", "Thursday", "Water", "Mobile",
     "Jupiter", "Pisces", "Feet", "South",
     "This is the sign of a king. This is good for auspicious occasions like marriage. This "
     "indicates presence of women. There will be success and happiness in whatever task is taken "
     "up. You will have peace of mind, harmony, good luck and prosperity."},
    {F(2, 2, 2, 1), "TRISTITIA", "Tristitia - Sadness", "Lonliness", "Saturday", "Air", "Stable",
     "Saturn", "Aquarius", "Ankles", "North",
     "There may be a few tears because of your stubborn attitude. Health will improve. You may face "
     "some loss and humiliation. There may be some unexpected misfortune."},
    {F(2, 2, 1, 2), "ALBUS", "Albus - White", "Peace", "Friday", "Air", "Stable", "Mercury", "Gemini",
     "Lungs", "East",
     "This is a good time for starting something new. You will need to have a lot of patience. You "
     "may be spiritually inclined."},
    {F(2, 1, 2, 2), "RUBEUS", "Rubeus - Red", "Passion", "Tuesday", "Water", "Mobile ", "Mars",
     "Scorpio", "Reproductivity System", "North",
     "There may be a lot of passion and violence involved. Hear what your inner voice has to tell "
     "you. Find the good in the bad."},
    {F(1, 2, 1, 1), "PUELLA", "Puella - Girl", "Peace", "Friday", "Air", "Stable", "Venus", "Libra",
     "Kidneys", "West",
     "This will bring good fortune in riches, love, land and happiness. This is a pure and "
     "harmonious sign. Good for relationships and healing but bad for decision making."},
    {F(1, 1, 2, 1), "PUER", "Puer - Boy", "Worries", "Tuesday", "Fire", "Mobile", "Mars", "Aries",
     "Head", "West",
     "This is a sign of misfortune and robberies. You will have a lot of impulsive energy. You may "
     "be brash in your conduct. You need to control and channelize your energy."},
    {F(2, 1, 1, 1), "CAPUT DRACONIS", "Caput Draconis - Dragon's Head", "Beginning", "Thursday",
     "Earth", "Stable", "North Node of Moon", "None", "Right Arm", "West",
     "This is the time for new beginnings and initiatives. You may be faced by good and evil "
     "thoughts. There may be arguments, fights and trials."},
    {F(1, 1, 1, 2), "CAUDA DRACONIS", "Cauda Draconis - Dragon's Tail", "End", "Saturday", "Fire",
     "Mobile", "South Node of Moon", "None", "Left Arm", "North",
     "You will get to hear some cold words. This is the end of the road. A good time to finish all "
     "bad things and start afresh."},
}};
// clang-format on

} // namespace

const std::array<CatalogueRow, FigureCount>& figureCatalogue() {
    return Catalogue;
}

const std::array<CatalogueColumn, ShownColumnCount>& catalogueColumns() {
    static const std::array<CatalogueColumn, ShownColumnCount> Columns{{
        {&CatalogueRow::title, "Geomantic Figure Name", "Title", "title"},
        {&CatalogueRow::keyword, "Keyword", "Keyword", "keyword"},
        {&CatalogueRow::day, "Associated Day", "Day", "day"},
        {&CatalogueRow::element, "Associated Element", "Element", "element"},
        {&CatalogueRow::quality, "Associated Quality", "Quality", "quality"},
        {&CatalogueRow::planet, "Associated Planet", "Planet", "planet"},
        {&CatalogueRow::sign, "Associated Sign", "Sign", "sign"},
        {&CatalogueRow::bodyPart, "Associated Body Part", "Body part", "bodyPart"},
        {&CatalogueRow::direction, "Direction", "Direction", "direction"},
        {&CatalogueRow::significance, "Significance", "Significance", "significance"},
    }};
    return Columns;
}

std::optional<int> identifyFigure(const GeomanticFigure& figure) {
    // The patterns hold only 1s and 2s, so any other value matches none.
    std::optional<int> match;
    for (int row = 0; row < FigureCount; ++row) {
        if (figure == Catalogue[static_cast<std::size_t>(row)].pattern)
            match = row;
    }
    return match;
}

std::optional<int> findCatalogueRow(const std::string& name) {
    for (int row = 0; row < FigureCount; ++row) {
        if (name == Catalogue[static_cast<std::size_t>(row)].name)
            return row;
    }
    return std::nullopt;
}

} // namespace geomancy
