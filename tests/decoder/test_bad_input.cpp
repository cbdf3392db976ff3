// The bad-input corpus: every file of tests/data/bad-input is loaded as "HEX
// laden" (.hex) or the servo curve editor's "laden" buttons (.cur, .set) load
// it, and what follows is checked against expected.tsv: the message (or none),
// and what the image or the working copy of the curves holds afterwards.
//
// expected.tsv: file <TAB> message <TAB> facts. A HEX message is its number
// ("E206"), a curve file's warnings are written out, joined by '|'; "none"
// when nothing is shown. Facts are key=value pairs separated by blanks, each of
// which must hold (see factsOf and curveFactsOf for the keys); '_' in a message
// or a value stands for a blank.
#include "decoder/DecoderSession.h"
#include "frames/Frame_tamb/CurveFiles.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <gtest/gtest.h>

namespace {

const QString CorpusDir = QStringLiteral(QUAXEL_TEST_DATA "/bad-input");

struct CorpusCase {
    QString file;
    QString message;
    QStringList facts;
};

void PrintTo(const CorpusCase &c, std::ostream *os) { *os << c.file.toStdString(); }

std::vector<CorpusCase> readExpectations()
{
    std::vector<CorpusCase> cases;
    QFile file(CorpusDir + QStringLiteral("/expected.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return cases;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        cases.push_back({fields.value(0), fields.value(1),
                         fields.value(2).split(QLatin1Char(' '), Qt::SkipEmptyParts)});
    }
    return cases;
}

QString messageNumber(const std::optional<UserMessage> &message)
{
    return message ? message->text.section(QLatin1Char(':'), 0, 0) : QStringLiteral("none");
}

// Everything a case may ask about the session after the load (and a save).
QMap<QString, QString> factsOf(DecoderSession &session, const DecoderSession::LoadOutcome &outcome)
{
    const FirmwareImage &image = session.image;
    QMap<QString, QString> facts;
    const auto yesNo = [](bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); };
    facts[QStringLiteral("touched")] = yesNo(outcome.imageTouched);
    facts[QStringLiteral("complete")] = yesNo(!outcome.error);
    facts[QStringLiteral("romTop")] = QString::number(image.romTop);
    facts[QStringLiteral("eepromTop")] = QString::number(image.eepromTop);
    facts[QStringLiteral("id")] = image.idText;
    facts[QStringLiteral("config")] = image.configText;
    facts[QStringLiteral("idPanel")] = outcome.lines.idRecordRead ? QStringLiteral("ID: ") + outcome.lines.id : QString();
    for (const int k : {0, 1, 2, 3, 0x0FF0, 0x0FF7, 0x0FFF})
        facts[QStringLiteral("rom[%1]").arg(k)] = image.rom[static_cast<std::size_t>(k)];
    for (const int i : {0, 1, 251, 252, 255})
        facts[QStringLiteral("eeprom[%1]").arg(i)] = image.eeprom[static_cast<std::size_t>(i)];
    if (outcome.error)
        return facts;
    facts[QStringLiteral("type")] = QString::number(session.typeCode());
    facts[QStringLiteral("recognised")] = yesNo(session.recognised());
    // Signs of damage: "checksum:N@K" (N lines, the first at line K), "noend", or "none".
    QStringList damage;
    if (outcome.damage.badChecksumLines > 0)
        damage << QStringLiteral("checksum:%1@%2").arg(outcome.damage.badChecksumLines).arg(outcome.damage.firstBadLine);
    if (outcome.damage.missingEndRecord)
        damage << QStringLiteral("noend");
    facts[QStringLiteral("damage")] = damage.isEmpty() ? QStringLiteral("none") : damage.join(u',');
    if (const auto fault = session.checkWritable())
        facts[QStringLiteral("save")] = QStringLiteral("refused");
    else if (session.writeSlots())
        facts[QStringLiteral("save")] = QStringLiteral("slot-fault");
    else
        facts[QStringLiteral("save")] = session.buildHexLines() == 0 ? QStringLiteral("checksum-problem")
                                                                    : QStringLiteral("ok");
    return facts;
}

