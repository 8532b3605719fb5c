#include "cli/ReadingJsonWriter.h"

#include "cli/ShieldFormat.h"

#include "geomancy/Judgement.h"

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

// Weights and totals, which may be negative.
void appendInteger(std::string& out, int value) {
    out += std::to_string(value);
}

void appendName(std::string& out, const char* name) {
    out += quoted(name);
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
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        figureNames_[i] = quoted(catalogue[i].name);
    for (int s = 0; s < geomancy::HouseSchemeCount; ++s) {
        const auto scheme = static_cast<geomancy::HouseScheme>(s);
        for (int h = 1; h <= geomancy::HouseCount; ++h) {
            const std::string json = compact(QJsonObject{
                {QStringLiteral("figure"), 0},
                {QStringLiteral("house"), h},
                {QStringLiteral("place"),
                 text(geomancy::shieldPlaceName(geomancy::placeInHouse(scheme, h)))},
            });
            // {"figure":0,"house":...}  without the opening part and its 0
            houseChartEnds_[static_cast<std::size_t>(s)][static_cast<std::size_t>(h - 1)] =
                json.substr(std::strlen("{\"figure\":0"));
        }
    }
}

const std::string& ReadingJsonWriter::shieldFigure(const ShieldRows& rows,
                                                   ShieldPlace place) const {
    return shieldFigures_[rows[geomancy::slotOf(place)]];
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
        out += ",\"lines\":[";
        for (std::size_t j = 0; j < casting.figure.lines.size(); ++j) {
            if (j > 0)
                out += ',';
            appendNumber(out, casting.figure.lines[j]);
        }
        out += ']';
        out += ",\"number\":";
        appendNumber(out, casting.step->castNumber);
        out += '}';
    }
    // Each figure of the shield is identified once, for the shield and the
    // house chart alike.
    const geomancy::ShieldChart shield = shieldOf(reading);
    ShieldRows rows{};
    for (std::size_t place = 0; place < rows.size(); ++place)
        rows[place] =
            static_cast<std::size_t>(geomancy::identifyFigure(shield.figures[place]).value());
    out += "],\"houseChart\":";
    appendHouseChart(rows, reading.methods.scheme, out);
    out += ",\"houses\":[";
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
    out += ']';
    if (reading.methods.quesited) {
        out += ",\"judgement\":";
        appendJudgement(shield, reading.methods, out);
    }
    out += ",\"lines\":[";
    for (std::size_t i = 0; i < reading.input.size(); ++i) {
        if (i > 0)
            out += ',';
        appendNumber(out, reading.input[i]);
    }
    out += "],\"shield\":";
    appendShield(shield, rows, reading.methods, out);
    out += "}\n";
}

void ReadingJsonWriter::appendShield(const geomancy::ShieldChart& shield, const ShieldRows& rows,
                                     const ReadingMethods& methods, std::string& out) const {
    const auto figure = [&](int place) -> const std::string& {
        return shieldFigure(rows, static_cast<ShieldPlace>(place));
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
    appendNumber(out, geomancy::indexHouse(shield, methods.index));
    out += ",\"indexMethod\":";
    appendName(out, geomancy::indexMethodName(methods.index));
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
    out += ",\"viaPuncti\":";
    const auto single = geomancy::viaPunctiPaths(shield, geomancy::ViaPunctiMethod::Single);
    appendPath(single.empty() ? std::vector<ShieldPlace>{} : single.front(), out);
    out += ",\"viaPunctiMethod\":";
    appendName(out, geomancy::viaPunctiMethodName(methods.viaPuncti));
    out += ",\"viaPunctiPaths\":[";
    const auto paths = methods.viaPuncti == geomancy::ViaPunctiMethod::Single
                           ? single
                           : geomancy::viaPunctiPaths(shield, methods.viaPuncti);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i > 0)
            out += ',';
        appendPath(paths[i], out);
    }
    out += "]}";
}

void ReadingJsonWriter::appendPath(const std::vector<ShieldPlace>& path, std::string& out) const {
    out += '[';
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i > 0)
            out += ',';
        out += placeNames_[geomancy::slotOf(path[i])];
    }
    out += ']';
}

void ReadingJsonWriter::appendHouseChart(const ShieldRows& rows, geomancy::HouseScheme scheme,
                                         std::string& out) const {
    const auto& ends = houseChartEnds_[static_cast<std::size_t>(scheme)];
    out += "{\"houses\":[";
    for (std::size_t h = 0; h < ends.size(); ++h) {
        if (h > 0)
            out += ',';
        out += "{\"figure\":";
        out += shieldFigure(rows, geomancy::placeInHouse(scheme, static_cast<int>(h + 1)));
        out += ends[h];
    }
    out += "],\"scheme\":";
    appendName(out, geomancy::houseSchemeName(scheme));
    out += '}';
}

void ReadingJsonWriter::appendJudgement(const geomancy::ShieldChart& shield,
                                        const ReadingMethods& methods, std::string& out) const {
    const geomancy::Judgement judgement =
        geomancy::judgeQuestion(geomancy::setInHouses(shield, methods.scheme), *methods.quesited);
    const auto houses = [&](const auto& numbers) {
        out += '[';
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            if (i > 0)
                out += ',';
            appendNumber(out, numbers[i]);
        }
        out += ']';
    };
    out += "{\"companies\":[";
    for (std::size_t c = 0; c < judgement.companies.size(); ++c) {
        const geomancy::Company& company = judgement.companies[c];
        if (c > 0)
            out += ',';
        out += "{\"houses\":";
        houses(company.houses);
        out += ",\"kinds\":[";
        for (std::size_t k = 0; k < company.kinds.size(); ++k) {
            if (k > 0)
                out += ',';
            appendName(out, geomancy::companyKindName(company.kinds[k]));
        }
        out += "],\"name\":";
        appendName(out, company.kinds.empty() ? "none"
                                              : geomancy::companyKindName(company.kinds.front()));
        out += '}';
    }
    out += "],\"indications\":[";
    for (std::size_t i = 0; i < judgement.indications.size(); ++i) {
        const geomancy::Indication& indication = judgement.indications[i];
        if (i > 0)
            out += ',';
        out += "{\"direction\":";
        appendName(out, geomancy::aspectDirectionName(indication.direction));
        out += ",\"figures\":[";
        for (std::size_t f = 0; f < indication.figures.size(); ++f) {
            if (f > 0)
                out += ',';
            out += figureNames_[static_cast<std::size_t>(
                geomancy::identifyFigure(indication.figures[f]).value())];
        }
        out += "],\"houses\":";
        houses(indication.houses);
        out += ",\"kind\":";
        appendName(out, geomancy::indicationKindName(indication.kind));
        out += ",\"weight\":";
        appendInteger(out, indication.weight);
        out += '}';
    }
    out += "],\"querent\":1,\"quesited\":";
    appendNumber(out, judgement.quesited);
    out += ",\"total\":";
    appendInteger(out, judgement.total);
    out += ",\"verdict\":";
    appendName(out, geomancy::verdictName(judgement.verdict));
    out += '}';
}

} // namespace cli
