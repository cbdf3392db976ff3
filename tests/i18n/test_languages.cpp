// The window's language: taken from the desktop (LANGUAGE before LANG),
// English texts from the built-in translation, German ones as written.
#include "app/MainWindowFixture.h"
#include "app/ProgramLanguage.h"
#include "app/StartUp.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

namespace {

struct LanguageCase {
    const char *language;
    const char *lang;
    ProgramLanguage expected;
};

class DesktopLanguage : public ::testing::TestWithParam<LanguageCase> {};

const QString Demo = QStringLiteral(QUAXEL_SOURCE_DIR "/samples/demo.hex");

template <class T>
QString textOf(const TFormMain &w, const char *name)
{
    const T *widget = w.findChild<T *>(QString::fromLatin1(name));
    return widget ? widget->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// The texts that show a window's language: the buttons, a slot's caption,
// the editor's caption and check box, and the help that F1 brings up.
struct WindowTexts {
    QString load, save, info, close, slot, caption, box, help;
};

WindowTexts textsOfWindowWithDemo(const QString &settings)
{
    TFormMain w(settings);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_TRUE(w.loadHexFile(Demo));
    Dialogs::clearPresets();
    QTest::keyClick(&w, Qt::Key_F1);
    const auto messages = Dialogs::recordedMessages();
    return {textOf<QPushButton>(w, "btn_load"), textOf<QPushButton>(w, "btn_save"), textOf<QPushButton>(w, "btn_info"),
            textOf<QPushButton>(w, "btn_close"), textOf<QLabel>(w, "lblSlot[1]"), textOf<QLabel>(w, "lbl_zusatz"),
            textOf<QCheckBox>(w, "cbx_weiche_ab"), messages.isEmpty() ? QString() : messages.first().text};
}

} // namespace

TEST_P(DesktopLanguage, EnglishOnlyWhenTheDesktopSpeaksIt)
{
    const LanguageCase &c = GetParam();
    EXPECT_EQ(desktopLanguage(QString::fromLatin1(c.language), QString::fromLatin1(c.lang)), c.expected)
        << "LANGUAGE=" << c.language << " LANG=" << c.lang;
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DesktopLanguage,
    ::testing::Values(LanguageCase{"", "en_US.UTF-8", ProgramLanguage::English},
                      LanguageCase{"", "en_GB", ProgramLanguage::English},
                      LanguageCase{"", "de_DE.UTF-8", ProgramLanguage::German},
                      LanguageCase{"", "C.UTF-8", ProgramLanguage::German},
                      LanguageCase{"", "POSIX", ProgramLanguage::German},
                      LanguageCase{"", "", ProgramLanguage::German},
                      LanguageCase{"", "fr_FR.UTF-8", ProgramLanguage::German},
                      LanguageCase{"en_GB:de", "de_DE.UTF-8", ProgramLanguage::English},
                      LanguageCase{"de:en", "en_US.UTF-8", ProgramLanguage::German},
                      LanguageCase{"fr", "en_US.UTF-8", ProgramLanguage::German}));

// German: the texts are the source texts, exactly, and Qt's own are German.
TEST_F(MainWindowTest, TheWindowInGerman)
{
    const WindowTexts german = textsOfWindowWithDemo(settingsPath());
    EXPECT_EQ(german.load, QStringLiteral("HEX laden"));
    EXPECT_EQ(german.save, QStringLiteral("HEX speichern"));
    EXPECT_EQ(german.close, QStringLiteral("Ende"));
    EXPECT_EQ(german.slot, QStringLiteral("Weiche 1"));
    EXPECT_EQ(german.caption, QStringLiteral("Time Out (1..127)"));
    EXPECT_EQ(german.box, QStringLiteral("Abschalten des Antriebes NUR nach TimeOut"));
    EXPECT_TRUE(german.help.contains(QStringLiteral("Strg+O\tHEX laden\r"))) << german.help.toStdString();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

// English, from the translation built into the program, as under LANG=en_US.
// Run in a process of its own (see CMakeLists.txt): the program chooses its
// language once, before its first window, and the editors' tables keep the
// texts of that language.
TEST_F(MainWindowTest, TheWindowInEnglish)
{
    ASSERT_TRUE(useLanguage(*qApp, ProgramLanguage::English));
    const WindowTexts english = textsOfWindowWithDemo(settingsPath());
    EXPECT_EQ(english.load, QStringLiteral("Load HEX"));
    EXPECT_EQ(english.save, QStringLiteral("Save HEX"));
    EXPECT_EQ(english.info, QStringLiteral("HEX Info"));
    EXPECT_EQ(english.close, QStringLiteral("Quit"));
    EXPECT_EQ(english.slot, QStringLiteral("Turnout 1"));
    EXPECT_EQ(english.caption, QStringLiteral("Time-out (1..127)"));
    EXPECT_EQ(english.box, QStringLiteral("Switch the motor off ONLY after the time-out"));
    EXPECT_TRUE(english.help.contains(QStringLiteral("Ctrl+O\tLoad HEX\r"))) << english.help.toStdString();
    // Qt's own texts are English too: its German translation is gone.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
