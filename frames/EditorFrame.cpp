#include "frames/EditorFrame.h"

#include "ui/DrawingSurface.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QSet>

EditorFrame::EditorFrame(DecoderSession &session, const QString &name, int designWidth, int designHeight,
                         QWidget *parent)
    : QFrame(parent), session_(session)
{
    setObjectName(name);
    resize(designWidth, designHeight);
    hide();
}

void EditorFrame::reportUserActions()
{
    for (QWidget *control : findChildren<QWidget *>())
        reportUserActionsOf(control);
    connect(this, &EditorFrame::controlsMade, this,
            qOverload<const QList<QWidget *> &>(&EditorFrame::reportUserActionsOf));
}

void EditorFrame::reportUserActionsOf(const QList<QWidget *> &made)
{
    // A group made later comes with the controls inside it.
    QSet<QWidget *> reported;
    for (QWidget *group : made) {
        QList<QWidget *> controls = group->findChildren<QWidget *>();
        controls.prepend(group);
        for (QWidget *control : controls) {
            if (!reported.contains(control)) {
                reported.insert(control);
                reportUserActionsOf(control);
            }
        }
    }
}

// An action ends only on signals that the user's input sends: the frames set
// their controls from code while they show their model, and that is no
// action. A text changed in any way is a change (the marker looks again).
void EditorFrame::reportUserActionsOf(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        connect(edit, &QLineEdit::textChanged, this, &EditorFrame::changed);
        connect(edit, &QLineEdit::editingFinished, this, &EditorFrame::actionFinished);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        connect(button, &QAbstractButton::clicked, this, &EditorFrame::finishAction);
    } else if (auto *list = qobject_cast<QComboBox *>(control)) {
        connect(list, &QComboBox::activated, this, &EditorFrame::finishAction);
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(control)) {
        connect(slider, &QAbstractSlider::actionTriggered, this, [this, slider] {
            if (!slider->isSliderDown())
                finishActionLater();
        });
        connect(slider, &QAbstractSlider::sliderMoved, this, &EditorFrame::changed);
        connect(slider, &QAbstractSlider::sliderReleased, this, &EditorFrame::finishAction);
    } else if (auto *surface = qobject_cast<DrawingSurface *>(control)) {
        connect(surface, &DrawingSurface::mouseMove, this, &EditorFrame::changed);
        connect(surface, &DrawingSurface::mouseUp, this, &EditorFrame::finishAction);
    }
}

void EditorFrame::finishAction()
{
    emit changed();
    emit actionFinished();
}

void EditorFrame::finishActionLater()
{
    QMetaObject::invokeMethod(this, &EditorFrame::finishAction, Qt::QueuedConnection);
}
