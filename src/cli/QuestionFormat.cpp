#include "cli/QuestionFormat.h"

#include "cli/ShieldFormat.h"
#include "cli/TextFormat.h"

#include "geomancy/FigureCatalogue.h"

namespace cli {

namespace {

using geomancy::Indication;
using geomancy::IndicationKind;

constexpr int ReasonIndent = 8;

QString weightText(int weight) {
    return (weight > 0 ? QStringLiteral("+") : QString()) + QString::number(weight);
}

// Why the indication stands, in a sentence.
QString reasonOf(const Indication& indication, const geomancy::Judgement& judgement) {
    const int h = judgement.quesited;
    const auto house = [&](std::size_t i) { return indication.houses[i]; };
    const auto figure = [&](std::size_t i) { return figureName(indication.figures[i]); };
    QString reason;
    switch (indication.kind) {
    case IndicationKind::Occupation:
        reason = QStringLiteral("%1 stands in house 1 and in house %2").arg(figure(0)).arg(h);
        break;
    case IndicationKind::Conjunction:
        reason = QStringLiteral("%1 of house %2 stands again in house %3, next to house %4")
                     .arg(figure(0))
                     .arg(house(0))
                     .arg(house(1))
                     .arg(house(0) == 1 ? h : 1);
        break;
    case IndicationKind::Mutation:
        reason = QStringLiteral("%1 of house 1 stands again in house %2 and %3 of house %4 in "
                                "house %5, next to each other")
                     .arg(figure(0))
                     .arg(house(0))
                     .arg(figure(1))
                     .arg(h)
                     .arg(house(1));
        break;
    case IndicationKind::Translation:
        reason = QStringLiteral("%1 stands in house %2, next to house 1, and in house %3, next to "
                                "house %4")
                     .arg(figure(0))
                     .arg(house(0))
                     .arg(house(1))
                     .arg(h);
        break;
    case IndicationKind::Impedition:
        reason = QStringLiteral("nothing perfects and no trine or sextile helps");
        break;
    default:
        reason = QStringLiteral("%1 of house %2 stands again in house %3 and casts %4 %5 on house "
                                "%6")
                     .arg(figure(0))
                     .arg(house(1) == 1 ? h : 1)
                     .arg(house(0))
                     .arg(indication.direction == geomancy::AspectDirection::None
                              ? QStringLiteral("an")
                              : QStringLiteral("a ") +
                                    QLatin1String(aspectDirectionName(indication.direction)))
                     .arg(QLatin1String(indicationKindName(indication.kind)))
                     .arg(house(1));
        break;
    }
    if (indication.weight == 0)
        reason += QStringLiteral("; already counted, as a mode of perfection weighs once");
    return reason;
}

QString companyText(const geomancy::Company& company) {
    QStringList kinds;
    for (geomancy::CompanyKind kind : company.kinds)
        kinds << QLatin1String(companyKindName(kind));
    QString text = QStringLiteral("Company of houses %1 and %2: ")
                       .arg(company.houses[0])
                       .arg(company.houses[1]);
    if (kinds.isEmpty())
        return text + QStringLiteral("none");
    text += kinds.takeFirst();
    if (!kinds.isEmpty())
        text += QStringLiteral(" (also ") + kinds.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

} // namespace

QString figureName(const geomancy::GeomanticFigure& figure) {
    return QString::fromUtf8(
        geomancy::figureCatalogue()[static_cast<std::size_t>(
                                        geomancy::identifyFigure(figure).value())]
            .name);
}

QStringList houseChartText(const geomancy::ShieldChart& shield, const ReadingMethods& methods) {
    const geomancy::HouseChart chart = geomancy::setInHouses(shield, methods.scheme);
    QStringList lines{QStringLiteral("House chart (%1)")
                          .arg(QLatin1String(geomancy::houseSchemeName(methods.scheme)))};
    for (int h = 1; h <= geomancy::HouseCount; ++h) {
        const auto i = static_cast<std::size_t>(h - 1);
        lines << QStringLiteral("%1  ").arg(h, 4) +
                     QString::fromLatin1(geomancy::houseSigns()[i]).leftJustified(13) +
                     QString::fromLatin1(geomancy::shieldPlaceName(chart.places[i]))
                         .leftJustified(13) +
                     figureName(chart.figures[i]);
    }
    return lines;
}

QStringList judgementText(const geomancy::ShieldChart& shield, const ReadingMethods& methods) {
    const geomancy::HouseChart chart = geomancy::setInHouses(shield, methods.scheme);
    const geomancy::Judgement judgement = geomancy::judgeQuestion(chart, *methods.quesited);
    const int h = judgement.quesited;
    QStringList lines{
        QStringLiteral("Question: %1, the querent %2").arg(houseName(h), houseName(1)),
        QStringLiteral("  house 1: %1; house %2: %3")
            .arg(figureName(chart(1)))
            .arg(h)
            .arg(figureName(chart(h))),
        QString(),
        QStringLiteral("  weight  kind         houses  figures                        direction"),
    };
    for (const Indication& indication : judgement.indications) {
        QStringList houses, figures;
        for (int house : indication.houses)
            houses << QString::number(house);
        for (const geomancy::GeomanticFigure& figure : indication.figures)
            figures << figureName(figure);
        const bool aspect = indication.direction != geomancy::AspectDirection::None;
        lines << QStringLiteral("  ") + weightText(indication.weight).rightJustified(6) +
                     QStringLiteral("  ") +
                     QString::fromLatin1(indicationKindName(indication.kind)).leftJustified(13) +
                     houses.join(QStringLiteral(", ")).leftJustified(8) +
                     figures.join(QStringLiteral(", ")).leftJustified(31) +
                     (aspect ? QLatin1String(aspectDirectionName(indication.direction))
                             : QLatin1String(""));
        for (const QString& line :
             wrapped(reasonOf(indication, judgement), TextWidth - 1 - ReasonIndent))
            lines << QString(ReasonIndent, QLatin1Char(' ')) + line;
    }
    lines << QStringLiteral("  Total: %1, %2")
                 .arg(weightText(judgement.total),
                      QLatin1String(geomancy::verdictName(judgement.verdict)));
    lines << QString();
    for (const geomancy::Company& company : judgement.companies)
        lines << companyText(company);
    return lines;
}

} // namespace cli
