#pragma once

#include <QLocale>

namespace gui {

// The unit a ruler counts in: inches where the locale measures in US units, centimetres
// elsewhere.
struct RulerUnit {
    double twips; // in one unit
    int subdivisions;

    [[nodiscard]] static RulerUnit inches() { return {1440, 8}; }
    [[nodiscard]] static RulerUnit centimetres() { return {1440 / 2.54, 2}; }
    [[nodiscard]] static RulerUnit forLocale(const QLocale& locale) {
        return locale.measurementSystem() == QLocale::ImperialUSSystem ? inches() : centimetres();
    }
};

} // namespace gui