// The working copy after a curve (.cur, into record 2) or set file load; every
// entry held 90 before, so whatever the file did not reach still shows 90.
QMap<QString, QString> curveFactsOf(const CurveRecords &curves, const CurveFiles::LoadResult &result)
{
    QMap<QString, QString> facts;
    facts[QStringLiteral("complete")] = result.complete ? QStringLiteral("yes") : QStringLiteral("no");
    for (int r = 0; r < CurveRecords::Count; ++r)
        for (const int j : {0, 1, 2, 3, 4, 49, 50, 99, 101, 127})
            facts[QStringLiteral("r%1[%2]").arg(r).arg(j)] = QString::number(curves[r][static_cast<std::size_t>(j)]);
    bool bytes = true;
    for (const CurveRecords::Record &record : curves.records)
        for (const int value : record)
            bytes = bytes && value >= 0 && value <= 255;
    facts[QStringLiteral("allBytes")] = bytes ? QStringLiteral("yes") : QStringLiteral("no");
    return facts;
}

void expectFacts(const QMap<QString, QString> &facts, const QStringList &expected)
{
    for (const QString &fact : expected) {
        const QString key = fact.section(QLatin1Char('='), 0, 0);
        ASSERT_TRUE(facts.contains(key)) << "unknown fact " << key.toStdString();
        const QString value = fact.section(QLatin1Char('='), 1).replace(QLatin1Char('_'), QLatin1Char(' '));
        EXPECT_EQ(facts.value(key), value) << key.toStdString();
    }
}

class BadInput : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(BadInput, GivesItsMessageAndLeavesTheExpectedImage)
{
    const CorpusCase &c = GetParam();
    QFile file(CorpusDir + QLatin1Char('/') + c.file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.file.toStdString();
    if (!c.file.endsWith(QStringLiteral(".hex"))) {
        const QStringList lines = splitHexFileLines(file.readAll());
        CurveRecords curves;
        for (CurveRecords::Record &record : curves.records)
            record.fill(90);
        const CurveFiles::LoadResult result = c.file.endsWith(QStringLiteral(".cur"))
                                                  ? CurveFiles::loadCurveFile(lines, curves[2])
                                                  : CurveFiles::loadSetFile(lines, curves);
        const QString shown = result.warnings.isEmpty() ? QStringLiteral("none") : result.warnings.join(QLatin1Char('|'));
        EXPECT_EQ(shown, QString(c.message).replace(QLatin1Char('_'), QLatin1Char(' ')));
        expectFacts(curveFactsOf(curves, result), c.facts);
        return;
    }
    DecoderSession session;
    // A previous file's bytes must not show through a rejected one.
    session.image.rom.fill(QStringLiteral("5A"));
    session.image.eeprom.fill(QStringLiteral("5A"));
    const DecoderSession::LoadOutcome outcome = session.load(file.readAll());
    EXPECT_EQ(messageNumber(outcome.error), c.message);
    expectFacts(factsOf(session, outcome), c.facts);
}

std::string caseName(const ::testing::TestParamInfo<CorpusCase> &info)
{
    std::string name = info.param.file.toStdString();
    for (char &ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, BadInput, ::testing::ValuesIn(readExpectations()), caseName);

// Every file of the corpus has its expectation, and the corpus is not thin.
TEST(BadInputCorpus, EveryFileIsExpected)
{
    QStringList expected;
    for (const CorpusCase &c : readExpectations())
        expected << c.file;
    QStringList files = QDir(CorpusDir).entryList(QDir::Files);
    files.removeAll(QStringLiteral("expected.tsv"));
    expected.sort();
    files.sort();
    EXPECT_EQ(files, expected);
    EXPECT_GE(files.size(), 40);
}

} // namespace
