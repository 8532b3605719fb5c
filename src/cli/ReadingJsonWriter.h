#pragma once

#include "cli/CastReading.h"

#include "geomancy/FigureCatalogue.h"
#include "geomancy/HouseChart.h"
#include "geomancy/ShieldChart.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace cli {

// Writes readings as compact JSON, one object per line, keys in alphabetical
// order. Everything that does not change from reading to reading (each
// figure's catalogue row, each casting's and house's fixed keys) is turned
// into JSON once, when the writer is made, so that a reading costs little
// more than copying those pieces: a million readings stay affordable.
class ReadingJsonWriter {
public:
    ReadingJsonWriter();

    // Appends the reading and a newline to `out`.
    void append(const ReadingResult& reading, std::string& out) const;

private:
    // The catalogue row of each place of the shield.
    using ShieldRows = std::array<std::size_t, geomancy::ShieldPlaceCount>;

    void appendShield(const geomancy::ShieldChart& shield, const ShieldRows& rows,
                      const ReadingMethods& methods, std::string& out) const;
    void appendHouseChart(const ShieldRows& rows, geomancy::HouseScheme scheme,
                          std::string& out) const;
    void appendJudgement(const geomancy::ShieldChart& shield, const ReadingMethods& methods,
                         std::string& out) const;
    void appendPath(const std::vector<geomancy::ShieldPlace>& path, std::string& out) const;
    const std::string& shieldFigure(const ShieldRows& rows, geomancy::ShieldPlace place) const;
    const std::string& quotedPlanet(const std::string& name) const;

    std::array<std::string, geomancy::FigureCount> figureObjects_; // catalogue rows
    std::array<std::string, geomancy::FigureCount> shieldFigures_; // lines, name, title
    std::array<std::string, geomancy::CastingCount> castingStarts_;
    std::array<std::string, geomancy::HouseCount> houseStarts_;
    std::array<std::string, geomancy::HouseCount> houseEnds_;
    std::array<std::string, geomancy::ShieldPlaceCount> placeNames_;
    std::array<std::string, geomancy::FigureCount> figureNames_; // quoted
    // Each house of each scheme after its figure: ,"house":n,"place":"..."}
    std::array<std::array<std::string, geomancy::HouseCount>, geomancy::HouseSchemeCount>
        houseChartEnds_;
    std::vector<std::pair<std::string, std::string>> planets_; // name, quoted
};

} // namespace cli
