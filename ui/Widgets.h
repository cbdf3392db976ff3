#pragma once
// Small helpers that make the named controls of windows and frames and
// measure where one ends, so that each control is one line where it is built.
#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace Widgets {

// The widget with its objectName set, as tests and settings find it.
template <class W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
// A label sized to its text.
QLabel *label(QWidget *parent, const QString &name, const QString &text, QPoint topLeft);
QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QString &hint,
                    const QRect &geometry);
// A drop-down list holding the items.
QComboBox *list(QWidget *parent, const QString &name, const QString &hint, const QRect &geometry,
                const QStringList &items = {});

// The first x right of the widget, in its parent's coordinates.
int rightEdge(const QWidget *widget);
// The first x right of and the first y below a child, in the coordinates of
// one of its ancestors.
int rightEdgeIn(const QWidget *child, const QWidget *ancestor);
int bottomEdgeIn(const QWidget *child, const QWidget *ancestor);

} // namespace Widgets
