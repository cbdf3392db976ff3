// The window's language: taken from the desktop's list of languages,
// English texts from the built-in translation, German ones as written.
#include "app/MainWindowFixture.h"
#include "app/ProgramLanguage.h"
#include "app/StartUp.h"
#include "decoder/DecoderSession.h"
#include "image/SystemErrors.h"
#include "settings/SettingsSchema.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <cerrno>

namespace {

struct LanguageCase {
    const char *environment;
    QStringList uiLanguages; // as QLocale::system() reads that environment
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
// the editor's caption and check box, the help that F1 brings up and the
// release in the status bar.
struct WindowTexts {
    QString load, save, info, close, slot, caption, box, help, status;
};

WindowTexts textsOfWindowWithDemo(const QString &settings)
{
    TFormMain w(settings);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QString status = statusPanelText(w, 4); // the release, before a file's name
    EXPECT_TRUE(w.loadHexFile(Demo));
    Dialogs::clearPresets();
    QTest::keyClick(&w, Qt::Key_F1);
    const auto messages = Dialogs::recordedMessages();
    return {textOf<QPushButton>(w, "btn_load"), textOf<QPushButton>(w, "btn_save"), textOf<QPushButton>(w, "btn_info"),
            textOf<QPushButton>(w, "btn_close"), textOf<QLabel>(w, "lblSlot[1]"), textOf<QLabel>(w, "lbl_zusatz"),
            textOf<QCheckBox>(w, "cbx_weiche_ab"), messages.isEmpty() ? QString() : messages.first().text,
            status};
}

// Messages of the core, which the window and quaxel-cli show as they are:
// each in the language of the texts around it.
struct CoreMessage {
    QString shown;
    const char *german;
    const char *english;
};

std::vector<CoreMessage> coreMessages()
{
    return {
        {systemErrorText(ENOENT), "Datei oder Ordner nicht gefunden", "No such file or directory"},
        {DecoderSession::unrecognisedMessage(), "Das HEX-File konnte leider nicht erkannt werden",
         "Sorry, the HEX file could not be recognised"},
        {Settings::readDocument("{\"formatVersion\": 1,").fault->text(), "kein JSON: nicht abgeschlossenes Objekt bei Byte 20",
         "not JSON: unterminated object at offset 20"},
        {Settings::readDocument("{\"formatVersion\": 1, \"colour\": 3}").fault->text(), "colour: unbekannter Schlüssel",
         "colour: unknown key"},
        {slotLabelText(QStringLiteral("Weiche 1")), "Weiche 1", "Turnout 1"},
    };
}

} // namespace

TEST_P(DesktopLanguage, EnglishOnlyWhenTheDesktopSpeaksIt)
{
    const LanguageCase &c = GetParam();
    EXPECT_EQ(languageOf(c.uiLanguages), c.expected) << c.environment;
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DesktopLanguage,
    ::testing::Values(LanguageCase{"LANG=en_US.UTF-8", {"en-US", "en-Latn-US", "en"}, ProgramLanguage::English},
                      LanguageCase{"LANG=en_GB", {"en-GB", "en-Latn-GB", "en"}, ProgramLanguage::English},
                      LanguageCase{"LANG=de_DE.UTF-8", {"de-DE", "de-Latn-DE", "de"}, ProgramLanguage::German},
                      LanguageCase{"LANG=C.UTF-8", {"C"}, ProgramLanguage::German},
                      LanguageCase{"nothing set", {}, ProgramLanguage::German},
                      LanguageCase{"LANG=fr_FR.UTF-8", {"fr-FR", "fr-Latn-FR", "fr"}, ProgramLanguage::German},
                      LanguageCase{"LANGUAGE=en_GB:de LANG=de_DE.UTF-8",
                                   {"en-GB", "en-Latn-GB", "de", "de-Latn-DE", "de-DE"}, ProgramLanguage::English},
                      LanguageCase{"LANGUAGE=de:en LANG=en_US.UTF-8",
                                   {"de", "de-Latn-DE", "de-DE", "en", "en-Latn-US", "en-US"}, ProgramLanguage::German},
                      LanguageCase{"LANGUAGE=fr LANG=en_US.UTF-8", {"fr", "fr-Latn-FR", "fr-FR"}, ProgramLanguage::German},
                      LanguageCase{"LANGUAGE=fr:en LANG=de_DE.UTF-8",
                                   {"fr", "fr-Latn-FR", "fr-FR", "en", "en-Latn-US", "en-US"}, ProgramLanguage::English}));

// The environments that settle the language without the system locale answer
// as its list of languages does; English, or LANGUAGE starting with a language
// the program lacks, is always left to that list.
TEST(LanguageVariables, AloneAnswerAsTheSystemLocaleDoes)
{
    const struct {
        LanguageVariables variables; // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QStringList uiLanguages;     // as QLocale::system() reads those variables
        bool settled;
    } rows[] = {
        {{"", "", "", "C.UTF-8"}, {"C"}, true},
        {{"", "", "", ""}, {"C"}, true},
        {{"", "", "", "POSIX"}, {"C"}, true},
        {{"", "", "", "de_AT@euro"}, {"de-AT", "de-Latn-AT"}, true},
        {{"", "C", "", "en_US.UTF-8"}, {"C"}, true},
        {{"", "", "de_DE.UTF-8", "en_US.UTF-8"}, {"de-DE", "de-Latn-DE", "de"}, true},
        {{"de_DE:en", "", "", "en_US.UTF-8"}, {"de-DE", "de-Latn-DE", "de", "en", "en-Latn-US", "en-US"}, true},
        {{"", "", "", "en_US.UTF-8"}, {"en-US", "en-Latn-US", "en"}, false},
        {{"", "en_US.UTF-8", "", "de_DE.UTF-8"}, {"en-US", "en-Latn-US", "en"}, false},
        {{"", "", "en_GB", "C.UTF-8"}, {"en-GB", "en-Latn-GB"}, false},
        {{"C:en", "", "", "C.UTF-8"}, {"en", "en-Latn-US", "en-US"}, false},
        {{"en:de", "", "", "de_DE.UTF-8"}, {"en", "en-Latn-US", "en-US", "de", "de-Latn-DE", "de-DE"}, false},
        {{"fr:en", "", "", "de_DE.UTF-8"}, {"fr", "fr-Latn-FR", "fr-FR", "en", "en-Latn-US", "en-US"}, false},
        {{"", "", "", "deu"}, {"deu", "de-Latn-DE", "de-DE", "de"}, false},
    };
    for (const auto &row : rows) {
        const auto plain = plainLanguageOf(row.variables);
        const std::string shown = (row.variables.language + " " + row.variables.lcAll + " " + row.variables.lcMessages
                                   + " " + row.variables.lang).toStdString();
        EXPECT_EQ(plain.has_value(), row.settled) << shown;
        if (plain) {
            EXPECT_EQ(*plain, languageOf(row.uiLanguages)) << shown;
        }
    }
}

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
    EXPECT_EQ(german.status, QStringLiteral(" Quaxel V0.981 vom 27. Juni 2011"));
    EXPECT_EQ(dateTimeText(QDateTime(QDate(2011, 6, 27), QTime(14, 3, 5))), QStringLiteral("27.06.2011 14:03:05"));
    for (const CoreMessage &message : coreMessages())
        EXPECT_EQ(message.shown, QString::fromUtf8(message.german));
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
    EXPECT_EQ(english.status, QStringLiteral(" Quaxel V0.981 of June 27, 2011"));
    EXPECT_EQ(dateTimeText(QDateTime(QDate(2011, 6, 27), QTime(14, 3, 5))), QStringLiteral("June 27, 2011, 2:03:05 PM"));
    for (const CoreMessage &message : coreMessages())
        EXPECT_EQ(message.shown, QString::fromUtf8(message.english));
}
