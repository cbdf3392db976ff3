#pragma once
#include "decoder/DecoderSession.h"

#include <QFrame>

// Common ground of the editor frames: the decoder session, through which the
// frame reaches the firmware image and the type, and the loading flag that
// every change handler obeys.
class EditorFrame : public QFrame {
    Q_OBJECT

public:
    EditorFrame(DecoderSession &session, const QString &name, int designWidth, int designHeight, QWidget *parent);

    bool loading = false;

protected:
    DecoderSession &session() const { return session_; }
    FirmwareImage &image() const { return session_.image; }
    int typeCode() const { return session_.typeCode; }

private:
    DecoderSession &session_;
};
