#pragma once

#include "model/draw/DrawSurface.h"

#include <string>

// Result labels: the label font for the text and the default font again afterwards;
// a coloured label sets the text colour back to black, so every label starts black.
// The reference point is the top of the text.
class CLabels {
public:
    static void Draw(CDrawSurface& surface, int x, int y, const std::string& text,
                     CColor color = tarvex::colors::kBlack, TextAlign align = TextAlign::Left);
};
