// "quaxel FILE --sheet SHEET.pdf" as a process: the sheet of one decoder of
// each editor kind read back with pdftotext and rendered with pdftoppm
// (poppler-utils), its paper and language from the locale, and the exit
// statuses of good and bad files and targets.
#include "decoder/DecoderSession.h"
#include "frames/Frame_tamb_adr/PulseTimes.h"
#include "frames/Frame_zusatz/ZusatzRules.h"
#include "settings/SettingsDocument.h"
#include "settings/SettingsSchema.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString sample(const QString &name) { return QStringLiteral(QUAXEL_SOURCE_DIR "/samples/") + name; }

struct Outcome {
    int status = -1;
    QString err;
};

// Runs a program to its end (at most a minute) in the given language.
Outcome run(const QString &program, const QStringList &arguments, const QString &lang = QStringLiteral("de_DE.UTF-8"))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_PAPER"));
    env.remove(QStringLiteral("LC_MEASUREMENT"));
    env.insert(QStringLiteral("LANG"), lang);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << program.toStdString() << " did not end within a minute";
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardError())};
}

Outcome sheet(const QStringList &arguments, const QString &lang = QStringLiteral("de_DE.UTF-8"))
{
    return run(QStringLiteral(QUAXEL_APP), arguments, lang);
}

// The text of a PDF with its lines laid out as on the page.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfInfo(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(process.waitForFinished(60000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pdfInfo(pdf));
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

// A line of the sheet that holds every one of the texts, apart from each other
// (whole words, in this order).
bool hasLine(const QString &text, const QStringList &cells)
{
    QStringList quoted;
    for (const QString &cell : cells)
        quoted << QStringLiteral("(?<![\\w,.])") + QRegularExpression::escape(cell) + QStringLiteral("(?![\\w,.])");
    return QRegularExpression(QStringLiteral("^.*") + quoted.join(QStringLiteral(".*")) + QStringLiteral(".*$"),
                              QRegularExpression::MultilineOption)
        .match(text)
        .hasMatch();
}

struct Loaded {
    DecoderSession session;
    QJsonObject document;
};

std::unique_ptr<Loaded> load(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    auto loaded = std::make_unique<Loaded>();
    const DecoderSession::LoadOutcome outcome = loaded->session.load(content);
    EXPECT_FALSE(outcome.error);
    DecoderSession copy = loaded->session;
    loaded->document = Settings::exportSettings(copy, {QStringLiteral("x.hex"), content, outcome.lines.version});
    return loaded;
}

QString shownValue(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("ein") : QStringLiteral("aus");
    return QString::number(value.toInteger());
}

// Every mode or CV of the settings document as (name, value) lines: named as
// the settings export names them, the mode by its choice's caption.
std::vector<QStringList> settingLines(const QJsonObject &document, int typeCode)
{
    std::vector<QStringList> lines;
    const Settings::Node &shape = Settings::documentShape();
    const QJsonObject modes = document.value(QStringLiteral("modes")).toObject();
    for (auto it = modes.begin(); it != modes.end(); ++it) {
        const Settings::Node &node = *shape.child(QStringLiteral("modes"))->child(it.key());
        if (it.value().isArray()) {
            const QJsonArray values = it.value().toArray();
            for (qsizetype k = 0; k < values.size(); ++k) {
                if (!values[k].isNull())
                    lines.push_back({node.element->name(typeCode, static_cast<int>(k)), shownValue(values[k])});
            }
        } else if (it.key() == QStringLiteral("mode")) {
            lines.push_back({node.name(typeCode, -1), Zusatz::layoutFor(typeCode)->mode.radioCaptions[it.value().toInt() - 1]});
        } else {
            lines.push_back({node.name(typeCode, -1), shownValue(it.value())});
        }
    }
    const QJsonArray cvs = document.value(QStringLiteral("cvs")).toArray();
    for (qsizetype k = 0; k < cvs.size(); ++k)
        lines.push_back({shape.child(QStringLiteral("cvs"))->element->name(typeCode, static_cast<int>(k)), shownValue(cvs[k])});
    return lines;
}

