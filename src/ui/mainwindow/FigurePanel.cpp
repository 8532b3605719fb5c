#include "ui/mainwindow/FigurePanel.h"

#include "ui/mainwindow/MainWindowLayout.h"
#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/Colours.h"
#include "ui/widgets/DevicePixels.h"
#include "ui/widgets/Fonts.h"

#include "geomancy/FigureCatalogue.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QTextDocument>
#include <QTextEdit>

namespace {

using namespace mainlayout;

void createHeader(QWidget* frame, const PanelRow& row, const QString& text) {
    auto* header = new QLabel(text, frame);
    header->setFont(fonts::verdana(8.25, fonts::Bold | fonts::Underline));
    setPaletteColour(header, {QPalette::WindowText, QPalette::Text},
                     colours::system(QPalette::WindowText));
    placeControl(header, {PanelLeft, row.headerTop, HeaderWidth, HeaderHeight});
}

QLabel* createValueLabel(QWidget* frame, const PanelRow& row, bool isTitle, const QString& suffix) {
    auto* label = new QLabel(QString::fromLatin1(row.valueName), frame);
    label->setObjectName(QString::fromLatin1(row.valueName) + suffix);
    label->setFont(isTitle ? fonts::verdana(9.75, fonts::Bold) : fonts::verdana(8.25));
    setPaletteColour(label, {QPalette::WindowText, QPalette::Text},
                     isTitle ? colours::Red : colours::Blue);
    placeControl(label, {PanelLeft, row.valueTop, ValueWidth, ValueHeight});
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
            // Only the box's own device pixels: at a fractional scale the
            // rounded edge of the viewport would cover the frame's last row.
            const QRect pixels =
                devicepixels::deviceRect(painter, viewport->rect()) &
                devicepixels::deviceRect(painter, static_cast<QPaintEvent*>(event)->rect());
            devicepixels::fillDeviceRect(painter, pixels,
                                         viewport->palette().color(viewport->backgroundRole()));
        }
        return QObject::eventFilter(watched, event);
    }
};

QTextEdit* createSignificanceBox(QWidget* frame, const PanelRow& row, const QString& header,
                                 const QString& suffix) {
    auto* box = new QTextEdit(frame);
    box->setObjectName(QString::fromLatin1(row.valueName) + suffix);
    box->setFont(fonts::verdana(8.25));
    setPaletteColour(box, {QPalette::WindowText, QPalette::Text}, colours::system(QPalette::Text));
    placeControl(box, {PanelLeft, row.valueTop, SignificanceWidth, SignificanceHeight});
    box->setAcceptRichText(false);
    box->setReadOnly(true);
    // A caret the arrow keys move, so that a screen reader reads the box by
    // line and by word; drawn with no width, so the box looks as it did.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setCursorWidth(0);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setAccessibleName(header);
    // Starts empty: every change of its text empties the clipboard, and the
    // window's load must leave the user's clipboard alone.
    box->viewport()->setAutoFillBackground(false);
    box->viewport()->installEventFilter(new BackgroundInPaint(box));
    // Its frame stands where the panel's pixels are rounded at 125 and 150 %.
    devicepixels::drawFrameOnDevicePixels(box);
    return box;
}

} // namespace

void FigureControls::clear() const {
    for (QLabel* label : labels)
        label->clear();
    // Clearing an empty box is no change, so it must not empty the clipboard.
    if (!significance->document()->isEmpty())
        significance->clear();
    accessibility::setDescription(significance, QString());
}

void FigureControls::show(const geomancy::CatalogueRow& row) const {
    const auto& columns = geomancy::catalogueColumns();
    QStringList details;
    for (int i = 0; i < LabelCount; ++i) {
        const QString value =
            QString::fromUtf8(geomancy::columnText(row, columns[static_cast<std::size_t>(i)]));
        labels[static_cast<std::size_t>(i)]->setText(value);
        details << maintexts::panelDetail(i, value);
    }
    significance->setPlainText(QString::fromUtf8(geomancy::columnText(row, columns[LabelCount])));
    // The page's focus stop also tells the figure's other rows, which the
    // keyboard does not reach one by one.
    accessibility::setDescription(significance, details.join(QLatin1Char(' ')));
}

FigureControls buildFigurePanel(QWidget* frame, const QString& nameSuffix) {
    static_assert(PanelRows.size() == geomancy::ShownColumnCount, "one header per row");
    FigureControls controls;
    for (std::size_t i = 0; i < PanelRows.size(); ++i) {
        const PanelRow& row = PanelRows[i];
        const QString header = maintexts::panelHeader(static_cast<int>(i));
        createHeader(frame, row, header);
        if (i < FigureControls::LabelCount) {
            QLabel* value = createValueLabel(frame, row, i == 0, nameSuffix);
            controls.labels[i] = value;
        } else {
            controls.significance = createSignificanceBox(frame, row, header, nameSuffix);
        }
    }
    return controls;
}
