#include "ui/mainwindow/FigurePanel.h"

#include "ui/widgets/Fonts.h"
#include "ui/mainwindow/MainWindowLayout.h"

#include "geomancy/FigureCatalogue.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTextEdit>

namespace {

using namespace mainlayout;

QPalette withTextColour(const QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    return palette;
}

void createHeader(QWidget* frame, const PanelRow& row) {
    auto* header = new QLabel(QString::fromLatin1(row.header), frame);
    header->setFont(fonts::verdana(8.25, fonts::Bold | fonts::Underline));
    header->setPalette(withTextColour(header, QGuiApplication::palette().color(QPalette::WindowText)));
    header->setGeometry(TwipRect{PanelLeft, row.headerTop, HeaderWidth, HeaderHeight}.toPixels());
}

QLabel* createValueLabel(QWidget* frame, const PanelRow& row, bool isTitle, const QString& suffix) {
    auto* label = new QLabel(QString::fromLatin1(row.valueName), frame);
    label->setObjectName(QString::fromLatin1(row.valueName) + suffix);
    label->setFont(isTitle ? fonts::verdana(9.75, fonts::Bold) : fonts::verdana(8.25));
    label->setPalette(withTextColour(label, isTitle ? Red : Blue));
    label->setGeometry(TwipRect{PanelLeft, row.valueTop, ValueWidth, ValueHeight}.toPixels());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Fills a box's background from within its own painting rather than as an
// opaque background, which Qt cuts out of everything painted beneath it: the
// page and frame around a significance box, repainted whole at every change
// of tab, would then be painted as many small pieces (several times slower)
// to spare the few pixels of the box. The pixels are the same.
class BackgroundInPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* viewport = static_cast<QWidget*>(watched);
            QPainter painter(viewport);
            painter.fillRect(static_cast<QPaintEvent*>(event)->rect(),
                             viewport->palette().brush(viewport->backgroundRole()));
        }
        return QObject::eventFilter(watched, event);
    }
};

QTextEdit* createSignificanceBox(QWidget* frame, const PanelRow& row, const QString& suffix) {
    auto* box = new QTextEdit(frame);
    box->setObjectName(QString::fromLatin1(row.valueName) + suffix);
    box->setFont(fonts::verdana(8.25));
    box->setPalette(withTextColour(box, QGuiApplication::palette().color(QPalette::Text)));
    box->setGeometry(TwipRect{PanelLeft, row.valueTop, SignificanceWidth, SignificanceHeight}.toPixels());
    box->setAcceptRichText(false);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setAccessibleName(QString::fromLatin1(row.header));
    box->setPlainText(QString::fromLatin1(row.valueName));
    box->viewport()->setAutoFillBackground(false);
    box->viewport()->installEventFilter(new BackgroundInPaint(box));
    return box;
}

} // namespace

void FigureControls::clear() const {
    for (QLabel* label : labels)
        label->clear();
    significance->clear();
}

void FigureControls::show(const geomancy::CatalogueRow& row) const {
    const char* const values[LabelCount] = {row.title,   row.keyword, row.day,
                                            row.element, row.quality, row.planet,
                                            row.sign,    row.bodyPart, row.direction};
    for (int i = 0; i < LabelCount; ++i)
        labels[static_cast<std::size_t>(i)]->setText(QString::fromUtf8(values[i]));
    significance->setPlainText(QString::fromUtf8(row.significance));
}

FigureControls buildFigurePanel(QWidget* frame, const QString& nameSuffix) {
    FigureControls controls;
    for (std::size_t i = 0; i < PanelRows.size(); ++i) {
        const PanelRow& row = PanelRows[i];
        createHeader(frame, row);
        if (i < FigureControls::LabelCount) {
            QLabel* value = createValueLabel(frame, row, i == 0, nameSuffix);
            controls.labels[i] = value;
        } else {
            controls.significance = createSignificanceBox(frame, row, nameSuffix);
        }
    }
    return controls;
}
