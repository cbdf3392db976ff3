#pragma once
#include "settings/SheetContent.h"

#include <QPageSize>
#include <QString>
#include <optional>

class QWidget;

namespace Sheet {

// Shows the sheet in Qt's print preview, from which it is printed. The
// module with the preview is loaded on the first call. The reason when it
// cannot be loaded.
std::optional<QString> printPreview(QWidget *parent, const Content &content, const QPageSize &paper);

} // namespace Sheet
