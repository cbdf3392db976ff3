// The bad-input corpus: every file of tests/data/bad-input is loaded as "HEX
// laden" loads it, and what follows is checked against expected.tsv: the
// message (or none), and what the image holds afterwards.
//
// expected.tsv: file <TAB> message <TAB> facts. The message is its number
// ("E206") or "none"; facts are key=value pairs separated by blanks, each of
// which must hold (see factsOf for the keys); '_' in a value stands for a blank.
#include "decoder/DecoderSession.h"

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
    facts[QStringLiteral("idPanel")] = outcome.lines.idPanel;
    for (const int k : {0, 1, 2, 3, 0x0FF0, 0x0FF7, 0x0FFF})
        facts[QStringLiteral("rom[%1]").arg(k)] = image.rom[static_cast<std::size_t>(k)];
    for (const int i : {0, 1, 251, 252, 255})
        facts[QStringLiteral("eeprom[%1]").arg(i)] = image.eeprom[static_cast<std::size_t>(i)];
    if (outcome.error)
        return facts;
    facts[QStringLiteral("type")] = QString::number(session.typeCode);
    facts[QStringLiteral("recognised")] = yesNo(session.recognised);
    if (const auto fault = session.checkWritable())
        facts[QStringLiteral("save")] = QStringLiteral("refused");
    else if (session.writeSlots())
        facts[QStringLiteral("save")] = QStringLiteral("slot-fault");
    else
        facts[QStringLiteral("save")] = session.buildHexLines() == 0 ? QStringLiteral("checksum-problem")
                                                                    : QStringLiteral("ok");
    return facts;
}

class BadInput : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(BadInput, GivesItsMessageAndLeavesTheExpectedImage)
{
    const CorpusCase &c = GetParam();
    QFile file(CorpusDir + QLatin1Char('/') + c.file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.file.toStdString();
    DecoderSession session;
    // A previous file's bytes must not show through a rejected one.
    session.image.rom.fill(QStringLiteral("5A"));
    session.image.eeprom.fill(QStringLiteral("5A"));
    const DecoderSession::LoadOutcome outcome = session.load(file.readAll());
    EXPECT_EQ(messageNumber(outcome.error), c.message);
    const QMap<QString, QString> facts = factsOf(session, outcome);
    for (const QString &fact : c.facts) {
        const QString key = fact.section(QLatin1Char('='), 0, 0);
        ASSERT_TRUE(facts.contains(key)) << "unknown fact " << key.toStdString();
        const QString value = fact.section(QLatin1Char('='), 1).replace(QLatin1Char('_'), QLatin1Char(' '));
        EXPECT_EQ(facts.value(key), value) << key.toStdString();
    }
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
