#pragma once
#include "image/FirmwareImage.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

// The modal information and comparison dialog: shows the raw image and lists
// every byte in which a second HEX file differs from it.
class TfrmInfo : public QDialog {
    Q_OBJECT

public:
    static constexpr int StatusPanelCount = 2;

    // image: the firmware in memory, applied edits included; fileName: the name
    // it was loaded from (or the program's version text before any load).
    TfrmInfo(const FirmwareImage &image, const QString &fileName, QWidget *parent);

    int eepromDiffs = 0;
    int romDiffs = 0;
    int idDiffs = 0;
    int configDiffs = 0;

    // ---- controls (objectName = member name) ----
    QLabel *Label1 = nullptr; // "Config Value:"
    QLabel *Label2 = nullptr; // "ID-Value:"
    QLabel *Label3 = nullptr; // "EEPROM"
    QLabel *Label4 = nullptr; // "EEprom"
    QLabel *Label5 = nullptr; // "ROM"
    QLineEdit *edt_config = nullptr;
    QLineEdit *edt_ID = nullptr;
    QPlainTextEdit *Memo1a = nullptr;
    QPlainTextEdit *Memo3a = nullptr;
    QPushButton *btn_compare = nullptr;
    QPushButton *btn_close = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    std::array<QLabel *, StatusPanelCount> statusPanels{};

    QString statusPanelText(int panel) const;

    void btn_compareClick();
    void btn_closeClick();

private:
    void createControls();
    void layoutControls();
    void showDumps();
    void clearComparison();
    // Reads the chosen file's lines; false after the read error was shown.
    bool readCompareFile(const QString &path, QStringList &lines);
    void showMemoLines();

    const FirmwareImage &image_;
    QString fileName_;
    QStringList memo1Lines_; // what Memo1a shows, one entry a line
    QStringList memo3Lines_; // what Memo3a shows
};
