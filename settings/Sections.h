#pragma once
// The sections of a settings document, one file each: the slots of the address
// grid, and one section per editor kind with its shape (the schema part and
// the names a comparison gives), its export and its apply.
//   modes   ModesSection.cpp   the editor of Frame_zusatz
//   cvs     CvsSection.cpp     the editor of Frame_register
//   blink   BlinkSection.cpp   the editors of Frame_blinkmuster and Frame_blinkmuster_led
//   servo   ServoSection.cpp   the editors of Frame_tamb and Frame_tamb_adr
//   slots   SlotsSection.cpp   the address grid
#include "decoder/DecoderSession.h"
#include "frames/TypedEntry.h"
#include "settings/SettingsSchema.h"

#include <QJsonArray>
#include <QJsonValue>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Settings {

// An editor of the session's type, loaded as the window loads it when it
// shows the editor (with the corrections loading makes).
class LoadedEditor {
public:
    virtual ~LoadedEditor() = default;
    // The section as the editor shows it.
    virtual QJsonValue exported() = 0;
    // Takes the section's settings into the editor as if they were typed or
    // clicked, in the editor's order; the first refusal stops it.
    virtual std::optional<Fault> apply(const QJsonValue &section) = 0;
    // Writes what a working copy holds into the image, when a setting of it changed.
    virtual void writeChanges() {}
};

struct EditorSection {
    QString key; // the document's key: "modes"
    NodePtr (*shape)();
    // The section's editor loaded for a session whose type shows one of the
    // section's editor kinds (EditorKinds.h); none when its layout is unknown.
    std::unique_ptr<LoadedEditor> (*load)(DecoderSession &session);
};

const EditorSection &modesSection();
const EditorSection &cvsSection();
const EditorSection &blinkSection();
const EditorSection &servoSection();

// The editor sections in the document's order: those of the editor kinds
// (EditorKinds.h), each once.
const std::vector<const EditorSection *> &editorSections();

// The slots: their shape and comparison, and their apply as the grid's edits
// and the save take them. (Their export is slotsJson().)
NodePtr slotsShape();
std::optional<Fault> applySlots(DecoderSession &session, const QJsonValue &value);

// ------------------------------------------------ shared by the sections

// A setting of a section that the type's editor does not show.
QString noSuchSetting();

int intOf(const QJsonValue &value);

// The values at(0) .. at(count - 1) as an array.
QJsonArray arrayOf(int count, const std::function<QJsonValue(int)> &at);

// A number typed into an edit: the window's warning when refused, and a
// refusal too when the edit would store another number than the one given.
std::optional<Fault> typed(const TypedEntry<int> &entry, const QString &path, int given);

std::optional<Fault> outOfRange(const QString &path, int value, int min, int max);

// Walks the present, non-null elements of an array: f(index, element, path).
template <class F> std::optional<Fault> eachElement(const QJsonValue &value, const QString &path, F &&f)
{
    const QJsonArray elements = value.toArray();
    for (qsizetype i = 0; i < elements.size(); ++i) {
        if (elements[i].isNull())
            continue;
        if (auto fault = f(static_cast<int>(i), elements[i], pathOf(path, static_cast<int>(i))))
            return fault;
    }
    return std::nullopt;
}

} // namespace Settings