// The settings and times each pattern and curve states: "Zeit-Raster = 100 ms", ...,
// and the pulse times of the servos that play a curve.
QStringList timeTexts(const QJsonObject &document)
{
    QStringList texts;
    for (const QJsonValue &block : document.value(QStringLiteral("blink")).toArray()) {
        const qint64 stretch = block.toObject().value(QStringLiteral("stretch")).toInteger();
        const qint64 count = block.toObject().value(QStringLiteral("count")).toInteger();
        const bool loop = block.toObject().value(QStringLiteral("loop")).toBool();
        texts << QStringLiteral("Anzahl %1, Stretch %2, Loop %3").arg(count).arg(stretch).arg(loop ? QStringLiteral("ein") : QStringLiteral("aus"))
              << QStringLiteral("Zeit-Raster = %1 ms").arg(stretch * 20) << QStringLiteral("Gesamtzeit = %1 ms").arg(stretch * 20 * count);
    }
    for (const QJsonValue &curve : document.value(QStringLiteral("servo")).toObject().value(QStringLiteral("curves")).toArray()) {
        const qint64 stretch = curve.toObject().value(QStringLiteral("stretch")).toInteger();
        const qint64 count = curve.toObject().value(QStringLiteral("count")).toInteger();
        texts << QStringLiteral("Gesamtzeit für diese Kurve = %1 ms").arg((count - 1) * stretch * 20);
    }
    // Each servo that an address row moves along a curve, with its pulse times.
    const QJsonObject servo = document.value(QStringLiteral("servo")).toObject();
    const QJsonArray servos = servo.value(QStringLiteral("servos")).toArray();
    const QLocale german(QLocale::German);
    for (const QJsonValue &row : servo.value(QStringLiteral("addresses")).toArray()) {
        const int n = row.toObject().value(QStringLiteral("servo")).toInt();
        if (n < 1)
            continue;
        const QJsonObject times = servos[n - 1].toObject();
        const int offset = times.value(QStringLiteral("offset")).toInt();
        const int span = times.value(QStringLiteral("span")).toInt();
        texts << QStringLiteral("Servo %1: Impuls Min %2 ms, Impuls Max %3 ms")
                     .arg(n)
                     .arg(PulseTimes::timeText(PulseTimes::minMs(offset), german), PulseTimes::timeText(PulseTimes::maxMs(offset, span), german));
    }
    return texts;
}

} // namespace

// One decoder of each editor kind: the sheet names the file and the type,
// lists every shown slot with its address and output, every mode and CV
// value, the times of every pattern and curve, and every page renders.
TEST(DataSheet, HoldsWhatEachEditorKindShows)
{
    const struct {
        const char *sample;
        EditorFrameKind kind;
    } cases[] = {
        {"2769152-kandor-rimno-f-dekoder-neon-ab-v0-60-dcc.hex", EditorFrameKind::Modes},
        {"17408-f-dekoder-mit-cv-dcc.hex", EditorFrameKind::CvList},
        {"demo-blink.hex", EditorFrameKind::Blink},
        {"demo-led-blink.hex", EditorFrameKind::LedBlink},
        {"demo-servo.hex", EditorFrameKind::Servo},
    };
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.sample);
        const QString name = QString::fromLatin1(c.sample);
        const QString pdf = work.filePath(name + QStringLiteral(".pdf"));
        const Outcome written = sheet({sample(name), QStringLiteral("--sheet"), pdf});
        ASSERT_EQ(written.status, 0) << written.err.toStdString();
        const QString text = pdfText(pdf);
        const auto loaded = load(sample(name));
        const DecoderSession &session = loaded->session;
        ASSERT_EQ(session.editorFrame(), c.kind);

        EXPECT_TRUE(hasLine(text, {QStringLiteral("Datei"), name})) << text.toStdString();
        EXPECT_TRUE(hasLine(text, {QStringLiteral("Typ"), QString::number(session.typeCode())}));
        EXPECT_TRUE(hasLine(text, {QStringLiteral("Bezeichnung"), session.type()->label}));
        int shownSlots = 0;
        for (int s = 0; s < DecoderSession::SlotCount; ++s) {
            if (!session.slotShown(s))
                continue;
            const SlotValues &values = session.slotValues[static_cast<std::size_t>(s)];
            const QString output = session.isAccessory() ? (values.green ? QStringLiteral("grün") : QStringLiteral("rot"))
                                                         : QString::number(values.function);
            EXPECT_TRUE(hasLine(text, {session.slotLabel(s), QString::number(values.address), output})) << "slot " << s;
            ++shownSlots;
        }
        // The CV decoder's type names no slot.
        EXPECT_EQ(shownSlots > 0, c.kind != EditorFrameKind::CvList);
        for (const QStringList &line : settingLines(loaded->document, session.typeCode()))
            EXPECT_TRUE(hasLine(text, line)) << line.join(QStringLiteral(" | ")).toStdString();
        for (const QString &time : timeTexts(loaded->document))
            EXPECT_TRUE(text.contains(time)) << time.toStdString();

        const int pages = pageCount(pdf);
        EXPECT_GE(pages, 1);
        QProcess render;
        render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), pdf,
                                                  work.filePath(name)});
        ASSERT_TRUE(render.waitForFinished(60000));
        EXPECT_EQ(render.exitCode(), 0);
        EXPECT_EQ(render.readAllStandardError(), QByteArray());
        const QStringList pictures = QDir(work.path()).entryList({name + QStringLiteral("-*.png")}, QDir::Files);
        EXPECT_EQ(pictures.size(), pages);
    }
}

