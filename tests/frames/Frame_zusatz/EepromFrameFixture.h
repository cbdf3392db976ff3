#pragma once
// Shared ground of the tests of the frames that write the EEPROM at once: a
// shown main window that loads sample firmwares (with chosen EEPROM bytes),
// messages recorded instead of shown, and user-like input.
#include "app/TFormMain.h"
#include "decoder/DecoderSession.h"
#include "ui/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using EepromBytes = decltype(FirmwareImage::eeprom);

class EepromFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Dialogs::clearPresets();
        Dialogs::setRecordMessages(true);
        window = std::make_unique<TFormMain>(dir.filePath(QStringLiteral("quaxel.ini")));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        Dialogs::clearPresets();
    }

    // The bundled DCC sample of a type code.
    static QString samplePath(int code)
    {
        const QDir samples(QStringLiteral(QUAXEL_SOURCE_DIR "/samples"));
        const QStringList names = samples.entryList({QStringLiteral("%1-*-dcc.hex").arg(code)}, QDir::Files);
        return names.isEmpty() ? QString() : samples.filePath(names.first());
    }

    // Loads the sample of the type through "HEX laden", with the given EEPROM
    // bytes written into the file first. fileEeprom keeps the file's bytes.
    void load(int code, const std::map<int, QString> &bytes = {})
    {
        QFile sample(samplePath(code));
        ASSERT_TRUE(sample.open(QIODevice::ReadOnly)) << code;
        DecoderSession file;
        file.load(sample.readAll());
        for (const auto &[index, text] : bytes)
            file.image.eeprom[index] = text;
        ASSERT_GT(file.buildHexLines(), 0);
        const QString path = dir.filePath(QStringLiteral("t%1-%2.hex").arg(++files).arg(code));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.fileContent());
        out.close();
        window->loadHexFile(path);
        ASSERT_EQ(window->document().session().typeCode(), code);
        fileEeprom = file.image.eeprom;
        for (const auto &[index, text] : bytes)
            ASSERT_EQ(fileEeprom[index], text) << "EEPROM byte " << index << " did not reach the file";
    }

    const QString &byte(int index) const { return window->document().session().image.eeprom[index]; }

    // The messages shown since the last call.
    QStringList takeMessages()
    {
        QStringList texts;
        for (const UserMessage &message : Dialogs::recordedMessages()) {
            EXPECT_EQ(message.kind, BoxKind::WarningCancel) << message.text.toStdString();
            texts << message.text;
        }
        Dialogs::clearPresets();
        Dialogs::setRecordMessages(true);
        return texts;
    }

    // Replaces the edit's text key by key, as a user selecting all and typing;
    // an empty text deletes the selection. The focus starts elsewhere, so a
    // focus return is visible.
    void typeInto(QLineEdit *edit, const QString &text)
    {
        window->btn_load->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    // A mouse click on the indicator of a check box or radio button.
    static void clickIndicator(QAbstractButton *button)
    {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = button->inherits("QRadioButton");
        const QRect indicator = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
        QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
    }

    // Every EEPROM byte but the listed ones is as the file had it.
    void expectOthersAsInFile(std::initializer_list<int> changed) const
    {
        for (int i = 0; i < FirmwareImage::EepromSize; ++i) {
            if (std::find(changed.begin(), changed.end(), i) == changed.end()) {
                EXPECT_EQ(byte(i), fileEeprom[i]) << "EEPROM byte " << i;
            }
        }
    }

    QTemporaryDir dir;
    std::unique_ptr<TFormMain> window;
    EepromBytes fileEeprom;
    int files = 0;
};
