#pragma once

#include "model/Rect.h"

#include <QString>

class CSkemtorView;

// Writes the diagram, with the labels it shows now, as a picture for a lab report:
// PNG (two pixels per hundredth of an inch), SVG (texts kept as text) or PDF (a page
// the size of the diagram). The format follows the file name's extension.
class CDiagramExporter {
public:
    enum class Format { Png, Svg, Pdf, Unknown };

    static constexpr const char* kFileFilter =
        "PNG picture (*.png);;SVG picture (*.svg);;PDF document (*.pdf)";

    static Format FormatOf(const QString& fileName);
    // A name typed without an extension takes the one of the filter chosen in the file
    // dialog ("PNG picture (*.png)"); any other name is kept as typed.
    static QString WithSuffixOf(const QString& fileName, const QString& selectedFilter);

    // False, with `error` saying why, when the file cannot be written. The file is
    // written beside its final name and renamed, so a failure never leaves half a file.
    static bool Export(CSkemtorView& view, const QString& fileName, QString& error);

    // The picture's rectangle in diagram units: everything drawn, texts included, with a
    // white border of kMargin all round.
    static CRectL PictureBounds(CSkemtorView& view);

    static constexpr int kMargin = 20;
    static constexpr double kPngPixelsPerUnit = 2.0;
};
