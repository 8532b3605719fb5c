#include "ui/report/RtfWriter.h"

#include <QColor>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

// What a run of text carries into the file.
struct RunFormat {
    bool bold = false;
    int colourIndex = 0; // 0: the reader's automatic colour

    bool operator==(const RunFormat& other) const {
        return bold == other.bold && colourIndex == other.colourIndex;
    }
    bool operator!=(const RunFormat& other) const { return !(*this == other); }
};

class RtfBuilder {
public:
    explicit RtfBuilder(const QTextDocument& document) : document_(document) {}

    QByteArray build() {
        // The body comes first so the colour table knows every colour in use.
        QByteArray body;
        bool firstBlock = true;
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            if (!firstBlock)
                body += "\\par\n";
            firstBlock = false;
            for (auto it = block.begin(); !it.atEnd(); ++it)
                writeRun(body, it.fragment());
        }
        return header() + body + "}\n";
    }

private:
    QByteArray header() const {
        const QFont font = document_.defaultFont();
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss ";
        out += escaped(font.family());
        out += ";}}\n{\\colortbl;";
        for (const QColor& colour : colours_)
            out += "\\red" + QByteArray::number(colour.red()) + "\\green" +
                   QByteArray::number(colour.green()) + "\\blue" +
                   QByteArray::number(colour.blue()) + ';';
        out += "}\n\\uc1\\pard\\plain\\f0\\fs" + QByteArray::number(halfPoints(font)) + ' ';
        return out;
    }

    // RTF sizes are whole half-points: 9.75 pt becomes \fs20 (10 pt).
    static int halfPoints(const QFont& font) {
        const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
        return qRound(points * 2);
    }

    int colourIndex(const QTextCharFormat& format) {
        if (format.foreground().style() == Qt::NoBrush)
            return 0;
        const QColor colour = format.foreground().color();
        int index = int(colours_.indexOf(colour));
        if (index < 0) {
            colours_.append(colour);
            index = int(colours_.size()) - 1;
        }
        return index + 1;
    }

    void writeRun(QByteArray& out, const QTextFragment& fragment) {
        const QTextCharFormat format = fragment.charFormat();
        const RunFormat run{format.fontWeight() >= QFont::DemiBold, colourIndex(format)};
        if (run != current_) {
            if (run.bold != current_.bold)
                out += run.bold ? "\\b" : "\\b0";
            if (run.colourIndex != current_.colourIndex)
                out += "\\cf" + QByteArray::number(run.colourIndex);
            out += ' '; // ends the control word; the reader drops it
            current_ = run;
        }
        out += escaped(fragment.text());
    }

    static QByteArray escaped(const QString& text) {
        QByteArray out;
        out.reserve(text.size());
        for (const QChar ch : text) {
            const char16_t unit = ch.unicode();
            switch (unit) {
            case '\\':
                out += "\\\\";
                break;
            case '{':
                out += "\\{";
                break;
            case '}':
                out += "\\}";
                break;
            case '\t':
                out += "\\tab ";
                break;
            case QChar::LineSeparator:
                out += "\\line ";
                break;
            case QChar::Nbsp:
                out += "\\~";
                break;
            default:
                if (unit >= 0x20 && unit < 0x80)
                    out += char(unit);
                else if (unit >= 0x80) // \u takes a signed 16-bit number
                    out += "\\u" +
                           QByteArray::number(unit > 0x7FFF ? int(unit) - 0x10000 : int(unit)) +
                           '?';
                break; // other control characters carry nothing
            }
        }
        return out;
    }

    const QTextDocument& document_;
    QList<QColor> colours_;
    RunFormat current_;
};

} // namespace

QByteArray documentToRtf(const QTextDocument& document) {
    return RtfBuilder(document).build();
}
