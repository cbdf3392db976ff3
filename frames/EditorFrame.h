#pragma once
#include <QFrame>

class TFormMain;

// Common ground of the editor frames: the owning main window, through which
// the frame reaches the firmware image, and the loading flag that every change
// handler obeys.
class EditorFrame : public QFrame {
    Q_OBJECT

public:
    EditorFrame(TFormMain *mainWindow, const QString &name, int designWidth, int designHeight);

    bool loading = false;

protected:
    TFormMain *mainWindow() const { return mainWindow_; }

private:
    TFormMain *mainWindow_;
};
