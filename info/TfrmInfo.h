#pragma once
#include <QDialog>

class TFormMain;

// The modal information and comparison dialog.
class TfrmInfo : public QDialog {
    Q_OBJECT

public:
    explicit TfrmInfo(TFormMain *mainWindow);

private:
    TFormMain *mainWindow_;
};
