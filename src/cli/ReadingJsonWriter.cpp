#include "cli/ReadingJsonWriter.h"

#include "cli/ShieldFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>
#include <stdexcept>

namespace cli {

namespace {

using geomancy::ShieldPlace;

QJsonValue text(const char* value) {
    return QString::fromUtf8(value);
}

std::string compact(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::string compact(const QJsonArray& array) {
    return QJsonDocument(array).toJson(QJsonDocument::Compact).toStdString();
}

// A JSON string, escaped as QJsonDocument escapes it.
std::string quoted(const char* value) {
    const std::string array = compact(QJsonArray{text(value)}); // ["..."]
    return array.substr(1, array.size() - 2);
}

// The first characters of an object up to the value of its last key:
// {"a":1,"b":  for keys a and b with a placeholder in b.
std::string startOf(const QJsonObject& object, const char* placeholder) {
    const std::string json = compact(object);
    const std::size_t mark = json.find(placeholder);
    if (mark == std::string::npos)
        throw std::logic_error("no placeholder in a JSON template");
    return json.substr(0, mark - 1); // without the placeholder's opening quote
}

void appendNumber(std::string& out, int value) {
    // Houses, casting numbers and line values: 0 to 99.
    if (value >= 10)
        out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}

} // namespace

ReadingJsonWriter::ReadingJsonWriter() {
    const auto& catalogue = geomancy::figureCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const geomancy::CatalogueRow& row = catalogue[i];
        QJsonArray lines;
        for (geomancy::LineValue value : row.pattern.lines)
            lines.append(value);
        // Every column of the catalogue row, the texts exactly as the window shows them.
        QJsonObject figure{{QStringLiteral("name"), text(row.name)}};
        for (const geomancy::CatalogueColumn& column : geomancy::catalogueColumns())
            figure.insert(QLatin1String(column.jsonKey), text(geomancy::columnText(row, column)));
        figureObjects_[i] = compact(figure);
        shieldFigures_[i] = compact(QJsonObject{
            {QStringLiteral("lines"), lines},
            {QStringLiteral("name"), text(row.name)},
            {QStringLiteral("title"), text(row.title)},
        });
        lineArrays_[i] = compact(lines);
    }

    // A placeholder string marks where each reading's own values go.
    const char* slot = "@slot@";
    for (std::size_t k = 0; k < castingStarts_.size(); ++k) {
        const geomancy::CastingStep& step = geomancy::castingSequence()[k];
        castingStarts_[k] =
            startOf(QJsonObject{{QStringLiteral("casting"), text(step.casting)},
                                {QStringLiteral("figure"), QString::fromLatin1(slot)}},
                    slot);
        if (step.chartName)
            planets_.emplace_back(step.chartName, quoted(step.chartName));
    }
    for (std::size_t h = 0; h < houseStarts_.size(); ++h) {
        const QJsonObject house{
            {QStringLiteral("ascendant"), h == 0},
            {QStringLiteral("house"), static_cast<int>(h + 1)},
            {QStringLiteral("planets"), QString::fromLatin1(slot)},
            {QStringLiteral("sign"), text(geomancy::houseSigns()[h])},
        };
        const std::string json = compact(house);
        const std::size_t mark = json.find(slot);
        houseStarts_[h] = json.substr(0, mark - 1) + '[';
        houseEnds_[h] = ']' + json.substr(mark + std::strlen(slot) + 1);
    }
    for (std::size_t p = 0; p < placeNames_.size(); ++p)
        placeNames_[p] = quoted(geomancy::shieldPlaceName(static_cast<ShieldPlace>(p)));
}

const std::string& ReadingJsonWriter::quotedPlanet(const std::string& name) const {
    for (const auto& [planet, json] : planets_) {
        if (planet == name)
            return json;
    }
    throw std::invalid_argument("a house holds an unknown planet");
}

void ReadingJsonWriter::append(const ReadingResult& reading, std::string& out) const {
    out += "{\"castings\":[";
    for (std::size_t k = 0; k < reading.castings.size(); ++k) {
        const CastingResult& casting = reading.castings[k];
        const auto row = static_cast<std::size_t>(casting.catalogueRow);
        if (k > 0)
            out += ',';
        out += castingStarts_[k];
        out += figureObjects_.at(row);
        out += ",\"house\":";
        appendNumber(out, casting.house);
        out += ",\"lines\":";
        out += lineArrays_[static_cast<std::size_t>(catalogueRowOf(casting.figure))];
        out += ",\"number\":";
        appendNumber(out, casting.step->castNumber);
        out += '}';
    }
    out += "],\"houses\":[";
    for (std::size_t h = 0; h < reading.houses.size(); ++h) {
        if (h > 0)
            out += ',';
        out += houseStarts_[h];
        const std::vector<std::string>& planets = reading.houses[h].planets;
        for (std::size_t i = 0; i < planets.size(); ++i) {
            if (i > 0)
                out += ',';
            out += quotedPlanet(planets[i]);
        }
        out += houseEnds_[h];
    }
    out += "],\"lines\":[";
    for (std::size_t i = 0; i < reading.input.size(); ++i) {
        if (i > 0)
            out += ',';
        appendNumber(out, reading.input[i]);
    }
    out += "],\"shield\":";
    appendShield(shieldOf(reading), out);
    out += "}\n";
}

void ReadingJsonWriter::appendShield(const geomancy::ShieldChart& shield, std::string& out) const {
    const auto figure = [&](int place) -> const std::string& {
        return shieldFigures_[static_cast<std::size_t>(
            catalogueRowOf(shield[static_cast<ShieldPlace>(place)]))];
    };
    const auto figures = [&](int first) {
        out += '[';
        for (int place = first; place < first + 4; ++place) {
            if (place > first)
                out += ',';
            out += figure(place);
        }
        out += ']';
    };
    const auto place = [](ShieldPlace p) { return static_cast<int>(p); };

    out += "{\"daughters\":";
    figures(place(ShieldPlace::Daughter1));
    out += ",\"index\":";
    appendNumber(out, shield.index);
    out += ",\"judge\":";
    out += figure(place(ShieldPlace::Judge));
    out += ",\"leftWitness\":";
    out += figure(place(ShieldPlace::LeftWitness));
    out += ",\"mothers\":";
    figures(place(ShieldPlace::Mother1));
    out += ",\"nieces\":";
    figures(place(ShieldPlace::Niece1));
    out += ",\"reconciler\":";
    out += figure(place(ShieldPlace::Reconciler));
    out += ",\"rightWitness\":";
    out += figure(place(ShieldPlace::RightWitness));
    out += ",\"viaPuncti\":[";
    for (int i = 0; i < shield.viaPunctiLength; ++i) {
        if (i > 0)
            out += ',';
        out += placeNames_[static_cast<std::size_t>(shield.viaPuncti[static_cast<std::size_t>(i)])];
    }
    out += "]}";
}

} // namespace cli
