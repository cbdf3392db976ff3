#pragma once
#include "decoder/DecoderTypes.h"
#include "frames/FrameState.h"

#include <QJsonValue>
#include <QString>
#include <memory>
#include <span>

// The editors a decoder type shows, one row per kind: the name under which
// the document and the recovery file keep the editor's working copy (the name
// of the frame that shows it), and how a copy is read back. The frames that
// write every change into the image at once keep no copy.
struct EditorKind {
    EditorFrameKind kind;
    const char *name;
    // Null for an editor without a working copy; otherwise null for a value
    // that is no copy of this editor.
    std::shared_ptr<const FrameState> (*readCopy)(const QJsonValue &value);

    QString nameText() const { return QString::fromLatin1(name); }
};

std::span<const EditorKind> editorKinds();
// The row of a kind; null for EditorFrameKind::None.
const EditorKind *editorKind(EditorFrameKind kind);
// The row of the editor whose working copy has this name; null for none.
const EditorKind *editorKindNamed(const QString &name);