// The sheet speaks the desktop's language and takes the paper of its locale.
TEST(DataSheet, LanguageAndPaperFollowTheLocale)
{
    const struct {
        const char *lang;
        const char *title;
        const char *paper;
    } cases[] = {
        {"de_DE.UTF-8", "Datenblatt: demo-blink.hex", "(A4)"},
        {"en_US.UTF-8", "Data sheet: demo-blink.hex", "(letter)"},
        {"en_GB.UTF-8", "Data sheet: demo-blink.hex", "(A4)"},
    };
    QTemporaryDir work;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lang);
        const QString pdf = work.filePath(QStringLiteral("sheet.pdf"));
        ASSERT_EQ(sheet({sample(QStringLiteral("demo-blink.hex")), QStringLiteral("--sheet"), pdf}, QString::fromLatin1(c.lang)).status, 0);
        EXPECT_TRUE(pdfText(pdf).contains(QString::fromUtf8(c.title)));
        EXPECT_TRUE(pdfInfo(pdf).contains(QString::fromLatin1(c.paper))) << pdfInfo(pdf).toStdString();
    }
}

// Exit 0 with the sheet written; exit 1 with the load's message when FILE does
// not load, and with a message naming SHEET when it cannot be written: then
// no sheet (and nothing else) is left behind. The messages are German under
// C, and English under an English locale.
TEST(DataSheet, ExitStatuses)
{
    QTemporaryDir work;
    ASSERT_TRUE(QDir(work.path()).mkdir(QStringLiteral("folder")));
    QFile notHex(work.filePath(QStringLiteral("notes.hex")));
    ASSERT_TRUE(notHex.open(QIODevice::WriteOnly));
    notHex.write("this is no HEX file\r\n");
    notHex.close();
    const QString good = sample(QStringLiteral("demo-servo.hex"));
    const struct {
        const char *what;
        QStringList arguments; // the sheet is written into work/out.pdf unless named
        int status;
        const char *message;
        bool written;
    } cases[] = {
        {"a good file", {good, QStringLiteral("--sheet"), QStringLiteral("out.pdf")}, 0, "", true},
        {"a missing file", {QStringLiteral("missing.hex"), QStringLiteral("--sheet"), QStringLiteral("out.pdf")}, 1, "missing.hex", false},
        {"a file that is no HEX file", {QStringLiteral("notes.hex"), QStringLiteral("--sheet"), QStringLiteral("out.pdf")}, 1, "E2", false},
        {"no file at all", {QStringLiteral("--sheet"), QStringLiteral("out.pdf")}, 1, "--sheet: keine HEX-Datei angegeben", false},
        {"a sheet in a missing folder", {good, QStringLiteral("--sheet"), QStringLiteral("none/out.pdf")}, 1, "none/out.pdf", false},
        {"a sheet onto a folder", {good, QStringLiteral("--sheet"), QStringLiteral("folder")}, 1, "folder", false},
        {"a sheet without a name", {good, QStringLiteral("--sheet"), QString()}, 1, "--sheet: kein Dateiname angegeben", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(work.filePath(QStringLiteral("out.pdf")));
        QProcess process;
        process.setWorkingDirectory(work.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUAXEL_APP), c.arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), c.status);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << err.toStdString();
        QFile out(work.filePath(QStringLiteral("out.pdf")));
        EXPECT_EQ(out.exists(), c.written);
        if (c.written) {
            ASSERT_TRUE(out.open(QIODevice::ReadOnly));
            EXPECT_TRUE(out.readAll().startsWith("%PDF-"));
        }
        const QStringList left = QDir(work.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        EXPECT_EQ(left.size(), c.written ? 3 : 2) << left.join(u' ').toStdString();
    }    const QString english =
        run(QStringLiteral(QUAXEL_APP), {QStringLiteral("--sheet"), QStringLiteral("out.pdf")}, QStringLiteral("en_US.UTF-8")).err;
    EXPECT_TRUE(english.contains(QStringLiteral("--sheet: no HEX file given"))) << english.toStdString();
}
