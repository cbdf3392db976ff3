#include "ui/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace Widgets {

namespace {

QRect rectIn(const QWidget *child, const QWidget *ancestor)
{
    return {child->mapTo(ancestor, QPoint(0, 0)), child->size()};
}

} // namespace

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *l = named(new QLabel(text, parent), name);
    l->setGeometry(geometry);
    return l;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, QPoint topLeft)
{
    auto *l = named(new QLabel(text, parent), name);
    l->move(topLeft);
    l->adjustSize();
    return l;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QString &hint,
                    const QRect &geometry)
{
    auto *b = named(new QPushButton(text, parent), name);
    b->setToolTip(hint);
    b->setGeometry(geometry);
    return b;
}

QComboBox *list(QWidget *parent, const QString &name, const QString &hint, const QRect &geometry,
                const QStringList &items)
{
    auto *box = named(new QComboBox(parent), name);
    box->addItems(items);
    box->setToolTip(hint);
    box->setGeometry(geometry);
    return box;
}

int rightEdge(const QWidget *widget)
{
    return widget->x() + widget->width();
}

int rightEdgeIn(const QWidget *child, const QWidget *ancestor)
{
    const QRect r = rectIn(child, ancestor);
    return r.x() + r.width();
}

int bottomEdgeIn(const QWidget *child, const QWidget *ancestor)
{
    const QRect r = rectIn(child, ancestor);
    return r.y() + r.height();
}

} // namespace Widgets
