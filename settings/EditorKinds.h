#pragma once
#include "decoder/DecoderSession.h"
#include "frames/FrameState.h"

#include <QJsonValue>
#include <QString>
#include <memory>
#include <span>

struct PatternLayout;

namespace Settings {
struct EditorSection;
}

// The editors a decoder type shows, one row per kind: the name under which
// the window's document and the recovery file keep the editor's working copy
// (the name of the frame that shows it), how a copy is read back and written
// into the image, and the editor's section of the settings document. The
// frames that write every change into the image at once keep no copy. The
// rows stand in the order of the settings document's sections.
struct EditorKind {
    EditorFrameKind kind;
    const char *name;
    // Null for an editor without a working copy; otherwise null for a value
    // that is no copy of this editor.
    std::shared_ptr<const FrameState> (*readCopy)(const QJsonValue &value);
    // Null for an editor without a working copy: true when the copy holds
    // changes that are not in the image yet.
    bool (*waits)(const FrameState &copy);
    // Writes a copy into the session's image, as the editor's take-over
    // button does; the copy as it is then (nothing waits).
    std::shared_ptr<const FrameState> (*apply)(DecoderSession &session, const FrameState &copy);
    // The editor's section of the settings document (the two blink pattern
    // editors share one).
    const Settings::EditorSection &(*section)();
    // The layout of the blink patterns the editor shows; null for an editor
    // of no patterns.
    const PatternLayout &(*patternLayout)();

    QString nameText() const { return QString::fromLatin1(name); }
};

std::span<const EditorKind> editorKinds();
// The row of a kind; null for EditorFrameKind::None.
const EditorKind *editorKind(EditorFrameKind kind);
// The row of the editor whose working copy has this name; null for none.
const EditorKind *editorKindNamed(const QString &name);
