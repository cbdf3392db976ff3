#include "settings/EditorKinds.h"

#include "settings/Sections.h"

#include "frames/Frame_blinkmuster/BlinkModel.h"
#include "frames/Frame_blinkmuster_led/LedBlinkPatterns.h"
#include "frames/Frame_tamb/ServoModel.h"

#include <algorithm>

namespace {

template <class Copy> std::shared_ptr<const FrameState> stateOf(std::optional<Copy> copy)
{
    return copy ? frameStateOf(std::move(*copy)) : nullptr;
}

template <class Copy> const Copy *copyOf(const FrameState &state)
{
    const auto *copy = dynamic_cast<const FrameStateOf<Copy> *>(&state);
    return copy ? &copy->value : nullptr;
}

template <class Copy> bool waits(const FrameState &state)
{
    const Copy *copy = copyOf<Copy>(state);
    return copy && copy->changed;
}

template <class Copy> std::shared_ptr<const FrameState> applied(Copy copy)
{
    copy.changed = false;
    return frameStateOf(std::move(copy));
}

std::shared_ptr<const FrameState> applyBlink(DecoderSession &session, const FrameState &state)
{
    const BlinkEditorCopy *copy = copyOf<BlinkEditorCopy>(state);
    if (!copy)
        return nullptr;
    BlinkModel model(copy->table.layout());
    model.restore({copy->table, copy->shownBlock}, copy->changed);
    model.apply(session.image);
    return applied(*copy);
}

std::shared_ptr<const FrameState> applyServo(DecoderSession &session, const FrameState &state)
{
    const ServoEditorCopy *copy = copyOf<ServoEditorCopy>(state);
    if (!copy)
        return nullptr;
    ServoModel model(session);
    model.restore(copy->copy, copy->changed, copy->shownCurve);
    model.apply();
    return applied(*copy);
}

constexpr EditorKind Kinds[] = {
    {EditorFrameKind::Modes, "FrameZusatz1", nullptr, nullptr, nullptr, Settings::modesSection, nullptr},
    {EditorFrameKind::CvList, "FrameRegister1", nullptr, nullptr, nullptr, Settings::cvsSection, nullptr},
    {EditorFrameKind::Blink, "FrameBlinkmuster1",
     [](const QJsonValue &v) { return stateOf(BlinkEditorCopy::fromJson(v, blinkPatternLayout())); },
     waits<BlinkEditorCopy>, applyBlink, Settings::blinkSection, blinkPatternLayout},
    {EditorFrameKind::LedBlink, "FrameBlinkmuster_led1",
     [](const QJsonValue &v) { return stateOf(BlinkEditorCopy::fromJson(v, ledBlinkPatternLayout())); },
     waits<BlinkEditorCopy>, applyBlink, Settings::blinkSection, ledBlinkPatternLayout},
    {EditorFrameKind::Servo, "FrameTamb1", [](const QJsonValue &v) { return stateOf(ServoEditorCopy::fromJson(v)); },
     waits<ServoEditorCopy>, applyServo, Settings::servoSection, nullptr},
};

} // namespace

std::span<const EditorKind> editorKinds()
{
    return Kinds;
}

const EditorKind *editorKind(EditorFrameKind kind)
{
    const auto *found = std::find_if(std::begin(Kinds), std::end(Kinds), [kind](const EditorKind &k) { return k.kind == kind; });
    return found == std::end(Kinds) ? nullptr : found;
}

const EditorKind *editorKindNamed(const QString &name)
{
    const auto *found =
        std::find_if(std::begin(Kinds), std::end(Kinds), [&name](const EditorKind &k) { return name == QLatin1String(k.name); });
    return found == std::end(Kinds) ? nullptr : found;
}
