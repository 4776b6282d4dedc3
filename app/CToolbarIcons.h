#pragma once

#include <QIcon>
#include <QPixmap>

// The toolbar images, 16 x 15 pixels, drawn in code at start-up, so the
// program ships no image files.
class CToolbarIcons {
public:
    enum class Kind {
        None,
        New,
        Open,
        Save,
        Cut,
        Copy,
        Paste,
        Print,
        About,
        Pointer,
        VerticalBus,
        HorizontalBus,
        Line,
        Capacitor,
        CircuitBreaker,
        PowerFlowMeasurement,
        CurrentMeasurement,
        PowerInjectionMeasurement,
        VoltageMeasurement,
        Generator,
        ImpedanceToGround,
        ShortCircuit,
    };
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 15;

    static QPixmap Pixmap(Kind kind);
    static QIcon Icon(Kind kind);
};
