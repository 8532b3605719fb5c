#pragma once

#include <QString>

#include <array>

class QLabel;
class QTextEdit;
class QWidget;

namespace geomancy {
struct CatalogueRow;
}

// The ten value controls of one figure panel (a tab's frame or the
// current-figure panel), in display order: title, keyword, day, element,
// quality, planet, sign, body part, direction, then the significance box.
struct FigureControls {
    static constexpr int LabelCount = 9;

    std::array<QLabel*, LabelCount> labels{};
    QTextEdit* significance = nullptr;

    // Empties the nine labels in order, then the significance box.
    void clear() const;

    // Writes one catalogue row in display order; the first label gets the
    // figure's title, not its upper-case name.
    void show(const geomancy::CatalogueRow& row) const;
};

// Builds the ten header labels and ten value controls inside `frame`. Each
// value control is named after its row plus `nameSuffix` ("" for the
// current figure, "Display_3" for tab 3). The value labels start with their
// design-time caption, the row's name without any suffix, as the window's
// load clears them; the significance box starts empty.
FigureControls buildFigurePanel(QWidget* frame, const QString& nameSuffix);
