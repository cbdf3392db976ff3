// The servo editors' model on a loaded servo firmware: what loading makes of
// SW1, what apply writes, and that discard brings every part back.
#include "common/Samples.h"
#include "frames/Frame_tamb/ServoModel.h"
#include "image/HexByte.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct LoadedModel {
    explicit LoadedModel(const QString &byte0 = QStringLiteral("01"))
    {
        session = loadedSession(sampleHex("211-tamb-4-servo-dekoder-dcc"));
        session.image.eeprom[0] = byte0;
        // Four different records, so that a copy changes something.
        CurveRecords curves;
        for (int r = 0; r < CurveRecords::Count; ++r)
            for (int j = 0; j < CurveRecords::Size; ++j)
                curves[r][static_cast<std::size_t>(j)] = (r * 37 + j * 3) % 256;
        curves.write(session.image);
        model.load();
    }

    DecoderSession session;
    ServoModel model{session};
};

TEST(ServoModel, LoadShowsSw1AndMakesTheImageHoldWhatIsShown)
{
    struct Case {
        const char *byte0;
        bool learn;
        const char *after;
    };
    for (const Case &c : {Case{"01", true, "01"}, Case{"F0", false, "F0"}, Case{"FF", false, "F0"},
                          Case{"00", false, "F0"}, Case{"G1", false, "F0"}}) {
        LoadedModel m(QString::fromLatin1(c.byte0));
        EXPECT_EQ(m.model.sw1LearnsAndAdjusts(), c.learn) << c.byte0;
        EXPECT_EQ(m.session.image.eeprom[0], QLatin1String(c.after)) << c.byte0;
        EXPECT_FALSE(m.model.hasChanges()) << c.byte0;

        // The same on a discard, with the byte as the image holds it then.
        m.session.image.eeprom[0] = QString::fromLatin1(c.byte0);
        m.model.discard();
        EXPECT_EQ(m.session.image.eeprom[0], QLatin1String(c.after)) << c.byte0;
    }
}

TEST(ServoModel, ApplyWritesCurvesAndPulseBytesEachLimitedToAByte)
{
    LoadedModel m;
    ServoWorkingCopy copy = m.model.snapshot();
    copy.pulses.offset = {300, -5, 125, 50};
    copy.pulses.span = {0, 255, 256, -1};
    copy.curves[3][CurveRecords::KeyActionEntry] = 0x180;
    copy.curves[0][0] = -3;
    m.model.restore(copy);
    EXPECT_TRUE(m.model.hasChanges());
    m.model.apply();

    QString pulses;
    for (int j = 0; j < 8; ++j)
        pulses += m.session.image.eeprom[static_cast<std::size_t>(0x60 + j)];
    EXPECT_EQ(pulses, QStringLiteral("FF0000FF7DFF3200"));
    EXPECT_EQ(m.session.image.rom[static_cast<std::size_t>(CurveRecords::romIndex(3, CurveRecords::KeyActionEntry))],
              QStringLiteral("FF"));
    EXPECT_EQ(m.session.image.rom[static_cast<std::size_t>(CurveRecords::romIndex(0, 0))], QStringLiteral("00"));
    EXPECT_FALSE(m.model.hasChanges());
}

TEST(ServoModel, EveryChangeCountsUntilDiscardReadsTheImageAgain)
{
    using ServoAssign::Column;
    using ServoAssign::Option;
    struct Case {
        const char *name;
        std::function<void(ServoModel &)> change;
    };
    const Case cases[] = {
        {"count", [](ServoModel &m) { m.typeCount(QStringLiteral("7")); }},
        {"stretch", [](ServoModel &m) { m.typeStretch(QStringLiteral("33")); }},
        {"point", [](ServoModel &m) { m.drawPoint(2, 99); }},
        {"relay", [](ServoModel &m) { m.setRelay(2, !CurveRecords::relayOn(m.selectedRecord()[2])); }},
        {"mirror", [](ServoModel &m) { m.mirrorVertical(); }},
        {"copy", [](ServoModel &m) { m.copyFrom(3); }},
        {"key action", [](ServoModel &m) { m.chooseKeyAction(2, m.keyActionItem(2) == 3 ? 4 : 3); }},
        {"row", [](ServoModel &m) { m.chooseRowItem(5, Column::Curve, m.row(5).curve == 2 ? 1 : 2); }},
        {"option", [](ServoModel &m) { m.setOption(Option::NoRepeat, {!m.hasOption(0, Option::NoRepeat), false, true, false}); }},
        {"offset", [](ServoModel &m) { m.stepOffset(2, 0); }},
        {"span", [](ServoModel &m) { m.stepSpan(3, 3); }},
        {"curve file", [](ServoModel &m) { m.loadCurveFile({QStringLiteral("5"), QStringLiteral("6")}); }},
    };
    for (const Case &c : cases) {
        LoadedModel m;
        m.model.selectCurve(1);
        const ServoWorkingCopy loaded = m.model.snapshot();
        c.change(m.model);
        EXPECT_NE(m.model.snapshot(), loaded) << c.name;
        EXPECT_TRUE(m.model.hasChanges()) << c.name;
        m.model.discard();
        EXPECT_EQ(m.model.snapshot(), loaded) << c.name;
        EXPECT_FALSE(m.model.hasChanges()) << c.name;
        EXPECT_EQ(m.model.selectedCurve(), 1) << c.name;
    }
}

} // namespace
