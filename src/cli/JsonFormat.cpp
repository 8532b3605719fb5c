#include "cli/JsonFormat.h"

#include "geomancy/FigureCatalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

namespace {

QJsonValue text(const char* value) {
    return QString::fromUtf8(value);
}

QJsonObject figureObject(int catalogueRow) {
    // Every column of the catalogue row, the texts exactly as the window shows them.
    const geomancy::CatalogueRow& row =
        geomancy::figureCatalogue()[static_cast<std::size_t>(catalogueRow)];
    return QJsonObject{
        {QStringLiteral("name"), text(row.name)},
        {QStringLiteral("title"), text(row.title)},
        {QStringLiteral("keyword"), text(row.keyword)},
        {QStringLiteral("day"), text(row.day)},
        {QStringLiteral("element"), text(row.element)},
        {QStringLiteral("quality"), text(row.quality)},
        {QStringLiteral("planet"), text(row.planet)},
        {QStringLiteral("sign"), text(row.sign)},
        {QStringLiteral("bodyPart"), text(row.bodyPart)},
        {QStringLiteral("direction"), text(row.direction)},
        {QStringLiteral("significance"), text(row.significance)},
    };
}

QJsonObject castingObject(const CastingResult& casting) {
    QJsonArray lines;
    for (geomancy::LineValue value : casting.figure.lines)
        lines.append(value);
    return QJsonObject{
        {QStringLiteral("number"), casting.step->castNumber},
        {QStringLiteral("casting"), text(casting.step->casting)},
        {QStringLiteral("lines"), lines},
        {QStringLiteral("figure"), figureObject(casting.catalogueRow)},
        {QStringLiteral("house"), casting.house},
    };
}

QJsonObject houseObject(const HouseResult& house) {
    QJsonArray planets;
    for (const std::string& planet : house.planets)
        planets.append(QString::fromStdString(planet));
    return QJsonObject{
        {QStringLiteral("house"), house.number},
        {QStringLiteral("sign"), text(house.sign)},
        {QStringLiteral("ascendant"), house.ascendant},
        {QStringLiteral("planets"), planets},
    };
}

} // namespace

QByteArray formatJson(const ReadingResult& reading) {
    QJsonArray input;
    for (geomancy::LineValue value : reading.input)
        input.append(value);
    QJsonArray castings;
    for (const CastingResult& casting : reading.castings)
        castings.append(castingObject(casting));
    QJsonArray houses;
    for (const HouseResult& house : reading.houses)
        houses.append(houseObject(house));

    const QJsonObject root{
        {QStringLiteral("lines"), input},
        {QStringLiteral("castings"), castings},
        {QStringLiteral("houses"), houses},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace cli
