#pragma once
// A decoder's data sheet on paper: the content laid out page by page with
// QPainter, its texts as text (a PDF of it can be searched and copied), the
// blink patterns as timing diagrams and the servo curves as plots.
#include "settings/SheetContent.h"

#include <QByteArray>
#include <QLocale>
#include <QMarginsF>
#include <QPageSize>

class QPagedPaintDevice;

namespace Sheet {

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize paperFor(const QLocale &locale);
// The margins of every page, in millimetres.
QMarginsF pageMarginsMm();

// Paints the sheet onto a printer or PDF writer whose page is set up; new
// pages as the content needs them. False when the device cannot be painted on.
bool paint(const Content &content, QPagedPaintDevice &device);

// The sheet as the bytes of a PDF file on the given paper.
QByteArray pdf(const Content &content, const QPageSize &paper);

} // namespace Sheet
