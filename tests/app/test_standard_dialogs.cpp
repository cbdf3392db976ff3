// Qt's own dialogs at the desktop's font: the file dialogs list sizes and
// dates in German in columns wide enough for them, the message boxes show
// their buttons whole; the main window and the program's own dialog keep the
// fixed UI font.
#include "MainWindowFixture.h"
#include "app/StandardDialogs.h"
#include "app/StartUp.h"
#include "image/FirmwareImage.h"
#include "info/TfrmInfo.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTreeView>
#include <climits>
#include <functional>
#include <memory>

namespace {

// A paint device that keeps the texts painted on it, as they were painted:
// a text cut to fit its cell carries "…".
class TextRecorder : public QPaintDevice {
public:
    explicit TextRecorder(QSize size) : size_(size) {}
    QPaintEngine *paintEngine() const override { return &engine_; }
    const QStringList &texts() const { return engine_.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return size_.width() * 254 / 960;
        case PdmHeightMM:
            return size_.height() * 254 / 960;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default: // the dots per inch of the layout
            return 96;
        }
    }

private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawRects(const QRectF *, int) override {}
        void drawLines(const QLineF *, int) override {}
        void drawEllipse(const QRectF &) override {}
        void drawPoints(const QPointF *, int) override {}
        void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
        void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
        Type type() const override { return User; }
        QStringList texts;
    };
    mutable Engine engine_;
    QSize size_;
};

QStringList paintedTexts(QWidget &widget)
{
    TextRecorder recorder(widget.size());
    widget.render(&recorder);
    return recorder.texts();
}

void writeSizedFile(const QString &path, qsizetype size, const QDateTime &modified)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
    ASSERT_TRUE(file.flush());
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

struct FileDialogCase {
    const char *what;
    std::function<void(const QString &folder)> open; // opens the dialog as the program does
};

void PrintTo(const FileDialogCase &c, std::ostream *os)
{
    *os << c.what;
}

class FileDialogColumns : public MainWindowTest, public ::testing::WithParamInterface<FileDialogCase> {};

} // namespace

TEST_P(FileDialogColumns, ShowGermanSizesAndDatesUncut)
{
    const QDateTime modified(QDate(2026, 3, 7), QTime(9, 5));
    writeSizedFile(dir.filePath(QStringLiteral("sig_t5.hex")), 907, modified);
    writeSizedFile(dir.filePath(QStringLiteral("servo_doppelt_mit_relais.hex")), 1536, modified);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ältere Stände")));

    // As at the first start: no column widths kept from an earlier dialog.
    QSettings(QSettings::UserScope, QStringLiteral("QtProject")).remove(QStringLiteral("FileDialog"));
    const Dialogs::RealDialogsAllowed realDialogs;
    QFont dialogFont;
    QStringList texts;
    int columnsWidth = 0;
    int viewWidth = 0;
    whenModalShows<QFileDialog>([&](QFileDialog *dialog) {
        dialogFont = dialog->font();
        dialog->setViewMode(QFileDialog::Detail);
        auto *details = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        ASSERT_NE(details, nullptr);
        // The rows come from a thread: wait until every file has its size.
        const bool listed = QTest::qWaitFor([&] {
            texts = paintedTexts(*details);
            return texts.contains(QStringLiteral("907 Bytes")) && texts.contains(QStringLiteral("1,50 KiB"));
        });
        EXPECT_TRUE(listed) << "painted: " << texts.join(u'|').toStdString();
        // Every column in sight, none beyond the view's right edge.
        columnsWidth = details->header()->length();
        viewWidth = details->viewport()->width();
        dialog->reject();
    });
    GetParam().open(dir.path());

    EXPECT_EQ(dialogFont.toString(), standardDialogFont().toString());
    for (const char *text : {"Name", "Größe", "Typ", "Änderungsdatum", "sig_t5.hex", "servo_doppelt_mit_relais.hex",
                             "ältere Stände", "907 Bytes", "1,50 KiB", "07.03.26 09:05"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text << " in " << texts.join(u'|').toStdString();
    for (const QString &text : texts)
        EXPECT_FALSE(text.contains(u'…')) << "cut: " << text.toStdString();
    EXPECT_LE(columnsWidth, viewWidth);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramDialogs, FileDialogColumns,
    ::testing::Values(
        FileDialogCase{"Open", [](const QString &folder) { Dialogs::getOpenFileName(nullptr, Dialogs::hexFileFilter(), folder); }},
        FileDialogCase{"Save", [](const QString &folder) {
                           Dialogs::getSaveFileName(nullptr, Dialogs::hexFileFilter(), QStringLiteral("hex"),
                                                    QDir(folder).filePath(QStringLiteral("neu.hex")));
                       }}),
    [](const auto &info) { return std::string(info.param.what); });

// Each button of a question shows its whole text at the dialogs' font, and a
// click on it answers.
TEST_F(MainWindowTest, MessageBoxButtonsAreWholeAtTheDesktopFont)
{
    const Dialogs::RealDialogsAllowed realDialogs;
    QFont boxFont;
    QStringList texts;
    QStringList tooNarrow;
    whenModalShows<QMessageBox>([&](QMessageBox *box) {
        boxFont = box->font();
        texts = paintedTexts(*box);
        for (QAbstractButton *button : box->buttons()) {
            const int textWidth = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'));
            if (button->width() < textWidth + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin))
                tooNarrow << button->text();
        }
        QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
    });
    EXPECT_FALSE(Dialogs::askYesNo(nullptr, QStringLiteral("Geänderte Werte übernehmen?")));

    EXPECT_EQ(boxFont.toString(), standardDialogFont().toString());
    EXPECT_TRUE(tooNarrow.isEmpty()) << tooNarrow.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Geänderte Werte übernehmen?"))) << texts.join(u'|').toStdString();
}

// The windows laid out in fixed positions keep the font they were laid out
// for, whatever font Qt's dialogs get.
TEST_F(MainWindowTest, WindowsKeepTheUiFont)
{
    ASSERT_NE(standardDialogFont(), uiFont()) << "the test needs a desktop font other than the UI font";
    TFormMain window(settingsPath());
    FirmwareImage image;
    TfrmInfo info(image, QStringLiteral("a.hex"), &window);
    const struct {
        const char *what;
        QWidget *widget;
    } windows[] = {{"main window", &window}, {"its load button", window.btn_load}, {"information dialog", &info}};
    for (const auto &w : windows)
        EXPECT_EQ(w.widget->font().family(), uiFont().family()) << w.what;
}
