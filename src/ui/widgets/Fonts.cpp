#include "ui/widgets/Fonts.h"

#include <QStringList>

namespace fonts {

namespace {

QFont make(const QString& family, qreal points, unsigned style) {
    installSubstitutions();
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold((style & Bold) != 0);
    font.setItalic((style & Italic) != 0);
    font.setUnderline((style & Underline) != 0);
    return font;
}

} // namespace

void installSubstitutions() {
    static const bool installed = [] {
        QFont::insertSubstitutions(
            QStringLiteral("Verdana"),
            {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
             QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Microsoft Sans Serif"),
                                    QStringLiteral("Liberation Sans"),
                                    QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
        return true;
    }();
    (void)installed;
}

QFont verdana(qreal points, unsigned style) {
    return make(QStringLiteral("Verdana"), points, style);
}

QFont msSansSerif(qreal points, unsigned style) {
    return make(QStringLiteral("MS Sans Serif"), points, style);
}

} // namespace fonts
