#pragma once
#include <QScrollArea>

class TFormMain;

// The top-level window around the main window. It has the main window's size
// and title wherever the screen is large enough; on a smaller screen (or at a
// large display scale) it fits the screen and the main window scrolls in it.
// It also keeps the whole window on a screen.
class MainWindowHost : public QScrollArea {
    Q_OBJECT

public:
    // Takes the form (and owns it from then on), at the position the form read
    // from its settings.
    explicit MainWindowHost(TFormMain *form);

    TFormMain *form() const { return form_; }
    // The screens' available areas as the placement rules see them.
    QList<QRect> availableScreens() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Closing by the title bar asks about unsaved changes first.
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void fitToContent();
    void keepReachable();
    TFormMain *form_;
    bool placed_ = false;
};
