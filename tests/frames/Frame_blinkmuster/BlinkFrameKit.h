#pragma once
// Shared ground of the blink pattern editor tests: a session whose image holds
// a pattern table, the editor shown and set up as the main window does it, and
// mouse drags over a strip.
#include "common/Samples.h"
#include "common/TestImages.h"
#include "decoder/DecoderSession.h"
#include "frames/Frame_blinkmuster/BlinkPatterns.h"
#include "image/HexByte.h"
#include "ui/Dialogs.h"
#include "ui/DrawingSurface.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

// Table byte t of the pattern tables lies in the low byte of word 0x300 + t.
inline void setTableByte(FirmwareImage &image, int t, int value)
{
    image.rom[static_cast<std::size_t>(0x600 + 2 * t)] = hexByte(value);
}

template <class Frame> struct ShownEditor {
    DecoderSession session;
    std::unique_ptr<Frame> frame;

    // The image starts erased, like a file that holds only program code.
    ShownEditor() { session.image.resetForLoad(); }

    Frame &show(int typeCode)
    {
        Dialogs::clearPresets();
        Dialogs::setRecordMessages(true);
        setTypeCodeWords(session.image, typeCode);
        session.identify();
        frame = std::make_unique<Frame>(session, nullptr);
        frame->show();
        frame->loadFromSession();
        return *frame;
    }
};

// Presses on a strip at the first point, moves through the others, releases
// at the last.
inline void drag(DrawingSurface *strip, std::initializer_list<QPoint> points)
{
    const QPoint *p = points.begin();
    QTest::mousePress(strip, Qt::LeftButton, {}, *p);
    for (; p != points.end(); ++p)
        QTest::mouseMove(strip, *p);
    QTest::mouseRelease(strip, Qt::LeftButton, {}, *(points.end() - 1));
}

// The image differs from before only in the even ROM entries of the table,
// which hold the working copy.
inline void expectTableApplied(const FirmwareImage &before, const FirmwareImage &after, const PatternTable &table)
{
    const int last = PatternLayout::romIndex(table.size() - 1);
    for (int k = 0; k < FirmwareImage::RomSize; ++k) {
        const bool inTable = k >= 0x600 && k <= last && k % 2 == 0;
        const QString expected = inTable ? hexByte(table[(k - 0x600) / 2]) : before.rom[std::size_t(k)];
        ASSERT_EQ(after.rom[std::size_t(k)], expected) << "rom index " << k;
    }
}

inline QColor pixel(const DrawingSurface *strip, int x, int y) { return strip->image().pixelColor(x, y); }
